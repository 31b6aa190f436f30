#pragma once

#include <QImage>

#include "platform/bitmap/bitmap.h"

namespace orbeni_art {

// Converts between Qt's pictures, which we draw with, and the bitmaps the game loads.
platform::Bitmap toBitmap(const QImage& image);
QImage toImage(const platform::Bitmap& bitmap);

}  // namespace orbeni_art
