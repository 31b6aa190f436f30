#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/bitmap/bitmap.h"

namespace art_common {

using Palette16 = std::array<platform::Pixel, 16>;

// Replaces every pixel by the nearest colour of the palette, so that a picture drawn with
// smooth edges can be stored with 16 colours.
void quantise(platform::Bitmap& bitmap, const Palette16& palette);

// Encodes a bitmap as a 4-bit BMP with the palette as its colour table; pixels are mapped to
// the nearest palette colour.
std::vector<std::uint8_t> encodeBmp4(const platform::Bitmap& bitmap, const Palette16& palette);

}  // namespace art_common
