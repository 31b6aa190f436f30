// The headers of a BMP file: the file header, the info header in its versions (OS/2 core,
// Windows 3 info, V2 to V5), the channel masks and the colour table.

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/bitmap/bmp_format.h"

namespace platform::bmp {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kV2HeaderSize = 52;  // the info header with the three masks inside
constexpr std::int64_t kMaxSide = 16384;
// Far above any tileset, background or board the games draw: a damaged header cannot make the
// reader take more memory than this.
constexpr std::int64_t kMaxPixelBytes = std::int64_t(64) << 20;

// What the info header says before any check.
struct InfoHeader {
    std::uint32_t size = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    int bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
};

InfoHeader parseInfoHeader(Bytes file, std::uint32_t size) {
    const std::size_t at = kFileHeaderSize;
    InfoHeader info;
    info.size = size;
    if (size == kCoreHeaderSize) {
        info.width = readU16(file, at + 4);
        info.height = readU16(file, at + 6);
        info.bitCount = readU16(file, at + 10);
        return info;
    }
    info.width = std::int32_t(readU32(file, at + 4));
    info.height = std::int32_t(readU32(file, at + 8));
    info.bitCount = readU16(file, at + 14);
    info.compression = readU32(file, at + 16);
    info.coloursUsed = readU32(file, at + 32);
    return info;
}

// Checks the size of the picture; empty, negative and absurd sizes are refused.
const char* sizeProblem(const InfoHeader& info) {
    if (info.width < 0) {
        return "the width of the picture is negative";
    }
    if (info.width == 0 || info.height == 0) {
        return "the picture has no pixels";
    }
    const std::int64_t height = std::abs(info.height);
    if (info.width > kMaxSide || height > kMaxSide) {
        return "the picture is more than 16384 pixels wide or high";
    }
    if (info.width * height * 4 > kMaxPixelBytes) {
        return "the picture has more than 64 MiB of pixels";
    }
    return nullptr;
}

// Checks that the compression is one the reader knows and that it fits the bit count.
const char* formatProblem(const InfoHeader& info) {
    const int bits = info.bitCount;
    switch (Compression(info.compression)) {
        case Compression::Rgb:
            if (bits == 1 || bits == 4 || bits == 8 || bits == 24 ||
                (info.size != kCoreHeaderSize && (bits == 16 || bits == 32))) {
                return nullptr;
            }
            return "the number of bits per pixel is not supported";
        case Compression::Rle8:
            return bits == 8 ? nullptr : "RLE8 compression needs 8 bits per pixel";
        case Compression::Rle4:
            return bits == 4 ? nullptr : "RLE4 compression needs 4 bits per pixel";
        case Compression::BitFields:
        case Compression::AlphaBitFields:
            return bits == 16 || bits == 32 ? nullptr : "bit fields need 16 or 32 bits per pixel";
    }
    return "the compression of the file is not supported";
}

// Reads the red, green and blue masks: inside a V2 or later header, else right after the 40-byte
// header, where they move the colour table on. Without bit fields the default masks apply.
Result<std::size_t> readMasks(Bytes file, const InfoHeader& info, Layout& layout) {
    std::size_t end = kFileHeaderSize + info.size;
    const auto compression = Compression(info.compression);
    if (compression != Compression::BitFields && compression != Compression::AlphaBitFields) {
        if (info.bitCount == 16) {
            layout.masks = {ChannelMask(0x7C00), ChannelMask(0x03E0), ChannelMask(0x001F)};  // 5-5-5
        } else if (info.bitCount == 32) {
            layout.masks = {ChannelMask(0xFF0000), ChannelMask(0xFF00), ChannelMask(0xFF)};
        }
        return end;
    }
    std::size_t at = kFileHeaderSize + kInfoHeaderSize;
    if (info.size < kV2HeaderSize) {
        end += compression == Compression::AlphaBitFields ? 16 : 12;
        if (end > file.size()) {
            return Result<std::size_t>::failure(kTruncated);
        }
    }
    const std::uint32_t pixelBits = info.bitCount == 32 ? 0xFFFFFFFFu : 0xFFFFu;
    for (ChannelMask& mask : layout.masks) {
        mask = ChannelMask(readU32(file, at));
        at += 4;
        if ((mask.mask() & ~pixelBits) != 0) {
            return Result<std::size_t>::failure("a colour mask is wider than the pixel");
        }
        if (!mask.isContiguous()) {
            return Result<std::size_t>::failure("a colour mask has gaps in it");
        }
    }
    return end;
}

// Reads the colour table of 1, 4 and 8 bits per pixel: as many entries as the header says (all
// of them when it says 0), but never more than fit before the pixels.
Result<std::vector<Pixel>> readPalette(Bytes file, const InfoHeader& info, std::size_t start,
                                       std::uint32_t pixelOffset) {
    const std::size_t entrySize = info.size == kCoreHeaderSize ? 3 : 4;
    const std::size_t full = std::size_t(1) << info.bitCount;
    std::size_t count = info.coloursUsed == 0 ? full : std::min<std::size_t>(info.coloursUsed, full);
    if (pixelOffset != 0) {
        count = std::min(count, (pixelOffset - start) / entrySize);
    }
    if (count == 0) {
        return Result<std::vector<Pixel>>::failure("the picture has no colour table");
    }
    if (start + count * entrySize > file.size()) {
        return Result<std::vector<Pixel>>::failure(kTruncated);
    }
    std::vector<Pixel> palette(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = start + i * entrySize;
        palette[i] = rgb(file[at + 2], file[at + 1], file[at]);
    }
    return palette;
}

// Reads the colour table and finds where the pixels start: where the file header says, or right
// after the headers and the colour table when it says 0.
Result<std::size_t> placePixels(Bytes file, const InfoHeader& info, std::size_t tableStart,
                                std::uint32_t pixelOffset, Layout& layout) {
    if (pixelOffset != 0 && pixelOffset < tableStart) {
        return Result<std::size_t>::failure("the pixels start inside the headers");
    }
    if (pixelOffset > file.size()) {
        return Result<std::size_t>::failure("the pixels start past the end of the file");
    }
    if (info.bitCount > 8) {
        return pixelOffset != 0 ? pixelOffset : tableStart;
    }
    Result<std::vector<Pixel>> palette = readPalette(file, info, tableStart, pixelOffset);
    if (!palette) {
        return Result<std::size_t>::failure(palette.error());
    }
    layout.palette = std::move(palette).value();
    const std::size_t entrySize = info.size == kCoreHeaderSize ? 3 : 4;
    return pixelOffset != 0 ? pixelOffset : tableStart + layout.palette.size() * entrySize;
}

}  // namespace

