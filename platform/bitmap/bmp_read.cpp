#include <fstream>
#include <system_error>
#include <vector>

#include "platform/bitmap/bmp_file.h"
#include "platform/bitmap/bmp_format.h"

namespace platform {

namespace {

// 64 MiB of 32-bit pixels, with room for the headers, a colour table and RLE escapes.
constexpr std::uintmax_t kMaxFileSize = std::uintmax_t(80) << 20;

}  // namespace

Result<Bitmap> readBmp(std::span<const std::uint8_t> bytes) {
    Result<bmp::Layout> layout = bmp::readLayout(bytes);
    if (!layout) {
        return Result<Bitmap>::failure(layout.error());
    }
    const bmp::Bytes pixels = bytes.subspan(layout.value().pixelOffset);
    switch (layout.value().compression) {
        case bmp::Compression::Rle8:
        case bmp::Compression::Rle4:
            return bmp::decodeRle(layout.value(), pixels);
        case bmp::Compression::BitFields:
        case bmp::Compression::AlphaBitFields:
            return bmp::decodeBitFields(layout.value(), pixels);
        case bmp::Compression::Rgb:
            break;
    }
    return bmp::decodeUncompressed(layout.value(), pixels);
}

// Reads the whole file into memory first; a file larger than any picture within the limits can
// need is refused before it is read.
Result<Bitmap> loadBmp(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return Result<Bitmap>::failure("the file does not exist");
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) {
        return Result<Bitmap>::failure("the file cannot be opened");
    }
    if (size > kMaxFileSize) {
        return Result<Bitmap>::failure("the file is too large for a picture");
    }
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size))) {
        return Result<Bitmap>::failure("the file cannot be opened");
    }
    return readBmp(bytes);
}

}  // namespace platform
