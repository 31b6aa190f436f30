#include "qt_bitmap.h"

namespace orbeni_art {

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

}  // namespace orbeni_art
