#include "orbeni/game/game.h"

namespace orbeni {

void Game::ButtonDown(MouseButton button, int mouseX, int mouseY) {
    if (m_gameStopped || m_boardFinished || m_gamePaused || m_riverPathFound) {
        return;
    }
    const int px = mouseX - kBoardOffsetX;
    const int py = mouseY - kBoardOffsetY;
    if (button == MouseButton::Right && !m_editorMode) {
        m_firstTile = m_secondTile = m_hintTileA = m_hintTileB = 0;
        redrawBoard();
        return;
    }
    ChoisitPai(px, py, px / 20, py / 25);
}

// Selects the clicked tile, unselects it on a second click, and removes a matching pair.
void Game::ChoisitPai(int px, int py, int column, int row) {
    if (m_editorMode) {
        return;
    }
    const int clicked = column >= kColumns + 1 || row >= kRows + 1 ? 0 : m_board.WhatTileThere(px, py);
    if (clicked != 0) {
        if (!isFree(clicked)) {
            playSound(Sound::NoWay);
        } else {
            if (m_firstTile == 0) {
                m_firstTile = clicked;
            } else if (clicked == m_firstTile) {
                m_firstTile = m_secondTile = 0;
            } else {
                m_secondTile = clicked;
            }
            playSound(Sound::Select);
            redrawTile(clicked);
        }
    }
    if (m_firstTile == 0 || m_secondTile == 0) {
        return;
    }
    if (matchGroup(m_firstTile) != matchGroup(m_secondTile)) {
        unselectFirst();
    } else if (m_riversMode) {
        removeRiversPair();
    } else {
        removePair(m_board.position(m_firstTile));
        warnIfLost();
    }
}

// Takes the selected pair off the board into the move history; the first tile is recorded at
// `firstPlace`, where it stood when it was picked.
void Game::removePair(Position firstPlace) {
    const Position firstNow = m_board.position(m_firstTile);
    const Position secondPlace = m_board.position(m_secondTile);
    m_history[static_cast<std::size_t>(kMaxTiles - m_tilesLeft)] = HistoryEntry{m_firstTile, firstPlace};
    m_history[static_cast<std::size_t>(kMaxTiles + 1 - m_tilesLeft)] =
        HistoryEntry{m_secondTile, secondPlace};
    m_board.remove(m_firstTile);
    m_board.remove(m_secondTile);
    m_host.redrawTile(m_firstTile, firstNow);
    m_host.redrawTile(m_secondTile, secondPlace);
    m_firstTile = m_secondTile = 0;
    m_tilesLeft -= 2;
    playSound(Sound::Done);
}

void Game::unselectFirst() {
    const int previous = m_firstTile;
    m_firstTile = m_secondTile;
    m_secondTile = 0;
    redrawTile(previous);
}

void Game::BackHistory() {
    if (m_tilesLeft >= m_tilesTotal) {
        return;
    }
    m_tilesLeft += 2;
    m_firstTile = m_secondTile = m_hintTileA = m_hintTileB = 0;
    for (int index = kMaxTiles - m_tilesLeft; index <= kMaxTiles + 1 - m_tilesLeft; ++index) {
        const HistoryEntry& removed = m_history[static_cast<std::size_t>(index)];
        m_board.place(removed.tile, removed.place);
    }
}

void Game::GoBack() {
    if (!m_editorMode) {
        BackHistory();
    }
    redrawBoard();
}

void Game::Back() {
    if (m_boardFinished || m_gameStopped || m_gamePaused || m_editorMode || m_tilesLeft == 0 ||
        m_tilesLeft == m_tilesTotal) {
        return;
    }
    GoBack();
}

// Brings back the dealt board, also after shuffles, and starts the clock again.
void Game::Restart() {
    const bool untouched = m_tilesLeft == m_tilesTotal && m_board == m_dealtBoard;
    if (m_tilesLeft == 0 || untouched || m_editorMode || m_gamePaused || m_gameStopped || m_boardFinished) {
        return;
    }
    m_board = m_dealtBoard;
    m_tilesLeft = m_tilesTotal;
    m_firstTile = m_secondTile = m_hintTileA = m_hintTileB = 0;
    m_noMovesShown = false;
    redrawBoard();
    m_elapsedSeconds = m_penaltySeconds = 0;
    m_pauseElapsed = 0;
    m_startTick = m_host.tickMilliseconds();
    ShowStatus("Game restarted.");
}

}  // namespace orbeni
