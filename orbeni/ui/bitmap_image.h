#pragma once

#include <QImage>
#include <algorithm>

#include "platform/bitmap/bitmap.h"

namespace orbeni {

// Shows a bitmap's pixels to Qt without copying them: both keep opaque 0xFFRRGGBB rows. The image
// is valid only while the bitmap lives unchanged in size.
inline QImage imageOf(const platform::Bitmap& bitmap) {
    return QImage(reinterpret_cast<const uchar*>(bitmap.pixels().data()), bitmap.width(), bitmap.height(),
                  qsizetype(bitmap.width()) * qsizetype(sizeof(platform::Pixel)), QImage::Format_RGB32);
}

// Copies a picture drawn with Qt into a bitmap of the same size, pixel for pixel.
inline void copyInto(const QImage& image, platform::Bitmap& bitmap) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const int width = std::min(pixels.width(), bitmap.width());
    for (int y = 0; y < std::min(pixels.height(), bitmap.height()); ++y) {
        std::copy_n(reinterpret_cast<const platform::Pixel*>(pixels.constScanLine(y)), width, bitmap.row(y));
    }
}

}  // namespace orbeni
