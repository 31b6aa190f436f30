#include <QMenu>

#include "orbeni/ui/orbeni_window.h"

namespace orbeni {

namespace {

// Each pair of a solution stays shown as a hint this long before it is taken.
constexpr int kSolveStepMilliseconds = 700;

}  // namespace

// Adds "Can it still be won?" and "Solve" to the end of the Play menu.
void TOrbeni::createSolverCommands(QMenu* playMenu) {
    playMenu->addSeparator();
    m_canBeWonAction = addCommand(playMenu, "Can it still be won?", [this] { m_game.CanBeWonClick(); });
    m_solveAction = addCommand(playMenu, "Solve", [this] { SolveClick(); });
    connect(&m_solveTimer, &QTimer::timeout, this, &TOrbeni::stepSolve);
}

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

void TOrbeni::updateSolverActions() {
    if (m_solveAction == nullptr) {
        return;
    }
    const bool available = m_game.solverAvailable();
    m_canBeWonAction->setEnabled(available);
    m_solveAction->setEnabled(available);
}

}  // namespace orbeni
