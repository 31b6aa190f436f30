#pragma once

#include <QImage>
#include <filesystem>

#include "platform/bitmap/bitmap.h"

namespace platform::qt {

// Shows a bitmap's pixels to Qt without copying them: both keep opaque 0xFFRRGGBB rows. The image
// is valid only while the bitmap lives unchanged in size.
QImage imageOf(const Bitmap& bitmap);

// Copies a picture drawn with Qt into a bitmap of the same size, pixel for pixel.
void copyInto(const QImage& image, Bitmap& bitmap);

// A BMP file as a picture of its own, or a null picture when it is missing or unreadable.
QImage loadImage(const std::filesystem::path& file);

}  // namespace platform::qt
