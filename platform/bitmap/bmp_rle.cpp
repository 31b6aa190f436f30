// Run-length encoded pixels of 8 and 4 bits per pixel (RLE8, RLE4). Pixels the data never
// reaches keep colour 0 of the colour table: Windows leaves the background there, and a memory
// picture has none. Some writers (ImageMagick among them) encode a whole stored row, padding
// included: pixels in that padding are dropped, but a run past it or below the last row is an
// error.

#include "platform/bitmap/bmp_format.h"

namespace platform::bmp {

namespace {

constexpr const char* kPastTheImage = "the compressed pixels run past the picture";

// Writes the pixels of one RLE file into a bitmap, checking every position and colour index.
class RleDecoder {
public:
    RleDecoder(const Layout& layout, Bytes pixels)
        : m_layout(layout),
          m_pixels(pixels),
          m_bitmap(layout.width, layout.height, layout.palette.front()),
          m_paddedWidth(int(rowStride(layout.width, layout.bitCount) * 8 / std::size_t(layout.bitCount))) {}

    Result<Bitmap> decode();

private:
    // The next byte; false when the data ends before it.
    bool next(std::uint8_t& byte) {
        if (m_at >= m_pixels.size()) {
            return false;
        }
        byte = m_pixels[m_at++];
        return true;
    }
    // Puts one colour index at the current place and steps right.
    const char* put(unsigned index);
    const char* encodedRun(unsigned count, std::uint8_t value);
    const char* absoluteRun(unsigned count);
    const char* escape(std::uint8_t code, bool& finished);

    const Layout& m_layout;
    Bytes m_pixels;
    Bitmap m_bitmap;
    std::size_t m_at = 0;
    int m_paddedWidth = 0;  // the pixels a stored row holds with its padding
    int m_x = 0;
    int m_storedRow = 0;
};

const char* RleDecoder::put(unsigned index) {
    if (m_x >= m_paddedWidth || m_storedRow >= m_layout.height) {
        return kPastTheImage;
    }
    if (index >= m_layout.palette.size()) {
        return kIndexOutOfRange;
    }
    m_bitmap.setPixel(m_x++, m_layout.imageRow(m_storedRow), m_layout.palette[index]);  // drops padding
    return nullptr;
}

// A run of one index (RLE8) or of two alternating indices (RLE4, high nibble first).
const char* RleDecoder::encodedRun(unsigned count, std::uint8_t value) {
    for (unsigned i = 0; i < count; ++i) {
        const unsigned index = m_layout.bitCount == 8 ? value : (i % 2 == 0 ? value >> 4 : value & 0x0F);
        if (const char* problem = put(index)) {
            return problem;
        }
    }
    return nullptr;
}

// A run of literal indices, padded to a whole 16-bit word.
const char* RleDecoder::absoluteRun(unsigned count) {
    const std::size_t bytes = m_layout.bitCount == 8 ? count : (count + 1) / 2;
    if (m_at + bytes > m_pixels.size()) {
        return kTruncated;
    }
    for (unsigned i = 0; i < count; ++i) {
        const std::uint8_t byte = m_pixels[m_at + (m_layout.bitCount == 8 ? i : i / 2)];
        const unsigned index = m_layout.bitCount == 8 ? byte : (i % 2 == 0 ? byte >> 4 : byte & 0x0F);
        if (const char* problem = put(index)) {
            return problem;
        }
    }
    m_at += bytes + bytes % 2;
    return nullptr;
}

// The commands after a zero count: end of line, end of picture, a jump, or a literal run.
const char* RleDecoder::escape(std::uint8_t code, bool& finished) {
    switch (code) {
        case 0:
            m_x = 0;
            ++m_storedRow;
            return nullptr;
        case 1:
            finished = true;
            return nullptr;
        case 2: {
            std::uint8_t right = 0;
            std::uint8_t up = 0;
            if (!next(right) || !next(up)) {
                return kTruncated;
            }
            m_x += right;
            m_storedRow += up;
            return m_x > m_paddedWidth || m_storedRow > m_layout.height ? kPastTheImage : nullptr;
        }
        default:
            return absoluteRun(code);
    }
}

// Reads commands to the end of the picture; data that stops cleanly between commands ends it
// too, as many writers leave the end mark out.
Result<Bitmap> RleDecoder::decode() {
    bool finished = false;
    std::uint8_t count = 0;
    while (!finished && next(count)) {
        std::uint8_t value = 0;
        if (!next(value)) {
            return Result<Bitmap>::failure(kTruncated);
        }
        const char* problem = count > 0 ? encodedRun(count, value) : escape(value, finished);
        if (problem != nullptr) {
            return Result<Bitmap>::failure(problem);
        }
    }
    return std::move(m_bitmap);
}

}  // namespace

Result<Bitmap> decodeRle(const Layout& layout, Bytes pixels) {
    return RleDecoder(layout, pixels).decode();
}

}  // namespace platform::bmp
