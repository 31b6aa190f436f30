#include "orbeni/game/game.h"
#include "orbeni/game/program_info.h"

namespace orbeni {

void Game::ButtonDown(MouseButton button, int mouseX, int mouseY) {
    if (!m_phase.inPlay() || m_rivers.RiverPathFound()) {
        return;
    }
    const int px = mouseX - kBoardOffsetX;
    const int py = mouseY - kBoardOffsetY;
    if (button == MouseButton::Right && !m_phase.editor()) {
        m_play.unselectAll();
        redrawBoard();
        return;
    }
    ChoisitPai(px, py, px / 20, py / 25);
}

// Selects the clicked tile, unselects it on a second click, and removes a matching pair.
void Game::ChoisitPai(int px, int py, int column, int row) {
    if (m_phase.editor()) {
        return;
    }
    const int clicked = column >= kColumns + 1 || row >= kRows + 1 ? 0 : m_play.board().WhatTileThere(px, py);
    if (clicked != 0) {
        m_play.pick(clicked);
    }
    if (!m_play.pairSelected()) {
        return;
    }
    if (!m_play.selectionMatches()) {
        m_play.unselectFirst();
    } else if (m_phase.rivers()) {
        m_rivers.join();
    } else {
        m_play.removePair(m_play.board().position(m_play.FirstTile()));
        m_playback.warnIfLost();
    }
}

void Game::GoBack() {
    if (!m_phase.editor()) {
        m_play.BackHistory();
    }
    redrawBoard();
}

void Game::Back() {
    const int tilesLeft = m_play.TilesLeft();
    if (!m_phase.inPlay() || m_phase.editor() || tilesLeft == 0 || tilesLeft == m_play.TilesTotal()) {
        return;
    }
    GoBack();
}

// Brings back the dealt board, also after shuffles, and starts the clock again.
void Game::Restart() {
    if (m_play.TilesLeft() == 0 || m_play.untouched() || m_phase.editor() || !m_phase.inPlay()) {
        return;
    }
    m_play.Restart();
    m_status.clearNoMoreMoves();
    redrawBoard();
    m_clock.reset();
    m_clock.start();
    ShowStatus("Game restarted.");
}

// Shows the next available pair, walking through them in free-list order; in Rivers, the next
// pair a river joins.
void Game::Hint() {
    if (!m_phase.inPlay()) {
        return;
    }
    if (m_phase.rivers() ? m_rivers.Hint() : m_play.Hint(m_playback.pairKeepingWinnable())) {
        redrawBoard();
    }
}

void Game::Shuffle1Click() {
    if (!m_phase.inPlay()) {
        return;
    }
    m_play.unselectAll();
    if (m_phase.rivers()) {
        m_rivers.Shuffle();
    } else {
        m_play.Shuffle();
    }
    redrawBoard();
    m_host.processPendingEvents();
}

void Game::PauseClick() {
    if (!m_phase.clockRuns()) {
        return;
    }
    if (!m_phase.paused()) {
        m_phase.setPaused(true);
        ShowStatus("Pause ON.");
        m_clock.hold();
    } else {
        m_phase.setPaused(false);
        m_clock.release();
        ShowStatus("Pause OFF.");
    }
    redrawBoard();
}

void Game::Stop() {
    m_phase.setStopped(true);
    if (m_phase.paused()) {
        m_clock.release();
    }
    m_phase.setPaused(false);
    m_host.redrawBoard();
    ShowStatus(std::string(kApplicationTitle) + "- Mah-Jongg Solitaire and Rivers");
    m_host.repaintNow();
}

void Game::VerticalClick() {
    if (m_phase.everyTilePickable()) {
        return;
    }
    if (m_phase.clockRuns()) {
        if (m_host.ask(
                "Vertical variation",
                "If you want to change the game mode, you'll have to restart your game. Do you wish to "
                "continue ?",
                Buttons::OkCancel, Icon::Question) != Button::Ok) {
            return;
        }
        BeginGame();
    }
    m_options.Vertical = !m_options.Vertical;
}

void Game::NStatus() {
    m_options.showMoves = !m_options.showMoves;
    m_host.setStatusText(StatusPanel::MovesLeft, "--");
}

bool Game::solveStep() {
    const SolveStep step = m_playback.solveStep();
    if (step == SolveStep::HintShown) {
        redrawBoard();
    }
    return step != SolveStep::Ended;
}

TileCounts Game::countTiles() {
    m_play.IsItFree();
    return {m_play.TilesLeft(), m_play.freeTiles().movesLeft};
}

void Game::boardEmptied() {
    if (!m_phase.finishAnnounced()) {
        redrawBoard();
    }
}

// A board emptied before the clock shows a second is only reported once it does; only a dealt
// game can be won, never an editor's board or an empty one.
void Game::redrawBoard() {
    if (m_play.TilesLeft() == 0 && m_play.TilesTotal() > 0 && !m_phase.editor() &&
        m_clock.ElapsedSeconds() > 0) {
        m_phase.setFinished(true);
    }
    m_host.redrawBoard();
    if (!m_phase.inPlay()) {
        GameOver();
    }
}

// Reports a won game once, entering it in the hall of fame when it beats rank 10.
void Game::GameOver() {
    if (!m_phase.finished() || m_phase.finishAnnounced()) {
        return;
    }
    m_phase.setFinishAnnounced(true);
    Stop();
    m_clock.writeScorePanels();
    m_hall.announceWin(m_currentLayout, m_clock.totalSeconds(), m_clock.PenaltySeconds());
}

}  // namespace orbeni
