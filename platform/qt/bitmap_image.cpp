#include "platform/qt/bitmap_image.h"

#include <algorithm>

#include "platform/bitmap/bmp_file.h"

namespace platform::qt {

QImage imageOf(const Bitmap& bitmap) {
    return QImage(reinterpret_cast<const uchar*>(bitmap.pixels().data()), bitmap.width(), bitmap.height(),
                  qsizetype(bitmap.width()) * qsizetype(sizeof(Pixel)), QImage::Format_RGB32);
}

void copyInto(const QImage& image, Bitmap& bitmap) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const int width = std::min(pixels.width(), bitmap.width());
    for (int y = 0; y < std::min(pixels.height(), bitmap.height()); ++y) {
        std::copy_n(reinterpret_cast<const Pixel*>(pixels.constScanLine(y)), width, bitmap.row(y));
    }
}

QImage loadImage(const std::filesystem::path& file) {
    const Result<Bitmap> bitmap = loadBmp(file);
    return bitmap ? imageOf(bitmap.value()).copy() : QImage();
}

}  // namespace platform::qt
