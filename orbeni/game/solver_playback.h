#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "orbeni/board/board.h"
#include "orbeni/solver/solver.h"

namespace orbeni {

class GameClock;
class GamePhase;
class Host;
class Solitaire;
class StatusLine;
struct Options;

// What a step of the "Solve" playback did.
enum class SolveStep { Ended, HintShown, PairTaken };

// The solver's answers in the game: "Can it still be won?", the "Solve" line played back pair by
// pair, and the optional warning of a move that loses the game.
class SolverPlayback {
public:
    SolverPlayback(Host& host, const Options& options, const GamePhase& phase, Solitaire& play,
                   GameClock& clock, StatusLine& status)
        : m_host(host), m_options(options), m_phase(phase), m_play(play), m_clock(clock), m_status(status) {}

    // The solver answers only for a solitaire game in play.
    bool solverAvailable() const;
    // Tells in a message box whether the position can still be won, searching two seconds at most.
    void CanBeWonClick();
    // Finds a winning line to play back by solveStep(); false (and the player told why) without one.
    bool SolveClick();
    // With "Hints keep the game winnable" on, the first pair of a line that clears the board; none
    // when the option is off or no line was found in the time an answer may take.
    std::optional<TilePair> pairKeepingWinnable();
    // Shows the next pair of the line as a hint, or takes the pair shown; ends once the line is
    // played or no longer fits the board.
    SolveStep solveStep();
    void stopSolving() { m_solveLine.clear(); }
    bool solving() const { return !m_solveLine.empty(); }
    // Warns, when asked to, of the move that has just made the game lost.
    void warnIfLost();

private:
    SolverResult searchBoard(const Board& board, std::uint32_t milliseconds, std::int64_t maxNodes);

    Host& m_host;
    const Options& m_options;
    const GamePhase& m_phase;
    Solitaire& m_play;
    GameClock& m_clock;
    StatusLine& m_status;

    // Made at the first search: it is large, and most games never ask it.
    std::unique_ptr<Solver> m_solver;
    std::vector<TilePair> m_solveLine;
    std::size_t m_solveNext = 0;
    bool m_solveHintShown = false;
    // The board the next step of the line expects.
    Board m_solveBoard;
    // The last position found lost, so that only the move that lost the game is warned of.
    Board m_lostBoard;
    bool m_lostBoardKnown = false;
};

}  // namespace orbeni
