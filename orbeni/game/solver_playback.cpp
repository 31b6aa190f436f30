#include "orbeni/game/solver_playback.h"

#include <string_view>

#include "orbeni/game/game_clock.h"
#include "orbeni/game/game_phase.h"
#include "orbeni/game/host.h"
#include "orbeni/game/options.h"
#include "orbeni/game/solitaire.h"
#include "orbeni/game/status_line.h"

namespace orbeni {

namespace {

// The player waits this long at most for an answer; a move waits far less for its warning.
constexpr std::uint32_t kAnswerMilliseconds = 2000;
constexpr std::uint32_t kWarningMilliseconds = 40;
constexpr std::int64_t kWarningNodes = 4000;

constexpr std::string_view kCanBeWonTitle = "Can it still be won?";
constexpr std::string_view kSolveTitle = "Solve";
constexpr std::string_view kLostWarning = "This game cannot be won any more.";

std::string_view verdictText(Verdict verdict) {
    switch (verdict) {
        case Verdict::Winnable:
            return "This position can still be won.";
        case Verdict::Unwinnable:
            return "This position cannot be won any more.";
        case Verdict::Undecided:
            break;
    }
    return "No answer found in time.";
}

}  // namespace

bool SolverPlayback::solverAvailable() const {
    return m_phase.inPlay() && !m_phase.everyTilePickable() && m_play.TilesLeft() > 0;
}

// Searches the board under the game's free rule until the host's clock has run the given time.
SolverResult SolverPlayback::searchBoard(const Board& board, std::uint32_t milliseconds,
                                         std::int64_t maxNodes) {
    const std::uint32_t start = m_host.tickMilliseconds();
    SearchLimit limit;
    limit.maxNodes = maxNodes;
    limit.timeUp = [this, start, milliseconds] { return m_host.tickMilliseconds() - start >= milliseconds; };
    if (!m_solver) {
        m_solver = std::make_unique<Solver>();
    }
    return m_solver->solve(board, m_options.Vertical ? FreeRule::Vertical : FreeRule::Horizontal, limit);
}

void SolverPlayback::CanBeWonClick() {
    if (!solverAvailable()) {
        return;
    }
    const Verdict verdict = searchBoard(m_play.board(), kAnswerMilliseconds, INT64_MAX).verdict;
    m_host.ask(kCanBeWonTitle, verdictText(verdict), Buttons::Ok, Icon::Information);
}

std::optional<TilePair> SolverPlayback::pairKeepingWinnable() {
    if (!m_options.hintsKeepWinnable || !solverAvailable()) {
        return std::nullopt;
    }
    const SolverResult result = searchBoard(m_play.board(), kAnswerMilliseconds, INT64_MAX);
    if (result.verdict != Verdict::Winnable || result.line.empty()) {
        return std::nullopt;
    }
    return result.line.front();
}

bool SolverPlayback::SolveClick() {
    stopSolving();
    if (!solverAvailable()) {
        return false;
    }
    SolverResult result = searchBoard(m_play.board(), kAnswerMilliseconds, INT64_MAX);
    if (result.verdict != Verdict::Winnable) {
        m_host.ask(kSolveTitle, verdictText(result.verdict), Buttons::Ok, Icon::Information);
        return false;
    }
    m_play.clearSelection();
    m_solveLine = std::move(result.line);
    m_solveNext = 0;
    m_solveHintShown = false;
    m_solveBoard = m_play.board();
    return true;
}

// Each pair of the line is first shown as a hint, at a hint's price, then taken as a click
// would take it. A board changed by anything else ends the playback.
SolveStep SolverPlayback::solveStep() {
    if (!solving()) {
        return SolveStep::Ended;
    }
    const TilePair pair = m_solveLine[m_solveNext];
    if (!solverAvailable() || m_play.board() != m_solveBoard) {
        stopSolving();
        return SolveStep::Ended;
    }
    if (!m_solveHintShown) {
        m_play.showHint(pair);
        m_clock.addPenalty(kHintPenaltySeconds);
        m_solveHintShown = true;
        return SolveStep::HintShown;
    }
    m_play.takePair(pair);
    m_solveBoard = m_play.board();
    m_solveHintShown = false;
    if (++m_solveNext == m_solveLine.size()) {
        stopSolving();
        return SolveStep::Ended;
    }
    return SolveStep::PairTaken;
}

// A search too long for a click says nothing, and a game lost before the move is not warned of
// again.
void SolverPlayback::warnIfLost() {
    const int tilesLeft = m_play.TilesLeft();
    if (!m_options.warnUnwinnable || tilesLeft == 0) {
        return;
    }
    const Board& board = m_play.board();
    Board before = board;
    for (const int index : {kMaxTiles - 2 - tilesLeft, kMaxTiles - 1 - tilesLeft}) {
        const HistoryEntry& taken = m_play.history(index);
        before.place(taken.tile, taken.place);
    }
    const bool lostBefore = m_lostBoardKnown && before == m_lostBoard;
    if (!lostBefore &&
        searchBoard(board, kWarningMilliseconds, kWarningNodes).verdict != Verdict::Unwinnable) {
        return;
    }
    m_lostBoard = board;
    m_lostBoardKnown = true;
    if (!lostBefore &&
        searchBoard(before, kWarningMilliseconds, kWarningNodes).verdict == Verdict::Winnable) {
        m_status.ShowStatus(kLostWarning);
    }
}

}  // namespace orbeni
