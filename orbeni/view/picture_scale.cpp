#include "orbeni/view/picture_scale.h"

#include <algorithm>
#include <cstdint>

namespace orbeni {

namespace {

// Where a pixel of the enlarged picture takes its colour from: the two source pixels beside the
// point under its centre and how far (in 1/256) toward the second one that point lies.
struct Sample {
    int first = 0;
    int second = 0;
    int weight = 0;
};

Sample sampleOf(int enlarged, int factor, int size) {
    // The centre of pixel i of the enlarged picture lies at (i + 0.5) / factor - 0.5 of the source.
    const int position = ((2 * enlarged + 1) * 256) / (2 * factor) - 128;
    const int first = std::clamp(position >= 0 ? position / 256 : -1, 0, size - 1);
    const int second = std::min(first + 1, size - 1);
    const int weight = position < 0 ? 0 : position % 256;
    return {first, second, weight};
}

std::uint32_t mixChannel(std::uint32_t a, std::uint32_t b, int weight, int shift) {
    const int from = int((a >> shift) & 0xFF);
    const int to = int((b >> shift) & 0xFF);
    return std::uint32_t((from * (256 - weight) + to * weight + 128) >> 8) << shift;
}

platform::Pixel mix(platform::Pixel a, platform::Pixel b, int weight) {
    return 0xFF000000u | mixChannel(a, b, weight, 16) | mixChannel(a, b, weight, 8) |
           mixChannel(a, b, weight, 0);
}

}  // namespace

std::filesystem::path twiceSizeFile(const std::filesystem::path& file) {
    std::filesystem::path twice = file;
    twice.replace_filename(file.stem().string() + "@2x" + file.extension().string());
    return twice;
}

platform::Bitmap smoothlyEnlarged(const platform::Bitmap& picture, int factor) {
    if (factor <= 1 || picture.isNull()) {
        return picture;
    }
    platform::Bitmap enlarged(picture.width() * factor, picture.height() * factor);
    for (int y = 0; y < enlarged.height(); ++y) {
        const Sample row = sampleOf(y, factor, picture.height());
        const platform::Pixel* upper = picture.row(row.first);
        const platform::Pixel* lower = picture.row(row.second);
        platform::Pixel* out = enlarged.row(y);
        for (int x = 0; x < enlarged.width(); ++x) {
            const Sample column = sampleOf(x, factor, picture.width());
            const platform::Pixel top = mix(upper[column.first], upper[column.second], column.weight);
            const platform::Pixel bottom = mix(lower[column.first], lower[column.second], column.weight);
            out[x] = mix(top, bottom, row.weight);
        }
    }
    return enlarged;
}

}  // namespace orbeni
