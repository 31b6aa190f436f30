#pragma once

#include "palette.h"
#include "platform/bitmap/bitmap.h"

namespace orbeni_art {

inline constexpr int kTileWidth = 46;
inline constexpr int kTileHeight = 56;
inline constexpr int kEdge = 6;
inline constexpr int kFaceWidth = 40;
inline constexpr int kFaceHeight = 50;

platform::Pixel toPixel(const QColor& colour);

// Tells whether a pixel of a 46 x 56 tile belongs to the tile: the face and its extrusion 6 pixels
// down and to the left.
bool insideTileOutline(int x, int y);

// Draws a whole tile without picture, black outside its outline, with its top-left at (left, top).
void drawBlankTile(platform::Bitmap& sheet, int left, int top, const TilePalette& palette);

// Draws the tile mask: black over the tile, white around it.
void drawTileMask(platform::Bitmap& sheet, int left, int top);

// Draws a 40 x 50 face in the given tint, with the same bevel as the blank tile's face.
void drawFace(platform::Bitmap& sheet, int left, int top, const FaceTint& tint);

}  // namespace orbeni_art
