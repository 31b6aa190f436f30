#include "morvane/game/layout.h"

#include <algorithm>
#include <string_view>

namespace morvane {

namespace {

struct LayoutRow {
    int y;
    int z;
    std::string_view cells;
};

// The built-in layout as the row strings a game file would hold.
constexpr LayoutRow kBuiltInRows[] = {
    {0, 0, "00101010101010101010101010000"},  {2, 0, "00000010101010101010100000000"},
    {4, 0, "00001010101010101010101000000"},  {6, 0, "00101010101010101010101010000"},
    {7, 0, "10000000000000000000000000101"},  {8, 0, "00101010101010101010101010000"},
    {10, 0, "00001010101010101010101000000"}, {12, 0, "00000010101010101010100000000"},
    {14, 0, "00101010101010101010101010000"}, {2, 1, "00000000101010101010000000000"},
    {4, 1, "00000000101010101010000000000"},  {6, 1, "00000000101010101010000000000"},
    {8, 1, "00000000101010101010000000000"},  {10, 1, "00000000101010101010000000000"},
    {12, 1, "00000000101010101010000000000"}, {4, 2, "00000000001010101000000000000"},
    {6, 2, "00000000001010101000000000000"},  {8, 2, "00000000001010101000000000000"},
    {10, 2, "00000000001010101000000000000"}, {6, 3, "00000000000010100000000000000"},
    {8, 3, "00000000000010100000000000000"},  {7, 4, "00000000000001000000000000000"},
};

// Gives cell (x, y, z) the contents of (fromX, fromY, z); a source past the edge reads empty.
void copyCell(Board& layout, int x, int y, int z, int fromX, int fromY) {
    layout.set(x, y, z, layout.at(fromX, fromY, z));
}

}  // namespace

void buildBuiltInLayout(GameSettings& settings) {
    settings.layout.clear();
    for (const LayoutRow& row : kBuiltInRows) {
        for (std::size_t x = 0; x < row.cells.size(); ++x) {
            settings.layout.set(static_cast<int>(x), row.y, row.z, row.cells[x] == '1' ? 1 : 0);
        }
    }
    recomputeLimits(settings);
}

void recomputeLimits(GameSettings& settings) {
    settings.hlimit = 0;
    settings.vlimit = 0;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            for (int z = 0; z < kLayers; ++z) {
                if (settings.layout.at(x, y, z) == 1) {
                    settings.hlimit = std::max(settings.hlimit, x);
                    settings.vlimit = std::max(settings.vlimit, y);
                }
            }
        }
    }
}

int countSpaces(const Board& layout) {
    int spaces = 0;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            for (int z = 0; z < kLayers; ++z) {
                spaces += layout.at(x, y, z) == 1 ? 1 : 0;
            }
        }
    }
    return spaces;
}

void shiftLayout(Board& layout, ShiftDirection direction) {
    for (int z = 0; z < kLayers; ++z) {
        for (int i = 0; i < kColumns; ++i) {
            for (int j = 0; j < kRows; ++j) {
                // Walk against the shift so every cell is read before it is overwritten.
                switch (direction) {
                    case ShiftDirection::Right:
                        copyCell(layout, kHighestColumn - i, j, z, kHighestColumn - i - 1, j);
                        break;
                    case ShiftDirection::Left:
                        copyCell(layout, i, j, z, i + 1, j);
                        break;
                    case ShiftDirection::Up:
                        copyCell(layout, i, j, z, i, j + 1);
                        break;
                    case ShiftDirection::Down:
                        copyCell(layout, i, kHighestRow - j, z, i, kHighestRow - j - 1);
                        break;
                }
            }
        }
    }
}

}  // namespace morvane
