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

// The pieces below are drawn with scale pixels for each pixel of the tile, each way: 1 for the
// tilesets of the board's own size, 2 for their twice-size versions.

// Tells whether a pixel of a 46 x 56 tile belongs to the tile: the face and its extrusion 6 pixels
// down and to the left.
bool insideTileOutline(int x, int y, int scale = 1);

// Draws a whole tile without picture, black outside its outline, with its top-left at (left, top).
void drawBlankTile(platform::Bitmap& sheet, int left, int top, const TilePalette& palette, int scale = 1);

// Draws the tile mask: black over the tile, white around it.
void drawTileMask(platform::Bitmap& sheet, int left, int top, int scale = 1);

// Draws a 40 x 50 face in the given tint, with the same bevel as the blank tile's face.
void drawFace(platform::Bitmap& sheet, int left, int top, const FaceTint& tint, int scale = 1);

}  // namespace orbeni_art
