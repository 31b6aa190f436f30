#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "platform/bitmap/bmp_file.h"
#include "platform/bitmap/bmp_format.h"

namespace platform {

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

Result<Bitmap> loadBmp(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return Result<Bitmap>::failure("the file does not exist");
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return Result<Bitmap>::failure("the file cannot be opened");
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    return readBmp(bytes);
}

}  // namespace platform
