#include <algorithm>
#include <array>

#include "morvane/game/game.h"
#include "morvane/game/tile_set.h"

namespace morvane {

// Lists every free matching pair in board order (x, then y, then z), the first 500 of them.
void Game::buildMoveList() {
    // Freedom does not change while listing, so each tile is tested once.
    std::array<Position, kMaxTiles> freeTiles{};
    int freeCount = 0;
    for (int x = 0; x <= m_settings.hlimit; ++x) {
        for (int y = 0; y <= m_settings.vlimit; ++y) {
            for (int z = 0; z < kLayers && freeCount < kMaxTiles; ++z) {
                const Position tile{x, y, z};
                if (m_play.at(tile) != 0 && isFreeTile(tile)) {
                    freeTiles[static_cast<std::size_t>(freeCount++)] = tile;
                }
            }
        }
    }
    m_moveListLength = 0;
    for (int a = 0; a < freeCount; ++a) {
        for (int b = a + 1; b < freeCount && m_moveListLength < kMoveListPairs; ++b) {
            const Position& first = freeTiles[static_cast<std::size_t>(a)];
            const Position& second = freeTiles[static_cast<std::size_t>(b)];
            if (match(m_settings.tileSet, m_play.at(first), m_play.at(second))) {
                m_moveList[static_cast<std::size_t>(m_moveListLength++)] = {first, second};
            }
        }
    }
}

void Game::toggleIfSet(const Position& tile) {
    if (!tile.isNone()) {
        m_host.toggleHighlight(tile);
    }
}

void Game::showPair(int index) {
    m_moveIndex = index;
    m_first = m_moveList[static_cast<std::size_t>(index)].first;
    m_second = m_moveList[static_cast<std::size_t>(index)].second;
    m_host.toggleHighlight(m_first);
    m_host.toggleHighlight(m_second);
}

void Game::showMoves() {
    if (m_showMoves || m_design.active()) {
        return;
    }
    buildMoveList();
    if (m_moveListLength == 0) {
        m_host.messageBox("No moves left", "Sorry", MessageIcon::None, MessageButtons::Ok);
        return;
    }
    m_elapsedSeconds += 30;  // the price of a hint
    m_showMoves = true;
    toggleIfSet(m_first);
    toggleIfSet(m_second);
    showPair(0);
}

void Game::nextMove() {
    if (!m_showMoves || m_moveIndex + 1 >= m_moveListLength) {
        return;
    }
    m_host.toggleHighlight(m_first);
    m_host.toggleHighlight(m_second);
    showPair(m_moveIndex + 1);
}

void Game::previousMove() {
    if (!m_showMoves || m_moveIndex == 0) {
        return;
    }
    m_host.toggleHighlight(m_first);
    m_host.toggleHighlight(m_second);
    showPair(m_moveIndex - 1);
}

void Game::doIt() {
    if (!m_showMoves) {
        return;
    }
    m_showMoves = false;
    removePair(m_first, m_second);
}

void Game::exitShowMoves() {
    if (!m_showMoves) {
        return;
    }
    m_showMoves = false;
    m_host.toggleHighlight(m_first);
    m_host.toggleHighlight(m_second);
    clearSelection();
}

}  // namespace morvane
