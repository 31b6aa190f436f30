#include "orbeni/board/board.h"

namespace orbeni {

int LayoutTemplate::positionCount() const {
    int count = 0;
    for (const std::uint8_t value : m_cells) {
        count += value != 0 ? 1 : 0;
    }
    return count;
}

std::uint8_t Board::cell(int x, int y, int z) const {
    const int gx = x + kMarginX;
    const int gy = y + kMarginY;
    if (gx < 0 || gx >= kGridColumns || gy < 0 || gy >= kGridRows || z < 0 || z >= kGridLayers) {
        return 0;
    }
    return m_grid[gx][gy][z];
}

void Board::setCell(Position p, std::uint8_t value) {
    if (LayoutTemplate::inside(p.x, p.y, p.z)) {
        m_grid[p.x + kMarginX][p.y + kMarginY][p.z] = value;
    }
}

Position Board::position(int tile) const {
    return tile >= 1 && tile <= kMaxTiles ? m_positions[tile] : Position{};
}

void Board::place(int tile, Position p) {
    if (tile < 1 || tile > kMaxTiles || !LayoutTemplate::inside(p.x, p.y, p.z)) {
        return;
    }
    setCell(p, static_cast<std::uint8_t>(tile));
    m_positions[tile] = p;
}

void Board::remove(int tile) {
    const Position p = position(tile);
    if (p.onBoard() && cell(p) == tile) {
        setCell(p, 0);
    }
    if (tile >= 1 && tile <= kMaxTiles) {
        m_positions[tile] = Position{};
    }
}

void Board::swap(Position a, Position b) {
    const int tileA = cell(a);
    const int tileB = cell(b);
    place(tileA, b);
    place(tileB, a);
}

void Board::clear() {
    m_grid = {};
    clearPositions();
}

bool Board::isFree(Position p, FreeRule rule) const {
    const auto [x, y, z] = p;
    bool before = false;
    bool after = false;
    for (int d = -1; d <= 1; ++d) {
        if (rule == FreeRule::Horizontal) {
            before = before || isOccupied(x - 2, y + d, z);
            after = after || isOccupied(x + 2, y + d, z);
        } else {
            before = before || isOccupied(x + d, y - 2, z);
            after = after || isOccupied(x + d, y + 2, z);
        }
    }
    if (before && after) {
        return false;
    }
    return z == kLayers || hasRoom(x, y, z + 1);
}

bool Board::IsFreeForBuild(Position p) const {
    return p.x != 0 && p.y != 0 && p.z != 0 && isFree(p, FreeRule::Horizontal);
}

// Counts moves as neighbouring pairs of the sorted free list, so three free tiles of one group
// make two moves, not three.
void Board::countFree(FreeRule rule, FreeTiles& result) const {
    result.count = 0;
    result.movesLeft = 0;
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        const Position p = m_positions[tile];
        if ((p.x != 0 || p.y != 0) && isFree(p, rule)) {
            result.list[result.count++] = static_cast<std::uint8_t>(tile);
        }
    }
    for (int k = 0; k + 1 < result.count; ++k) {
        if (matchGroup(result.list[k]) == matchGroup(result.list[k + 1])) {
            ++result.movesLeft;
        }
    }
}

namespace {

// Answers whether a board-relative pixel lies in the drawn image of a tile anchored at (x, y, z).
bool inTileImage(int x, int y, int z, int px, int py) {
    const int left = 20 * x + 6 * z - 52;
    const int top = 25 * y - 6 * z - 59;
    return px >= left && px < left + 46 && py >= top && py < top + 56;
}

}  // namespace

// Scans in drawing order so that the last hit is the tile drawn on top.
int Board::WhatTileThere(int px, int py) const {
    int result = 0;
    for (int z = 1; z <= kLayers; ++z) {
        for (int x = kColumns; x >= 1; --x) {
            for (int y = 1; y <= kRows; ++y) {
                const int tile = cell(x, y, z);
                if (tile != 0 && inTileImage(x, y, z, px, py)) {
                    result = tile;
                }
            }
        }
    }
    return result;
}

bool Board::isSupported(int x, int y, int z) const {
    if (z == 1) {
        return true;
    }
    const int below = z - 1;
    const auto at = [&](int dx, int dy) { return isOccupied(x + dx, y + dy, below); };
    return at(0, 0) || (at(-1, 0) && at(1, 0)) || (at(0, -1) && at(0, 1)) ||
           (at(-1, -1) && at(1, -1) && at(-1, 1) && at(1, 1)) || (at(-1, -1) && at(-1, 1) && at(1, 0)) ||
           (at(1, -1) && at(1, 1) && at(-1, 0)) || (at(-1, -1) && at(1, -1) && at(0, 1)) ||
           (at(-1, 1) && at(1, 1) && at(0, -1));
}

bool Board::hasRoom(int x, int y, int z) const {
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (isOccupied(x + dx, y + dy, z)) {
                return false;
            }
        }
    }
    return true;
}

Position Board::WhatAdd(int px, int py) const {
    Position result;
    for (int z = 1; z <= kLayers; ++z) {
        for (int x = kColumns; x >= 1; --x) {
            for (int y = 1; y <= kRows; ++y) {
                if (canAdd({x, y, z}) && inTileImage(x, y, z, px, py)) {
                    result = Position{x, y, z};
                }
            }
        }
    }
    return result;
}

}  // namespace orbeni
