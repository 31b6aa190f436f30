// Pixels of 16 and 32 bits split into channels by masks: the BI_BITFIELDS pixels, and the
// default 5-5-5 and 8-8-8 layouts of uncompressed 16- and 32-bit files.

#include <bit>

#include "platform/bitmap/bmp_format.h"

namespace platform::bmp {

ChannelMask::ChannelMask(std::uint32_t mask)
    : m_mask(mask), m_shift(mask == 0 ? 0 : std::countr_zero(mask)), m_width(std::popcount(mask)) {}

bool ChannelMask::isContiguous() const {
    if (m_mask == 0) {
        return true;
    }
    const std::uint32_t field = m_mask >> m_shift;
    return (field & (field + 1)) == 0;  // only ones, from bit 0 up
}

// Widens a field of any width to 8 bits: narrower fields are scaled with rounding (31 of 5 bits
// becomes 255), wider ones keep their top 8 bits. An empty mask gives 0.
std::uint8_t ChannelMask::extract(std::uint32_t pixel) const {
    if (m_width == 0) {
        return 0;
    }
    const std::uint32_t value = (pixel & m_mask) >> m_shift;
    if (m_width >= 8) {
        return std::uint8_t(value >> (m_width - 8));
    }
    const std::uint32_t largest = (1u << m_width) - 1;
    return std::uint8_t((value * 255 + largest / 2) / largest);
}

Result<Bitmap> decodeBitFields(const Layout& layout, Bytes pixels) {
    const std::size_t stride = rowStride(layout.width, layout.bitCount);
    const std::size_t bytesPerPixel = std::size_t(layout.bitCount / 8);
    // The last row may go without its padding.
    if (pixels.size() < stride * std::size_t(layout.height - 1) + bytesPerPixel * std::size_t(layout.width)) {
        return Result<Bitmap>::failure(kTruncated);
    }
    Bitmap bitmap(layout.width, layout.height);
    const auto& [red, green, blue] = layout.masks;
    for (int stored = 0; stored < layout.height; ++stored) {
        std::size_t at = std::size_t(stored) * stride;
        Pixel* row = bitmap.row(layout.imageRow(stored));
        for (int x = 0; x < layout.width; ++x, at += bytesPerPixel) {
            const std::uint32_t value = bytesPerPixel == 2 ? readU16(pixels, at) : readU32(pixels, at);
            row[x] = rgb(red.extract(value), green.extract(value), blue.extract(value));
        }
    }
    return bitmap;
}

}  // namespace platform::bmp
