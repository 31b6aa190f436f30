#include "art_files.h"

#include <cstdio>
#include <fstream>

#include "platform/bitmap/bmp_file.h"

namespace art_common {

namespace {

bool prepareFolder(const std::filesystem::path& file) {
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    return !error;
}

bool complain(const std::filesystem::path& file) {
    std::fprintf(stderr, "art generator: cannot write %s\n", file.c_str());
    return false;
}

}  // namespace

bool writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    if (!prepareFolder(file)) {
        return complain(file);
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return out.good() || complain(file);
}

bool writeBitmap(const std::filesystem::path& file, const platform::Bitmap& bitmap) {
    return (prepareFolder(file) && platform::saveBmp(bitmap, file)) || complain(file);
}

bool writePng(const std::filesystem::path& file, const QImage& picture) {
    return (prepareFolder(file) && picture.save(QString::fromStdString(file.string()), "PNG")) ||
           complain(file);
}

platform::Bitmap toBitmap(const QImage& image) {
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    platform::Bitmap bitmap(opaque.width(), opaque.height());
    for (int y = 0; y < opaque.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
        for (int x = 0; x < opaque.width(); ++x) {
            bitmap.setPixel(x, y, platform::Pixel(line[x]) | 0xFF000000u);
        }
    }
    return bitmap;
}

QImage toImage(const platform::Bitmap& bitmap) {
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x) {
            line[x] = bitmap.pixel(x, y);
        }
    }
    return image;
}

}  // namespace art_common
