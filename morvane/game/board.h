#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace morvane {

inline constexpr int kColumns = 40;
inline constexpr int kRows = 40;
inline constexpr int kLayers = 8;
inline constexpr int kHighestColumn = kColumns - 1;
inline constexpr int kHighestRow = kRows - 1;
inline constexpr int kTopLayer = kLayers - 1;

// A board position in half tiles; x = -1 means no position.
struct Position {
    int x = -1;
    int y = 0;
    int z = 0;

    bool isNone() const { return x < 0; }
    friend bool operator==(const Position&, const Position&) = default;
};

inline constexpr Position kNoPosition{};

using TileCode = std::uint8_t;

// One 40 x 40 x 8 grid of bytes, x-major as the game has always stored it.
class Board {
public:
    static constexpr std::size_t kCells = std::size_t{kColumns} * kRows * kLayers;

    static bool contains(int x, int y, int z) {
        return x >= 0 && x < kColumns && y >= 0 && y < kRows && z >= 0 && z < kLayers;
    }
    static bool contains(const Position& p) { return contains(p.x, p.y, p.z); }

    // Cells outside the grid read as empty, so neighbour scans need no bound checks.
    std::uint8_t at(int x, int y, int z) const { return contains(x, y, z) ? m_cells[index(x, y, z)] : 0; }
    std::uint8_t at(const Position& p) const { return at(p.x, p.y, p.z); }
    void set(int x, int y, int z, std::uint8_t value) {
        if (contains(x, y, z)) {
            m_cells[index(x, y, z)] = value;
        }
    }
    void set(const Position& p, std::uint8_t value) { set(p.x, p.y, p.z, value); }
    void clear() { m_cells.fill(0); }

    friend bool operator==(const Board&, const Board&) = default;

private:
    static std::size_t index(int x, int y, int z) {
        return static_cast<std::size_t>(x) * kRows * kLayers + static_cast<std::size_t>(y) * kLayers +
               static_cast<std::size_t>(z);
    }
    std::array<std::uint8_t, kCells> m_cells{};
};

}  // namespace morvane
