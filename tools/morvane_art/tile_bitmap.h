#pragma once

#include <QColor>
#include <vector>

#include "common/fonts.h"
#include "common/symbols.h"
#include "platform/bitmap/bitmap.h"

namespace morvane_art {

// The look of one tile set: the size of a tile image with its 3-D edge, the table colour the
// window fills behind the board, and the colours of the tile's body.
struct TileStyle {
    int width = 44;
    int height = 59;
    int depth = 6;
    QColor table;
    QColor face;
    QColor faceShade;  // the face's rim where it turns into the edges
    QColor bone;       // the layer of the edge next to the face
    QColor back;       // the outer layer of the edge
    QColor outline;
    art_common::Inks inks;
    // Symbols are laid without smoothing when the picture keeps only 16 colours, so that their
    // edges do not turn into stray colours.
    bool hardEdges = false;
};

// One image row of the bitmap: a group of the tile set, members along the row.
struct GroupRow {
    art_common::SymbolFamily family;
    int members;
};

// Draws the tile bitmap of a set: group g is image row g, member m image column m, every
// image a tile with its face and left edge above and its bottom edge in the lowest rows. The
// rest of the picture is table colour, whose pixel (0, 0) the window paints the table with.
platform::Bitmap makeTileBitmap(const TileStyle& style, const std::vector<GroupRow>& groups, int bitmapWidth,
                                int bitmapHeight, const art_common::ArtFonts& fonts);

}  // namespace morvane_art
