#include "orbeni/game/game.h"

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

bool Game::solverAvailable() const {
    return !m_gameStopped && !m_boardFinished && !m_gamePaused && !m_riversMode && !m_editorMode &&
           m_tilesLeft > 0;
}

FreeRule Game::freeRule() const {
    return m_options.Vertical ? FreeRule::Vertical : FreeRule::Horizontal;
}

// Searches the board under the game's free rule until the host's clock has run the given time.
SolverResult Game::searchBoard(const Board& board, std::uint32_t milliseconds, std::int64_t maxNodes) {
    const std::uint32_t start = m_host.tickMilliseconds();
    SearchLimit limit;
    limit.maxNodes = maxNodes;
    limit.timeUp = [this, start, milliseconds] { return m_host.tickMilliseconds() - start >= milliseconds; };
    if (!m_solver) {
        m_solver = std::make_unique<Solver>();
    }
    return m_solver->solve(board, freeRule(), limit);
}

void Game::CanBeWonClick() {
    if (!solverAvailable()) {
        return;
    }
    const Verdict verdict = searchBoard(m_board, kAnswerMilliseconds, INT64_MAX).verdict;
    m_host.ask(kCanBeWonTitle, verdictText(verdict), Buttons::Ok, Icon::Information);
}

bool Game::SolveClick() {
    stopSolving();
    if (!solverAvailable()) {
        return false;
    }
    SolverResult result = searchBoard(m_board, kAnswerMilliseconds, INT64_MAX);
    if (result.verdict != Verdict::Winnable) {
        m_host.ask(kSolveTitle, verdictText(result.verdict), Buttons::Ok, Icon::Information);
        return false;
    }
    m_firstTile = m_secondTile = 0;
    m_solveLine = std::move(result.line);
    m_solveNext = 0;
    m_solveHintShown = false;
    m_solveBoard = m_board;
    return true;
}

// Each pair of the line is first shown as a hint, at a hint's price, then taken as a click
// would take it. A board changed by anything else ends the playback.
bool Game::solveStep() {
    if (!solving()) {
        return false;
    }
    const TilePair pair = m_solveLine[m_solveNext];
    if (!solverAvailable() || m_board != m_solveBoard) {
        stopSolving();
        return false;
    }
    if (!m_solveHintShown) {
        m_hintTileA = pair.first;
        m_hintTileB = pair.second;
        m_penaltySeconds += kHintPenaltySeconds;
        m_solveHintShown = true;
        redrawBoard();
        return true;
    }
    m_hintTileA = m_hintTileB = 0;
    m_firstTile = pair.first;
    m_secondTile = pair.second;
    removePair(m_board.position(pair.first));
    m_solveBoard = m_board;
    m_solveHintShown = false;
    if (++m_solveNext == m_solveLine.size()) {
        stopSolving();
        return false;
    }
    return true;
}

// Warns, when asked to, of the move that has just made the game lost; a search too long for a
// click says nothing, and a game lost before the move is not warned of again.
void Game::warnIfLost() {
    if (!m_options.warnUnwinnable || m_tilesLeft == 0) {
        return;
    }
    Board before = m_board;
    for (const int index : {kMaxTiles - 2 - m_tilesLeft, kMaxTiles - 1 - m_tilesLeft}) {
        const HistoryEntry& taken = m_history[static_cast<std::size_t>(index)];
        before.place(taken.tile, taken.place);
    }
    const bool lostBefore = m_lostBoardKnown && before == m_lostBoard;
    if (!lostBefore &&
        searchBoard(m_board, kWarningMilliseconds, kWarningNodes).verdict != Verdict::Unwinnable) {
        return;
    }
    m_lostBoard = m_board;
    m_lostBoardKnown = true;
    if (!lostBefore &&
        searchBoard(before, kWarningMilliseconds, kWarningNodes).verdict == Verdict::Winnable) {
        ShowStatus(kLostWarning);
    }
}

}  // namespace orbeni
