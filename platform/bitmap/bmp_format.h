#pragma once

// The parts of the BMP reader, shared by its files; not part of the platform's interface.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/bitmap/bitmap.h"
#include "platform/result.h"

namespace platform::bmp {

using Bytes = std::span<const std::uint8_t>;

// The compression codes of the info header that the reader knows.
enum class Compression : std::uint32_t {
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
    AlphaBitFields = 6,
};

inline std::uint16_t readU16(Bytes bytes, std::size_t at) {
    return std::uint16_t(bytes[at] | (bytes[at + 1] << 8));
}
inline std::uint32_t readU32(Bytes bytes, std::size_t at) {
    return std::uint32_t(readU16(bytes, at)) | (std::uint32_t(readU16(bytes, at + 2)) << 16);
}

// One colour channel of a bit-fields pixel: where its bits lie and how to widen them to 8 bits.
class ChannelMask {
public:
    ChannelMask() = default;
    explicit ChannelMask(std::uint32_t mask);

    std::uint32_t mask() const { return m_mask; }
    bool isContiguous() const;
    // The channel of one pixel, scaled so that the largest value of the field becomes 255.
    std::uint8_t extract(std::uint32_t pixel) const;

private:
    std::uint32_t m_mask = 0;
    int m_shift = 0;
    int m_width = 0;
};

// Everything the headers say about a picture, checked, and where its pixels start.
struct Layout {
    int width = 0;
    int height = 0;  // always positive; topDown tells the order of the rows
    bool topDown = false;
    int bitCount = 0;
    Compression compression = Compression::Rgb;
    std::array<ChannelMask, 3> masks;  // red, green, blue, for 16 and 32 bits per pixel
    std::vector<Pixel> palette;        // for 1, 4 and 8 bits per pixel; never empty there
    std::size_t pixelOffset = 0;       // inside the file, before its end

    // The image row that the file's n-th stored row is.
    int imageRow(int storedRow) const { return topDown ? storedRow : height - 1 - storedRow; }
};

// Reads and checks the file header, the info header (any of its versions), the masks and the
// colour table.
Result<Layout> readLayout(Bytes file);

// The pixels stored row after row without compression, at any bit count.
Result<Bitmap> decodeUncompressed(const Layout& layout, Bytes pixels);
// The pixels of 16 and 32 bits per pixel, split by the channel masks.
Result<Bitmap> decodeBitFields(const Layout& layout, Bytes pixels);
// The pixels of an RLE8 or RLE4 file.
Result<Bitmap> decodeRle(const Layout& layout, Bytes pixels);

// The reasons a file is refused, in the player's words.
inline constexpr const char* kTruncated = "the file is truncated";
inline constexpr const char* kIndexOutOfRange = "a pixel uses a colour that is not in the colour table";

// The bytes one stored row takes, padded to four bytes.
inline std::size_t rowStride(int width, int bitCount) {
    return (std::size_t(width) * std::size_t(bitCount) + 31) / 32 * 4;
}

}  // namespace platform::bmp
