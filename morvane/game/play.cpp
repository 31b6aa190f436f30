#include "morvane/game/game.h"
#include "morvane/game/tile_set.h"

namespace morvane {

void Game::playClick(const Position& tile) {
    if (m_moves.active() || m_design.active() || !Board::contains(tile) || m_play.at(tile) == 0) {
        return;
    }
    if (!isFreeTile(tile)) {
        playSound(SoundSlot::Unfree);
        return;
    }
    if (m_first.isNone()) {
        playSound(SoundSlot::Select);
        m_host.toggleHighlight(tile);
        m_first = tile;
        return;
    }
    if (tile == m_first) {
        playSound(SoundSlot::Deselect);
        m_host.toggleHighlight(tile);
        m_first = kNoPosition;
        return;
    }
    m_host.toggleHighlight(tile);
    m_second = tile;
    if (match(m_settings.tileSet, m_play.at(m_first), m_play.at(m_second))) {
        removePair(m_first, m_second);
        return;
    }
    playSound(SoundSlot::Mismatch);
    m_host.toggleHighlight(m_first);
    m_host.toggleHighlight(m_second);
    clearSelection();
}

// Takes a highlighted pair off the board into the undo history; the last pair wins the game.
void Game::removePair(const Position& first, const Position& second) {
    playSound(SoundSlot::Match);
    m_host.toggleHighlight(first);
    m_host.toggleHighlight(second);
    if (m_moveCount < kUndoRecords) {
        m_history[static_cast<std::size_t>(m_moveCount++)] = {first, second, m_play.at(first),
                                                              m_play.at(second)};
    }
    m_play.set(first, 0);
    m_play.set(second, 0);
    m_host.repaintTile(first, TileRepaint::Removed);
    m_host.repaintTile(second, TileRepaint::Removed);
    clearSelection();
    m_tilesLeft -= 2;
    if (m_tilesLeft == 0) {
        m_host.stopClock();
        gameWon();
    }
}

void Game::takeBackLastMove() {
    const UndoRecord& record = m_history[static_cast<std::size_t>(--m_moveCount)];
    m_play.set(record.first, record.firstCode);
    m_host.repaintTile(record.first, TileRepaint::Restored);
    m_play.set(record.second, record.secondCode);
    m_host.repaintTile(record.second, TileRepaint::Restored);
    m_tilesLeft += 2;
}

void Game::undo() {
    if (m_moves.active() || m_moveCount == 0) {
        return;
    }
    takeBackLastMove();
    for (int& bookmark : m_bookmarks) {
        if (bookmark > m_moveCount) {
            bookmark = -1;
        }
    }
}

void Game::setBookmark(int bookmark) {
    if (bookmark >= 0 && bookmark < kBookmarks && !m_moves.active() && !m_design.active()) {
        m_bookmarks[static_cast<std::size_t>(bookmark)] = m_moveCount;
    }
}

// Takes moves back to where the bookmark was set; a bookmark is used up by going to it.
void Game::goToBookmark(int bookmark) {
    if (bookmark < 0 || bookmark >= kBookmarks || m_moves.active() || m_design.active()) {
        return;
    }
    int& target = m_bookmarks[static_cast<std::size_t>(bookmark)];
    if (target < 0) {
        return;
    }
    while (m_moveCount > target) {
        takeBackLastMove();
    }
    target = -1;
}

}  // namespace morvane
