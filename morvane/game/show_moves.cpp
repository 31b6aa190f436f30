#include "morvane/game/show_moves.h"

#include <array>

#include "morvane/game/game.h"
#include "morvane/game/tile_set.h"

namespace morvane {

void ShowMoves::list(const Board& board, const GameSettings& settings,
                     const std::function<bool(const Position&)>& isFree) {
    // Freedom does not change while listing, so each tile is tested once.
    std::array<Position, kMaxTiles> freeTiles{};
    int freeCount = 0;
    for (int x = 0; x <= settings.hlimit; ++x) {
        for (int y = 0; y <= settings.vlimit; ++y) {
            for (int z = 0; z < kLayers && freeCount < kMaxTiles; ++z) {
                const Position tile{x, y, z};
                if (board.at(tile) != 0 && isFree(tile)) {
                    freeTiles[static_cast<std::size_t>(freeCount++)] = tile;
                }
            }
        }
    }
    m_length = 0;
    for (int a = 0; a < freeCount; ++a) {
        for (int b = a + 1; b < freeCount && m_length < kMoveListPairs; ++b) {
            const Position& first = freeTiles[static_cast<std::size_t>(a)];
            const Position& second = freeTiles[static_cast<std::size_t>(b)];
            if (match(settings.tileSet, board.at(first), board.at(second))) {
                m_pairs[static_cast<std::size_t>(m_length++)] = {first, second};
            }
        }
    }
}

bool ShowMoves::step(int by) {
    const int next = m_index + by;
    if (!m_active || next < 0 || next >= m_length) {
        return false;
    }
    m_index = next;
    return true;
}

void Game::toggleIfSet(const Position& tile) {
    if (!tile.isNone()) {
        m_host.toggleHighlight(tile);
    }
}

// Marks the pair the list shows as the selection.
void Game::showShownPair() {
    m_first = m_moves.shown().first;
    m_second = m_moves.shown().second;
    m_host.toggleHighlight(m_first);
    m_host.toggleHighlight(m_second);
}

void Game::showMoves() {
    if (m_moves.active() || m_design.active()) {
        return;
    }
    m_moves.list(m_play, m_settings, [this](const Position& tile) { return isFreeTile(tile); });
    if (m_moves.length() == 0) {
        m_host.messageBox("No moves left", "Sorry", MessageIcon::None, MessageButtons::Ok);
        return;
    }
    m_elapsedSeconds += 30;  // the price of a hint
    m_moves.start();
    toggleIfSet(m_first);
    toggleIfSet(m_second);
    showShownPair();
}

void Game::nextMove() {
    stepShownPair(1);
}

void Game::previousMove() {
    stepShownPair(-1);
}

void Game::stepShownPair(int by) {
    const Position first = m_first;
    const Position second = m_second;
    if (!m_moves.step(by)) {
        return;
    }
    m_host.toggleHighlight(first);
    m_host.toggleHighlight(second);
    showShownPair();
}

void Game::doIt() {
    if (!m_moves.active()) {
        return;
    }
    m_moves.stop();
    removePair(m_first, m_second);
}

void Game::exitShowMoves() {
    if (!m_moves.active()) {
        return;
    }
    m_moves.stop();
    m_host.toggleHighlight(m_first);
    m_host.toggleHighlight(m_second);
    clearSelection();
}

}  // namespace morvane
