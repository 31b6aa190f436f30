#pragma once

#include <QImage>
#include <vector>

#include "common/fonts.h"
#include "platform/bitmap/bitmap.h"
#include "tile_bitmap.h"

namespace morvane_art {

// A tile laid on the table: its anchor in half tiles, its layer and its code's group and member.
struct LaidTile {
    int x;
    int y;
    int z;
    int group;
    int member;
};

// Draws tiles from a tile bitmap in the order the board is painted: layer by layer, each layer
// from right to left and top to bottom, higher layers shifted by the edge's depth.
void drawHeap(QPainter& painter, QPoint origin, const QImage& tiles, const TileStyle& style,
              const std::vector<LaidTile>& heap);

// Design mode's mark of a tile space, 15 x 15, drawn stretched on black.
platform::Bitmap makeMarker();
// The splash window's picture, 589 x 374, with the name "Morvane" over a heap of tiles.
platform::Bitmap makeSplash(const platform::Bitmap& tiles, const art_common::ArtFonts& fonts);
// The program's icon, two tiles one on the other, at a size in pixels (32 or 48).
QImage makeIcon(int size);

}  // namespace morvane_art
