#pragma once

#include "orbeni/board/layout_template.h"

namespace orbeni::test {

inline void addBlock(LayoutTemplate& layout, int z, int x0, int y0, int columns, int rows) {
    for (int i = 0; i < columns; ++i) {
        for (int j = 0; j < rows; ++j) {
            layout.set(x0 + 2 * i, y0 + 2 * j, z, 1);
        }
    }
}

// The classic heap: 144 positions on five layers, with the end tiles half a row lower and a top
// tile over four.
inline LayoutTemplate turtleLayout() {
    LayoutTemplate layout;
    const int lengths[8] = {12, 8, 10, 12, 12, 10, 8, 12};
    for (int row = 0; row < 8; ++row) {
        addBlock(layout, 1, 3 + (12 - lengths[row]), 1 + 2 * row, lengths[row], 1);
    }
    layout.set(1, 8, 1, 1);
    layout.set(27, 8, 1, 1);
    layout.set(29, 8, 1, 1);
    addBlock(layout, 2, 9, 3, 6, 6);
    addBlock(layout, 3, 11, 5, 4, 4);
    addBlock(layout, 4, 13, 7, 2, 2);
    layout.set(14, 8, 5, 1);
    return layout;
}

// A stepped pyramid of 144 positions, each tile right over one below.
inline LayoutTemplate pyramidLayout() {
    LayoutTemplate layout;
    addBlock(layout, 1, 1, 1, 12, 6);
    addBlock(layout, 2, 3, 3, 10, 4);
    addBlock(layout, 3, 5, 5, 8, 2);
    addBlock(layout, 4, 9, 5, 4, 2);
    addBlock(layout, 5, 9, 5, 4, 2);
    return layout;
}

// Columns staggered by half a tile on three layers (128 positions).
inline LayoutTemplate staggeredLayout() {
    LayoutTemplate layout;
    for (int column = 0; column < 12; ++column) {
        addBlock(layout, 1, 1 + 2 * column, 1 + column % 2, 1, 6);
        if (column >= 1 && column <= 10) {
            addBlock(layout, 2, 1 + 2 * column, 3 + column % 2, 1, 4);
        }
        if (column >= 2 && column <= 9) {
            addBlock(layout, 3, 1 + 2 * column, 5 + column % 2, 1, 2);
        }
    }
    return layout;
}

}  // namespace orbeni::test
