#pragma once

#include <array>

#include "face_art.h"
#include "platform/bitmap/bitmap.h"

namespace orbeni_art {

inline constexpr int kTilesetWidth = 369;
inline constexpr int kTilesetHeight = 567;
inline constexpr int kFaceCount = 42;

// Where the picture of a face lies in the tileset's 9 x 5 grid.
struct FaceCell {
    FaceKind kind;
    int column = 0;
    int row = 0;
};

// The cells of faces 1..42, in face order.
const std::array<FaceCell, kFaceCount>& faceCells();

// Draws a whole tileset: face pictures, the special pieces and the face masks, with scale pixels
// for each pixel of the layout (2 for the twice-size version of a tileset, every place doubled).
platform::Bitmap makeTileset(TileColouring colouring, const ArtFonts& fonts, int scale = 1);

// Composes the 42 tile images the way the game does after loading a tileset: blank tile, AND the
// face mask, OR the face picture, into a 414 x 280 picture of 46 x 56 cells.
platform::Bitmap composeTileImages(const platform::Bitmap& tileset);

// Draws one composed tile onto a picture the way the board does: AND the tile mask, OR the tile.
void drawTile(platform::Bitmap& dest, int left, int top, const platform::Bitmap& tileset,
              const platform::Bitmap& tiles, int face);

}  // namespace orbeni_art