Result<Layout> readLayout(Bytes file) {
    if (file.size() < kFileHeaderSize + 4) {
        return Result<Layout>::failure("the file is too short to be a BMP file");
    }
    if (file[0] != 'B' || file[1] != 'M') {
        return Result<Layout>::failure("the file is not a BMP file");
    }
    const std::uint32_t pixelOffset = readU32(file, 10);
    const std::uint32_t headerSize = readU32(file, kFileHeaderSize);
    if (headerSize != kCoreHeaderSize && headerSize < kInfoHeaderSize) {
        return Result<Layout>::failure("the bitmap header is of an unknown kind");
    }
    if (kFileHeaderSize + std::size_t(headerSize) > file.size()) {
        return Result<Layout>::failure(kTruncated);
    }
    const InfoHeader info = parseInfoHeader(file, headerSize);
    if (const char* problem = sizeProblem(info)) {
        return Result<Layout>::failure(problem);
    }
    if (const char* problem = formatProblem(info)) {
        return Result<Layout>::failure(problem);
    }
    Layout layout;
    layout.width = int(info.width);
    layout.height = int(std::abs(info.height));
    layout.topDown = info.height < 0;
    layout.bitCount = info.bitCount;
    layout.compression = Compression(info.compression);
    Result<std::size_t> tableStart = readMasks(file, info, layout);
    if (!tableStart) {
        return Result<Layout>::failure(tableStart.error());
    }
    Result<std::size_t> pixelStart = placePixels(file, info, tableStart.value(), pixelOffset, layout);
    if (!pixelStart) {
        return Result<Layout>::failure(pixelStart.error());
    }
    layout.pixelOffset = pixelStart.value();
    return layout;
}

}  // namespace platform::bmp
