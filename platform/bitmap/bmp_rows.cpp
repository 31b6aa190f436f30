// Uncompressed rows of 1, 4, 8 and 24 bits per pixel (16 and 32 go through the bit fields).

#include "platform/bitmap/bmp_format.h"

namespace platform::bmp {

namespace {

// Looks every colour index of one stored row up in the colour table; false when one is not in it.
bool decodeIndexedRow(const Layout& layout, const std::uint8_t* stored, Pixel* row) {
    const int bits = layout.bitCount;
    const unsigned perByte = unsigned(8 / bits);
    const unsigned lowMask = (1u << bits) - 1;
    for (int x = 0; x < layout.width; ++x) {
        const unsigned byte = stored[unsigned(x) / perByte];
        // The leftmost pixel sits in the highest bits of its byte.
        const unsigned shift = unsigned(8 - bits) - (unsigned(x) % perByte) * unsigned(bits);
        const std::size_t index = (byte >> shift) & lowMask;
        if (index >= layout.palette.size()) {
            return false;
        }
        row[x] = layout.palette[index];
    }
    return true;
}

void decodeRgbRow(const Layout& layout, const std::uint8_t* stored, Pixel* row) {
    for (int x = 0; x < layout.width; ++x, stored += 3) {
        row[x] = rgb(stored[2], stored[1], stored[0]);
    }
}

}  // namespace

Result<Bitmap> decodeUncompressed(const Layout& layout, Bytes pixels) {
    if (layout.bitCount == 16 || layout.bitCount == 32) {
        return decodeBitFields(layout, pixels);
    }
    const std::size_t stride = rowStride(layout.width, layout.bitCount);
    const std::size_t lastRowBytes = (std::size_t(layout.width) * std::size_t(layout.bitCount) + 7) / 8;
    // The last row may go without its padding.
    if (pixels.size() < stride * std::size_t(layout.height - 1) + lastRowBytes) {
        return Result<Bitmap>::failure(kTruncated);
    }
    Bitmap bitmap(layout.width, layout.height);
    for (int stored = 0; stored < layout.height; ++stored) {
        const std::uint8_t* source = pixels.data() + std::size_t(stored) * stride;
        Pixel* row = bitmap.row(layout.imageRow(stored));
        if (layout.bitCount == 24) {
            decodeRgbRow(layout, source, row);
        } else if (!decodeIndexedRow(layout, source, row)) {
            return Result<Bitmap>::failure(kIndexOutOfRange);
        }
    }
    return bitmap;
}

}  // namespace platform::bmp
