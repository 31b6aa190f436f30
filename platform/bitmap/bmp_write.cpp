#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/bitmap/bmp_file.h"
#include "platform/profile/settings_folder.h"

namespace platform {

namespace {

void putU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void putU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    putU16(out, value & 0xFFFFu);
    putU16(out, value >> 16);
}

}  // namespace

// Lays out a file header, a 40-byte info header and bottom-up rows of blue, green, red bytes,
// each row padded to four bytes. A null bitmap has no BMP form and gives no bytes.
std::vector<std::uint8_t> encodeBmp24(const Bitmap& bitmap) {
    if (bitmap.isNull()) {
        return {};
    }
    constexpr std::uint32_t kHeadersSize = 14 + 40;
    const std::size_t stride = (std::size_t(bitmap.width()) * 3 + 3) / 4 * 4;
    const std::size_t imageSize = stride * std::size_t(bitmap.height());
    std::vector<std::uint8_t> out;
    out.reserve(kHeadersSize + imageSize);
    out.push_back('B');
    out.push_back('M');
    putU32(out, std::uint32_t(kHeadersSize + imageSize));
    putU32(out, 0);  // reserved
    putU32(out, kHeadersSize);
    putU32(out, 40);
    putU32(out, std::uint32_t(bitmap.width()));
    putU32(out, std::uint32_t(bitmap.height()));  // positive: bottom-up rows
    putU16(out, 1);                               // planes
    putU16(out, 24);
    putU32(out, 0);  // BI_RGB
    putU32(out, std::uint32_t(imageSize));
    putU32(out, 2835);  // 72 dots per inch, in dots per metre
    putU32(out, 2835);
    putU32(out, 0);  // colours used
    putU32(out, 0);  // colours important
    for (int y = bitmap.height() - 1; y >= 0; --y) {
        const Pixel* row = bitmap.row(y);
        for (int x = 0; x < bitmap.width(); ++x) {
            out.push_back(blueOf(row[x]));
            out.push_back(greenOf(row[x]));
            out.push_back(redOf(row[x]));
        }
        out.resize(out.size() + (stride - std::size_t(bitmap.width()) * 3), 0);
    }
    return out;
}

bool saveBmp(const Bitmap& bitmap, const std::filesystem::path& file) {
    const std::vector<std::uint8_t> bytes = encodeBmp24(bitmap);
    if (bytes.empty()) {
        return false;
    }
    return writeFileAtomically(file,
                               std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace platform
