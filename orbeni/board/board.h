#pragma once

#include <array>
#include <cstdint>

#include "orbeni/board/layout_template.h"
#include "orbeni/board/tiles.h"

namespace orbeni {

// A tile's anchor cell; (0, 0, 0) is off the board.
struct Position {
    int x = 0;
    int y = 0;
    int z = 0;
    bool onBoard() const { return x > 0 && y > 0 && z > 0; }
    bool operator==(const Position&) const = default;
};

// Marks a layout position that a deal still has to fill.
inline constexpr std::uint8_t kReservedCell = 155;

inline constexpr int kBoardOffsetX = 36;
inline constexpr int kBoardOffsetY = 25;

enum class FreeRule { Horizontal, Vertical };

// The free tiles of a board in ascending order and the moves among them.
struct FreeTiles {
    std::array<std::uint8_t, kMaxTiles> list{};
    int count = 0;
    int movesLeft = 0;
};

// The board grid and the tile position table, always in agreement, with an empty margin around
// the playing area so that every neighbour test reads a cell that exists.
class Board {
public:
    std::uint8_t cell(int x, int y, int z) const;
    std::uint8_t cell(Position p) const { return cell(p.x, p.y, p.z); }
    // Writes a grid cell without a tile table entry (reserved markers while dealing).
    void setCell(Position p, std::uint8_t value);
    Position position(int tile) const;

    // Puts a tile at p, in the grid and the table.
    void place(int tile, Position p);
    // Takes a tile off the board, in the grid and the table.
    void remove(int tile);
    // Swaps the two tiles anchored at a and b.
    void swap(Position a, Position b);
    // Empties the playing area and the tile table.
    void clear();
    void clearPositions() { m_positions.fill(Position{}); }
    bool operator==(const Board&) const = default;

    // Answers whether the tile anchored at p could be picked: not blocked on both sides under
    // the rule and not covered by anything on the layer above.
    bool isFree(Position p, FreeRule rule) const;
    // Answers the horizontal free rule on coordinates, counting reserved cells as tiles.
    bool IsFreeForBuild(Position p) const;
    // Fills the free list of the tiles on the board.
    void countFree(FreeRule rule, FreeTiles& result) const;

    // The tile whose drawn image holds the board-relative pixel, 0 for none.
    int WhatTileThere(int px, int py) const;
    // The place under the pixel where the editor may add a tile, (0, 0, 0) for none.
    Position WhatAdd(int px, int py) const;
    // Answers whether the layer below carries a tile at p: right under it, across two halves,
    // on four corners, or on two corners and the opposite side.
    bool isSupported(Position p) const { return isSupported(p.x, p.y, p.z); }
    // Answers whether the editor may add a tile at p: carried from below, clear of its layer.
    bool canAdd(Position p) const { return isSupported(p.x, p.y, p.z) && hasRoom(p.x, p.y, p.z); }

private:
    static constexpr int kMarginX = 2;
    static constexpr int kMarginY = 2;
    static constexpr int kGridColumns = kColumns + 2 * kMarginX + 1;
    static constexpr int kGridRows = kRows + 2 * kMarginY + 1;
    static constexpr int kGridLayers = kLayers + 2;

    bool isOccupied(int x, int y, int z) const { return cell(x, y, z) != 0; }
    bool isSupported(int x, int y, int z) const;
    bool hasRoom(int x, int y, int z) const;

    std::array<std::array<std::array<std::uint8_t, kGridLayers>, kGridRows>, kGridColumns> m_grid{};
    std::array<Position, kMaxTiles + 1> m_positions{};
};

// The pixel column of a tile's face corner at (column, layer), both 0-based.
constexpr int CoordX(int column, int layer) {
    return 20 * column + 6 * layer - 20 + kBoardOffsetX;
}
// The pixel row of a tile's face corner at (row, layer), both 0-based.
constexpr int CoordY(int row, int layer) {
    return 25 * row - 6 * layer - 40 + kBoardOffsetY;
}

}  // namespace orbeni
