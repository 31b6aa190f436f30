#pragma once

#include <array>
#include <cstdint>

namespace orbeni {

inline constexpr int kColumns = 34;
inline constexpr int kRows = 20;
inline constexpr int kLayers = 5;

// The tile positions of a layout: one byte per half-tile cell, 1 where a tile has its top-left
// quarter. Deals fill it with tiles; layout files and the editor write it.
class LayoutTemplate {
public:
    // The cell at (x, y, z), 1-based; 0 outside the layout's area.
    std::uint8_t at(int x, int y, int z) const { return inside(x, y, z) ? m_cells[index(x, y, z)] : 0; }
    void set(int x, int y, int z, std::uint8_t value) {
        if (inside(x, y, z)) {
            m_cells[index(x, y, z)] = value;
        }
    }
    void clear() { m_cells.fill(0); }
    bool operator==(const LayoutTemplate&) const = default;
    // The number of tile positions (nonzero cells).
    int positionCount() const;

    static bool inside(int x, int y, int z) {
        return x >= 1 && x <= kColumns && y >= 1 && y <= kRows && z >= 1 && z <= kLayers;
    }

private:
    static int index(int x, int y, int z) { return ((z - 1) * kRows + (y - 1)) * kColumns + (x - 1); }

    std::array<std::uint8_t, kLayers * kRows * kColumns> m_cells{};
};

}  // namespace orbeni
