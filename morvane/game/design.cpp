#include <algorithm>
#include <cstdio>

#include "morvane/game/game.h"
#include "morvane/game/layout.h"
#include "morvane/game/program_info.h"
#include "morvane/game/tile_set.h"
#include "morvane/gamefile/game_file.h"
#include "platform/profile/profile.h"

namespace morvane {

namespace {

constexpr const char* kTemporaryGameFile = "temp.rvq";

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

void Game::enterDesignMode() {
    if (m_designMode || m_showMoves) {
        return;
    }
    m_cursor = DesignCursor{};
    m_designMode = true;
    m_tool = DesignTool::Insert;
    m_spaceCount = countSpaces(m_settings.layout);
    m_host.repaintAll();
}

// Adds a space on top of everything it overlaps; nothing when that would be above layer 7.
bool Game::insertSpace(int column, int row) {
    const int layer = topOverlappedLayer(m_settings.layout, column, row) + 1;
    if (layer > kTopLayer) {
        return false;
    }
    m_settings.layout.set(column, row, layer, 1);
    ++m_spaceCount;
    return true;
}

bool Game::removeSpace(int column, int row) {
    const int layer = topSpaceLayer(m_settings.layout, column, row);
    if (layer < 0) {
        return false;
    }
    m_settings.layout.set(column, row, layer, 0);
    --m_spaceCount;
    return true;
}

void Game::designClick(int column, int row, MouseButton button) {
    // A space anchored in the last column or row would reach beyond the board.
    if (!m_designMode || column < 0 || row < 0 || column > kHighestColumn - 1 || row > kHighestRow - 1) {
        return;
    }
    m_settings.layoutIsDefault = false;
    const bool inserting = (m_tool == DesignTool::Insert) == (button == MouseButton::Left);
    const bool changed = inserting ? insertSpace(column, row) : removeSpace(column, row);
    if (changed || inserting) {
        m_host.repaintDesignCell(column, row);
    }
}

const DesignCursor& Game::moveDesignCursor(int column, int row) {
    m_cursor.column = std::clamp(column, 0, kHighestColumn);
    m_cursor.row = std::clamp(row, 0, kHighestRow);
    m_cursor.height = topSpaceLayer(m_settings.layout, m_cursor.column, m_cursor.row) + 1;
    return m_cursor;
}

void Game::shift(ShiftDirection direction) {
    if (!m_designMode) {
        return;
    }
    shiftLayout(m_settings.layout, direction);
    m_spaceCount = countSpaces(m_settings.layout);
    m_settings.layoutIsDefault = false;
    m_host.repaintAll();
}

void Game::clearBoard() {
    if (!m_designMode) {
        return;
    }
    m_settings.layout.clear();
    m_settings.layoutIsDefault = false;
    m_spaceCount = 0;
    m_host.repaintAll();
}

bool Game::saveGame(const std::filesystem::path& file) {
    recomputeLimits(m_settings);
    if (writeGameFile(file, m_settings)) {
        return true;
    }
    m_host.messageBox("The game could not be saved to " + file.string(), kApplicationTitle,
                      MessageIcon::Exclamation, MessageButtons::Ok);
    return false;
}

// Writes the design to the work file in the current folder, else in the settings folder; empty
// when neither can be written.
std::filesystem::path Game::writeTemporaryGame() {
    const std::filesystem::path places[] = {
        std::filesystem::path(".") / kTemporaryGameFile,
        platform::Profile(kTemporaryGameFile, kSettingsFolderName).path()};
    for (const std::filesystem::path& place : places) {
        if (writeGameFile(place, m_settings)) {
            return place;
        }
    }
    return {};
}

void Game::exitDesignMode() {
    if (!m_designMode) {
        return;
    }
    const int spaces = countSpaces(m_settings.layout);
    const int tiles = countTiles(m_settings.tileSet);
    if (tiles != spaces) {
        char text[96];
        std::snprintf(
            text, sizeof text,
            tiles < spaces ? "Not enough tiles: %d tiles, %d spaces" : "Too Many tiles: %d tiles, %d spaces",
            tiles, spaces);
        if (m_host.messageBox(text, "Warning", MessageIcon::None, MessageButtons::OkCancel) ==
            MessageAnswer::Cancel) {
            return;
        }
    }
    m_designMode = false;
    recomputeLimits(m_settings);
    const std::filesystem::path file = writeTemporaryGame();
    if (!file.empty()) {
        // The design keeps the pictures and sounds of the game it was made from.
        readGameFileFrom(file, m_gameFolder);
    } else {
        // Nowhere to write: the design in memory is what the file would have given back.
        newGame();
    }
    clearBookmarks();
    m_gameName.clear();
}

}  // namespace morvane
