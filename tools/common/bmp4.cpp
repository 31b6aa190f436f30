#include "bmp4.h"

namespace art_common {

namespace {

int nearestIndex(platform::Pixel pixel, const Palette16& palette) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < 16; ++i) {
        const platform::Pixel p = palette[std::size_t(i)];
        const long dr = long(platform::redOf(pixel)) - platform::redOf(p);
        const long dg = long(platform::greenOf(pixel)) - platform::greenOf(p);
        const long db = long(platform::blueOf(pixel)) - platform::blueOf(p);
        // Green weighs most in how bright a colour looks, blue least.
        const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void put(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(std::uint8_t(value >> (8 * i)));
    }
}

}  // namespace

void quantise(platform::Bitmap& bitmap, const Palette16& palette) {
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            bitmap.setPixel(x, y, palette[std::size_t(nearestIndex(bitmap.pixel(x, y), palette))]);
        }
    }
}

std::vector<std::uint8_t> encodeBmp4(const platform::Bitmap& bitmap, const Palette16& palette) {
    const std::uint32_t rowBytes = (std::uint32_t(bitmap.width()) * 4 + 31) / 32 * 4;
    const std::uint32_t pixelBytes = rowBytes * std::uint32_t(bitmap.height());
    const std::uint32_t offset = 14 + 40 + 16 * 4;
    std::vector<std::uint8_t> bytes = {'B', 'M'};
    put(bytes, offset + pixelBytes, 4);
    put(bytes, 0, 4);
    put(bytes, offset, 4);
    put(bytes, 40, 4);
    put(bytes, std::uint32_t(bitmap.width()), 4);
    put(bytes, std::uint32_t(bitmap.height()), 4);
    put(bytes, 1, 2);
    put(bytes, 4, 2);
    put(bytes, 0, 4);  // uncompressed
    put(bytes, pixelBytes, 4);
    put(bytes, 2835, 4);  // 72 dots per inch
    put(bytes, 2835, 4);
    put(bytes, 16, 4);
    put(bytes, 16, 4);
    for (const platform::Pixel colour : palette) {
        bytes.insert(bytes.end(),
                     {platform::blueOf(colour), platform::greenOf(colour), platform::redOf(colour), 0});
    }
    for (int y = bitmap.height() - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (int x = 0; x < bitmap.width(); ++x) {
            const auto index = std::uint8_t(nearestIndex(bitmap.pixel(x, y), palette));
            row[std::size_t(x / 2)] |= x % 2 == 0 ? std::uint8_t(index << 4) : index;
        }
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

}  // namespace art_common
