#pragma once

#include <optional>

#include "morvane/game/board.h"
#include "morvane/game/host.h"
#include "platform/bitmap/bitmap.h"

namespace morvane {

inline constexpr int kViewMargin = 10;  // mx and my

// The size of one tile image in the tile bitmap and the width of its 3-D edge (W, H, D).
struct TileImageSize {
    int width = 0;
    int height = 0;
    int depth = 0;
};

// Where the play board lies in a client area of a given size: the tile images are scaled so that
// the board fills the window with three half tiles to spare, and centred across the other way.
class PlayGeometry {
public:
    PlayGeometry(int clientWidth, int clientHeight, int hlimit, int vlimit, TileImageSize tile);

    float scale() const { return m_scale; }
    bool scaledByHeight() const { return m_byHeight; }
    int tileWidth() const { return m_tileWidth; }    // W'
    int tileHeight() const { return m_tileHeight; }  // H'
    int depth() const { return m_depth; }            // D'
    int originX() const { return m_originX; }
    int originY() const { return m_originY; }
    int columnStep() const { return m_columnStep; }  // cx
    int rowStep() const { return m_rowStep; }        // cy

    // The top-left corner a tile's image is drawn at: shifted right and up by D' per layer.
    platform::Rect imageRect(const Position& tile) const;
    // The face without its left and bottom edges: what a click hits and a selection inverts.
    platform::Rect faceRect(const Position& tile) const;
    // The area to paint again after a tile left (larger: the tiles it uncovered) or came back.
    platform::Rect repaintRect(const Position& tile, TileRepaint kind) const;

private:
    bool m_byHeight = false;
    float m_scale = 0.0f;
    int m_tileWidth = 0;
    int m_tileHeight = 0;
    int m_depth = 0;
    int m_originX = 0;
    int m_originY = 0;
    int m_columnStep = 0;
    int m_rowStep = 0;
};

// The tile whose face holds the point strictly inside, highest layer first; none between faces,
// on a face's border line or in the margins.
std::optional<Position> hitTest(const Board& play, int hlimit, int vlimit, const PlayGeometry& geometry,
                                int px, int py);

// The 40 x 40 grid of design mode over a client area.
class DesignGeometry {
public:
    DesignGeometry(int clientWidth, int clientHeight)
        : m_cellWidth(clientWidth / kColumns), m_cellHeight(clientHeight / kRows) {}

    int cellWidth() const { return m_cellWidth; }
    int cellHeight() const { return m_cellHeight; }

    // The grid cell under a point, unclipped: a click beyond the grid is for the game to refuse.
    int columnAt(int px) const { return m_cellWidth > 0 ? px / m_cellWidth : kColumns; }
    int rowAt(int py) const { return m_cellHeight > 0 ? py / m_cellHeight : kRows; }

    // The marker of a space anchored at a cell, lifted 4 pixels right and up per layer; the
    // cursor's outline of the next space uses the same rectangle at the stack's height.
    platform::Rect markerRect(int column, int row, int layer) const;
    // The area to paint again after a click at a cell: the space there and those around it.
    platform::Rect clickRepaintRect(int column, int row) const;

private:
    int m_cellWidth;
    int m_cellHeight;
};

}  // namespace morvane
