#pragma once

#include <QImage>
#include <vector>

#include "platform/bitmap/bitmap.h"

namespace orbeni_art {

// Lays out, for a person to look at, the 42 tiles of each tileset drawn as the board draws them,
// a selected and a hinted tile, and the backgrounds at half size (repeated across the board when
// smaller, as the board repeats them) beside the side panel's picture.
QImage makeContactSheet(const std::vector<platform::Bitmap>& tilesets,
                        const std::vector<platform::Bitmap>& backgrounds, const platform::Bitmap& sidePanel);

}  // namespace orbeni_art
