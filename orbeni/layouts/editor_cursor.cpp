#include "orbeni/layouts/editor_cursor.h"

#include <algorithm>

namespace orbeni {

void EditorCursor::show() {
    m_shown = true;
    if (m_x != 0) {
        return;
    }
    m_x = kColumns / 2;
    m_y = kRows / 2 - 1;
    for (int y = 1; y <= kRows; ++y) {
        for (int x = 1; x <= kColumns; ++x) {
            for (int z = 1; z <= kLayers; ++z) {
                if (const int tile = m_board.cell(x, y, z); tile >= 1 && tile <= kMaxTiles) {
                    m_x = x;
                    m_y = y;
                    return;
                }
            }
        }
    }
}

void EditorCursor::move(Direction direction, EditorStep step) {
    if (!m_shown) {
        return;
    }
    const int cells = static_cast<int>(step);
    switch (direction) {
        case Direction::Left:
            m_x = std::max(1, m_x - cells);
            break;
        case Direction::Right:
            m_x = std::min(kColumns, m_x + cells);
            break;
        case Direction::Up:
            m_y = std::max(1, m_y - cells);
            break;
        case Direction::Down:
            m_y = std::min(kRows, m_y + cells);
            break;
    }
}

Position EditorCursor::placeTarget() const {
    for (int z = kLayers; z >= 1 && m_shown; --z) {
        if (m_board.canAdd({m_x, m_y, z})) {
            return {m_x, m_y, z};
        }
    }
    return {};
}

int EditorCursor::topTile() const {
    for (int z = kLayers; z >= 1 && m_shown; --z) {
        if (const int tile = m_board.cell(m_x, m_y, z); tile >= 1 && tile <= kMaxTiles) {
            return tile;
        }
    }
    return 0;
}

Position EditorCursor::markPlace() const {
    if (!m_shown) {
        return {};
    }
    if (const int tile = topTile(); tile != 0) {
        return m_board.position(tile);
    }
    const Position target = placeTarget();
    return target.onBoard() ? target : Position{m_x, m_y, 1};
}

}  // namespace orbeni
