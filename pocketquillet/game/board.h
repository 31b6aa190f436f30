#pragma once

#include <array>
#include <cstdint>

namespace pocketquillet {

inline constexpr int kColumns = 18;
inline constexpr int kRows = 8;
// Each column keeps one spare entry below its last row; it always stays empty.
inline constexpr int kColumnEntries = kRows + 1;
inline constexpr int kStoneCount = 144;
inline constexpr int kFaceCount = 42;

// One cell of the board: column x (0..17) and row y (0..7).
struct Cell {
    int x = 0;
    int y = 0;
    friend bool operator==(Cell, Cell) = default;
};

// A cell that is never on the board, for "no stone" in a selection or a search.
inline constexpr Cell kNoCell{-1, -1};

// Whether a cell lies on the 18 x 8 board.
constexpr bool isOnBoard(Cell cell) {
    return cell.x >= 0 && cell.x < kColumns && cell.y >= 0 && cell.y < kRows;
}

// The group a face matches within: its own number for faces 1..34, 35 for the single faces
// 35..38, 39 for 39..42, and 0 for an empty cell or a face that does not exist.
constexpr int matchGroup(int face) {
    if (face < 1 || face > kFaceCount) {
        return 0;
    }
    return face <= 34 ? face : (face <= 38 ? 35 : 39);
}

constexpr bool facesMatch(int first, int second) {
    return matchGroup(first) != 0 && matchGroup(first) == matchGroup(second);
}

// The face numbers of the board, stored column by column; 0 is an empty cell.
class BoardGrid {
public:
    int face(Cell cell) const { return isOnBoard(cell) ? m_faces[index(cell)] : 0; }
    bool isEmpty(Cell cell) const { return face(cell) == 0; }
    void setFace(Cell cell, int face);

    // How many cells hold a stone.
    int stoneCount() const;

private:
    static int index(Cell cell) { return cell.x * kColumnEntries + cell.y; }

    std::array<std::uint8_t, kColumns * kColumnEntries> m_faces{};
};

}  // namespace pocketquillet
