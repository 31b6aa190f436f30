#include "morvane/game/layout_design.h"

#include <algorithm>
#include <cstdio>

#include "morvane/game/tile_set.h"

namespace morvane {

namespace {

// The highest layer with a space anchored exactly at the cell, or -1.
int topSpaceLayer(const Board& layout, int column, int row) {
    for (int z = kTopLayer; z >= 0; --z) {
        if (layout.at(column, row, z) == 1) {
            return z;
        }
    }
    return -1;
}

// The highest layer with a space that a new space at the cell would overlap, or -1.
int topOverlappedLayer(const Board& layout, int column, int row) {
    for (int z = kTopLayer; z >= 0; --z) {
        for (int x = column - 1; x <= column + 1; ++x) {
            for (int y = row - 1; y <= row + 1; ++y) {
                if (layout.at(x, y, z) == 1) {
                    return z;
                }
            }
        }
    }
    return -1;
}

}  // namespace

void LayoutDesign::enter() {
    m_cursor = DesignCursor{};
    m_active = true;
    m_tool = DesignTool::Insert;
    countLayoutSpaces();
    m_host.repaintAll();
}

void LayoutDesign::countLayoutSpaces() {
    m_spaceCount = countSpaces(m_settings.layout);
}

// Adds a space on top of everything it overlaps; nothing when that would be above layer 7.
bool LayoutDesign::insertSpace(int column, int row) {
    const int layer = topOverlappedLayer(m_settings.layout, column, row) + 1;
    if (layer > kTopLayer) {
        return false;
    }
    m_settings.layout.set(column, row, layer, 1);
    ++m_spaceCount;
    return true;
}

bool LayoutDesign::removeSpace(int column, int row) {
    const int layer = topSpaceLayer(m_settings.layout, column, row);
    if (layer < 0) {
        return false;
    }
    m_settings.layout.set(column, row, layer, 0);
    --m_spaceCount;
    return true;
}

void LayoutDesign::click(int column, int row, MouseButton button) {
    // A space anchored in the last column or row would reach beyond the board.
    if (!m_active || column < 0 || row < 0 || column > kHighestColumn - 1 || row > kHighestRow - 1) {
        return;
    }
    m_settings.layoutIsDefault = false;
    const bool inserting = (m_tool == DesignTool::Insert) == (button == MouseButton::Left);
    const bool changed = inserting ? insertSpace(column, row) : removeSpace(column, row);
    if (changed || inserting) {
        m_host.repaintDesignCell(column, row);
    }
}

const DesignCursor& LayoutDesign::moveCursor(int column, int row) {
    m_cursor.column = std::clamp(column, 0, kHighestColumn);
    m_cursor.row = std::clamp(row, 0, kHighestRow);
    m_cursor.height = topSpaceLayer(m_settings.layout, m_cursor.column, m_cursor.row) + 1;
    return m_cursor;
}

void LayoutDesign::shift(ShiftDirection direction) {
    if (!m_active) {
        return;
    }
    shiftLayout(m_settings.layout, direction);
    countLayoutSpaces();
    m_settings.layoutIsDefault = false;
    m_host.repaintAll();
}

void LayoutDesign::clear() {
    if (!m_active) {
        return;
    }
    m_settings.layout.clear();
    m_settings.layoutIsDefault = false;
    m_spaceCount = 0;
    m_host.repaintAll();
}

std::string LayoutDesign::cursorText() const {
    char text[32];
    std::snprintf(text, sizeof text, "%02d - %02d - %02d", m_cursor.column, m_cursor.row, m_cursor.height);
    return text;
}

std::optional<std::string> LayoutDesign::tileCountWarning() const {
    const int spaces = countSpaces(m_settings.layout);
    const int tiles = countTiles(m_settings.tileSet);
    if (tiles == spaces) {
        return std::nullopt;
    }
    char text[96];
    std::snprintf(
        text, sizeof text,
        tiles < spaces ? "Not enough tiles: %d tiles, %d spaces" : "Too Many tiles: %d tiles, %d spaces",
        tiles, spaces);
    return text;
}

}  // namespace morvane
