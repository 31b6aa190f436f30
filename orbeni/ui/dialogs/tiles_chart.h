#pragma once

#include <QImage>

namespace platform {
class Bitmap;
}

namespace orbeni {

inline constexpr int kTilesChartWidth = 410;
inline constexpr int kTilesChartHeight = 409;

// Draws the "Tiles" page: every face of the composed tile images, family by family under its
// name, white on teal. Faces outside a null or short picture stay teal.
QImage drawTilesChart(const platform::Bitmap& tileImages);

}  // namespace orbeni
