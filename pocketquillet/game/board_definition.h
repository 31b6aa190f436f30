#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "pocketquillet/game/board.h"

namespace pocketquillet {

class ProfileAccess;
class RandomSource;

// Which cells of a board receive a stone: one value per cell, 0 for none.
using LaneMask = std::array<std::array<std::uint8_t, kColumns>, kRows>;

// The smallest box of columns and rows that holds every cell of the mask: first column, last
// column + 1, first row, last row + 1.
struct BoardExtent {
    int firstColumn = 0;
    int endColumn = kColumns;
    int firstRow = 0;
    int endRow = kRows;

    int columns() const { return endColumn - firstColumn; }
    int rows() const { return endRow - firstRow; }
    friend bool operator==(const BoardExtent&, const BoardExtent&) = default;
};

// Size in pixels of one face picture in the stone bitmap.
struct StoneSize {
    int width = 25;
    int height = 25;
};

// What one board of the settings file says: its cells, where its stones start in the face
// sequence, and its stone pictures.
struct BoardDefinition {
    LaneMask lanes{};
    int startStone = 1;
    StoneSize stoneSize;
};

// Whether a board's own lanes are used or every cell receives a stone (Solitaire).
enum class Lanes { FromDefinition, AllCells };

// The face at one entry (0..143) of the fixed face sequence the deal draws from:
// 1,1,1,1, 2,2,2,2, ..., 34,34,34,34, 35, 36, ..., 42.
constexpr int faceSequenceEntry(int entry) {
    return entry < 136 ? entry / 4 + 1 : 35 + (entry - 136);
}

// Turns lane strings into a mask: character code minus '0' per cell; missing characters of a
// short lane are empty cells.
LaneMask laneMaskFrom(const std::array<std::u16string, kRows>& lanes);

BoardExtent extentOf(const LaneMask& lanes);
int stoneCellCount(const LaneMask& lanes);

// The number of boards in the settings; at least 1.
int maxBoards(const ProfileAccess& profile);

// Looks up board boardIndex + 1 ("Board1", ...) with its stone set.
BoardDefinition loadBoard(const ProfileAccess& profile, int boardIndex, Lanes lanes);

// Fills the grid from a board definition, drawing each stone without repetition from the
// window of the face sequence that starts at StartStone; returns the number of stones placed.
int dealStones(BoardGrid& grid, const BoardDefinition& board, RandomSource& random);

}  // namespace pocketquillet
