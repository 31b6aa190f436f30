#include "orbeni/ui/orbeni_window.h"

namespace orbeni {

namespace {

// Each pair of a solution stays shown as a hint this long before it is taken.
constexpr int kSolveStepMilliseconds = 700;

}  // namespace

void TOrbeni::SolveClick() {
    if (m_game.SolveClick()) {
        m_solveTimer.start(kSolveStepMilliseconds);
    }
}

// One step of the solution on the timer, which runs only while a solution plays.
void TOrbeni::stepSolve() {
    if (!m_game.solveStep()) {
        m_solveTimer.stop();
    }
    followBoardChange();
}

// Any click or command of the player ends a solution that plays.
void TOrbeni::stopSolving() {
    m_solveTimer.stop();
    m_game.stopSolving();
}

}  // namespace orbeni
