#include <string>

#include "orbeni/game/game_clock.h"
#include "orbeni/game/host.h"
#include "orbeni/game/options.h"
#include "orbeni/game/solitaire.h"
#include "orbeni/game/status_line.h"

namespace orbeni {

namespace {

constexpr int kRandomShufflePasses = 101;
constexpr int kShuffleTakeBacks = 3;

}  // namespace

// Shuffles the tiles left, so that they can be cleared when Shuffable is on, and tells what it
// found at the price of the moves found.
void Solitaire::Shuffle() {
    if (m_options.Shuffable) {
        ShuffleBoard();
    } else {
        randomShuffle();
    }
    reportShuffle();
}

void Solitaire::reportShuffle() {
    IsItFree();
    const int moves = m_free.movesLeft;
    if (moves > 1) {
        m_status.ShowStatus("Tiles shuffled. " + std::to_string(moves) + " new moves found.");
    } else if (moves == 1) {
        m_status.ShowStatus("Tiles shuffled. 1 new move found.");
    }
    m_clock.addPenalty(kShufflePenaltyPerMove * moves);
}

// Shuffles until a move appears, giving up after 101 passes.
void Solitaire::randomShuffle() {
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
void Solitaire::ShuffleBoard() {
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

}  // namespace orbeni
