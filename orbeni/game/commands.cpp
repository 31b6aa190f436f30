#include "orbeni/game/game.h"
#include "orbeni/game/program_info.h"

namespace orbeni {

namespace {

constexpr int kRandomShufflePasses = 101;
constexpr int kShuffleTakeBacks = 3;

}  // namespace

// Shows the next available pair, walking through them in free-list order; in Rivers, the next
// pair a river joins.
void Game::Hint() {
    if (m_gameStopped || m_boardFinished || m_gamePaused) {
        return;
    }
    if (m_riversMode) {
        m_hintTileA = m_hintTileB = 0;
        riversHint();
        return;
    }
    if (m_free.movesLeft <= 0) {
        return;
    }
    m_hintTileA = m_hintTileB = 0;
    IsItFree();
    if (m_free.count < 2 || m_free.movesLeft == 0) {
        return;
    }
    m_hintIndex = m_hintIndex % m_free.movesLeft + 1;
    int pair = 0;
    for (int k = 0; k + 1 < m_free.count; ++k) {
        if (matchGroup(m_free.list[k]) == matchGroup(m_free.list[k + 1]) && ++pair == m_hintIndex) {
            m_hintTileA = m_free.list[k];
            m_hintTileB = m_free.list[k + 1];
            break;
        }
    }
    m_penaltySeconds += kHintPenaltySeconds;
    redrawBoard();
}

void Game::Shuffle1Click() {
    if (m_boardFinished || m_gameStopped || m_gamePaused) {
        return;
    }
    m_hintTileA = m_hintTileB = m_firstTile = m_secondTile = 0;
    if (m_riversMode) {
        riversShuffle();
    } else {
        if (m_options.Shuffable) {
            ShuffleBoard();
        } else {
            randomShuffle();
        }
        reportShuffle();
    }
    redrawBoard();
    m_host.processPendingEvents();
}

void Game::reportShuffle() {
    IsItFree();
    const int moves = m_free.movesLeft;
    if (moves > 1) {
        ShowStatus("Tiles shuffled. " + std::to_string(moves) + " new moves found.");
    } else if (moves == 1) {
        ShowStatus("Tiles shuffled. 1 new move found.");
    }
    m_penaltySeconds += kShufflePenaltyPerMove * moves;
}

// Rivers counts no moves, so its shuffle is one pass at the price of a hint.
void Game::riversShuffle() {
    shufflePass(m_board, m_generator);
    ShowStatus("Tiles shuffled.");
    m_penaltySeconds += kRiversShufflePenaltySeconds;
}

// Shuffles until a move appears, giving up after 101 passes.
void Game::randomShuffle() {
    const bool animated = m_options.Animate && !m_options.RandomSeed1;
    int attempts = 0;
    do {
        shufflePass(m_board, m_generator);
        IsItFree();
        ++attempts;
        if (animated) {
            boardChanged();
        }
    } while (m_free.movesLeft == 0 && attempts < kRandomShufflePasses);
}

// Re-deals the tiles still on the board so that they can be cleared. A remaining shape with
// fewer than two free places costs the last three moves first; with nothing left to take back,
// or a shape no removal order clears, the random shuffle is used instead.
void Game::ShuffleBoard() {
    DealAnimation* animation = dealAnimated() ? this : nullptr;
    for (;;) {
        if (animation != nullptr) {
            boardChanged();
        }
        const LiveTiles live = liveTiles(m_board);
        const PositionList shape = occupiedPositions(m_board);
        m_board.clear();
        reserve(m_board, shape);
        m_generator.randomize(m_host.timeOfDayMilliseconds());
        RemovalOrder order;
        const PlanOutcome outcome = planRemovals(m_board, shape, live.count / 2, m_generator, order);
        if (outcome == PlanOutcome::Planned) {
            dealShuffledPairs(m_board, m_generator, order, live, animation);
            return;
        }
        restoreTiles(m_board, live);
        if (outcome != PlanOutcome::NoFreePair || m_tilesLeft >= m_tilesTotal) {
            randomShuffle();
            return;
        }
        for (int i = 0; i < kShuffleTakeBacks; ++i) {
            BackHistory();
        }
    }
}

void Game::setPauseCaptions(bool paused) {
    if (paused) {
        m_host.setPauseCaptions("&Continue", "Play");
    } else {
        m_host.setPauseCaptions("&Pause", "Pause");
    }
}

void Game::endPause() {
    m_startTick = m_host.tickMilliseconds() - m_pauseElapsed;
    setPauseCaptions(false);
}

void Game::PauseClick() {
    if (m_gameStopped || m_boardFinished) {
        return;
    }
    if (!m_gamePaused) {
        m_gamePaused = true;
        m_pauseElapsed = m_host.tickMilliseconds() - m_startTick;
        ShowStatus("Pause ON.");
        setPauseCaptions(true);
    } else {
        m_gamePaused = false;
        endPause();
        ShowStatus("Pause OFF.");
    }
    redrawBoard();
}

void Game::Stop() {
    m_gameStopped = true;
    if (m_gamePaused) {
        endPause();
    }
    m_gamePaused = false;
    m_host.redrawBoard();
    ShowStatus(std::string(kApplicationTitle) + "- Mah-Jongg Solitaire and Rivers");
    m_host.repaintNow();
}

void Game::VerticalClick() {
    if (m_editorMode || m_riversMode) {
        return;
    }
    if (!m_gameStopped && !m_boardFinished) {
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

}  // namespace orbeni
