#pragma once

#include <QImage>

#include "platform/bitmap/bitmap.h"

namespace morvane {

// Shows a bitmap's pixels to Qt without copying them: both keep opaque 0xFFRRGGBB rows. The image
// is valid only while the bitmap lives unchanged in size.
inline QImage imageOf(const platform::Bitmap& bitmap) {
    return QImage(reinterpret_cast<const uchar*>(bitmap.pixels().data()), bitmap.width(), bitmap.height(),
                  qsizetype(bitmap.width()) * qsizetype(sizeof(platform::Pixel)), QImage::Format_RGB32);
}

}  // namespace morvane
