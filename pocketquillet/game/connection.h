#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "pocketquillet/game/board.h"

namespace pocketquillet {

// How a pair of stones leaves the board: both towards one edge, or along a free inner path.
enum class PathKind { LeftEdge, RightEdge, TopEdge, BottomEdge, Inner };

// The longest inner chain runs from one corner of the board to the other.
inline constexpr int kMaxChainCells = kColumns + kRows - 1;

// A connection found between the stone just chosen and the stone chosen before it.
struct ConnectionPath {
    PathKind kind = PathKind::Inner;
    Cell chosen;  // the stone just chosen
    Cell before;  // the stone chosen before it
    // The inner path's cells from the chosen stone to the other, both included.
    std::array<Cell, kMaxChainCells> chain{};
    int chainLength = 0;
};

// A pair of matching stones found by the pair search, in the order a player would click them.
struct StonePair {
    Cell first;
    Cell second;
    ConnectionPath path;
};

// Tries the left, right, top and bottom edges and then the inner path; the first that works
// gives the kind. Faces are not compared here.
std::optional<ConnectionPath> findConnection(const BoardGrid& grid, Cell chosen, Cell before);

// The points a connection earns at a points factor.
std::uint32_t pathPoints(const ConnectionPath& path, std::uint32_t factor);

// Finds the first pair that matches and connects, taking the stones row by row from the top
// and each row from the left, and pairing each stone with the later ones.
std::optional<StonePair> findPair(const BoardGrid& grid);

// Whether any two stones on the board have matching faces, connected or not.
bool hasMatchingStones(const BoardGrid& grid);

}  // namespace pocketquillet
