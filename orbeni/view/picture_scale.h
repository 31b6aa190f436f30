#pragma once

#include <filesystem>

#include "platform/bitmap/bitmap.h"

namespace orbeni {

// The twice-size version of a shipped tileset lies beside it under the same name with "@2x"
// before the extension: "Tilesets/pai.bmp" and "Tilesets/pai@2x.bmp".
std::filesystem::path twiceSizeFile(const std::filesystem::path& file);

// The picture enlarged by a whole factor with bilinear filtering, for backgrounds and the side
// panel's picture on a screen that shows more pixels than the pictures have.
platform::Bitmap smoothlyEnlarged(const platform::Bitmap& picture, int factor);

}  // namespace orbeni
