#include <algorithm>

#include "orbeni/game/game.h"
#include "orbeni/game/saved_game.h"

namespace orbeni {

// A Rivers tile caught sliding is kept at the place it slid from, its pair not yet joined: the
// player joins it again.
std::optional<SavedGame> Game::savedGame() const {
    if (m_gameStopped || m_boardFinished || m_editorMode) {
        return std::nullopt;
    }
    SavedGame saved;
    saved.kind = m_riversMode ? GameKind::Rivers : GameKind::Solitaire;
    saved.rule = m_options.Vertical ? FreeRule::Vertical : FreeRule::Horizontal;
    saved.layoutSlot = m_currentLayout;
    if (m_currentLayout >= 1 && m_currentLayout <= static_cast<int>(m_layoutNames.size())) {
        saved.layoutName = oneLineName(m_layoutNames[static_cast<std::size_t>(m_currentLayout - 1)]);
    }
    saved.tilesTotal = m_tilesTotal;
    saved.tilesLeft = m_tilesLeft;
    saved.dealtBoard = m_dealtBoard;
    saved.board = m_board;
    if (m_riverPathFound) {
        saved.board.remove(m_firstTile);
        saved.board.place(m_firstTile, m_riverSlideFrom);
    }
    const auto firstRemoved = m_history.begin() + (kMaxTiles - m_tilesTotal);
    saved.removed.assign(firstRemoved, firstRemoved + (m_tilesTotal - m_tilesLeft));
    saved.playedMilliseconds = m_gamePaused ? m_pauseElapsed : m_host.tickMilliseconds() - m_startTick;
    saved.penaltySeconds = m_penaltySeconds;
    saved.paused = m_gamePaused;
    saved.hintIndex = m_hintIndex;
    // A hinted pair stays marked after it was taken off; only one still on the board is kept.
    const bool hintOnBoard =
        m_board.position(m_hintTileA).onBoard() && m_board.position(m_hintTileB).onBoard();
    saved.hintTileA = hintOnBoard ? m_hintTileA : 0;
    saved.hintTileB = hintOnBoard ? m_hintTileB : 0;
    saved.generatorSeed = m_generator.seed();
    if (savedGameProblem(saved)) {
        return std::nullopt;
    }
    return saved;
}

// The game plays on for the hall of fame of its layout, found by name in today's list; a layout
// no longer listed enters none.
bool Game::resumeGame(const SavedGame& saved) {
    if (savedGameProblem(saved)) {
        return false;
    }
    const auto listed = std::find(m_layoutNames.begin(), m_layoutNames.end(), saved.layoutName);
    const bool rivers = saved.kind == GameKind::Rivers;
    if (rivers) {
        m_currentLayout = kRiversSlot;
    } else {
        const bool found = saved.layoutSlot != 0 && listed != m_layoutNames.end();
        m_currentLayout = found ? static_cast<int>(listed - m_layoutNames.begin()) + 1 : 0;
    }
    m_riversMode = rivers;
    m_layoutChosen = false;
    m_options.Vertical = saved.rule == FreeRule::Vertical;
    m_dealtBoard = saved.dealtBoard;
    m_board = saved.board;
    m_tilesTotal = saved.tilesTotal;
    m_tilesLeft = saved.tilesLeft;
    m_history = {};
    std::copy(saved.removed.begin(), saved.removed.end(), m_history.begin() + (kMaxTiles - m_tilesTotal));
    m_generator.setSeed(saved.generatorSeed);
    resetPlay();
    m_hintIndex = saved.hintIndex;
    m_hintTileA = saved.hintTileA;
    m_hintTileB = saved.hintTileB;
    m_penaltySeconds = saved.penaltySeconds;
    m_elapsedSeconds = static_cast<int>(saved.playedMilliseconds / 1000);
    m_gamePaused = saved.paused;
    m_pauseElapsed = saved.playedMilliseconds;
    m_startTick = m_host.tickMilliseconds() - saved.playedMilliseconds;
    setPauseCaptions(m_gamePaused);
    m_gameStopped = false;
    ShowStatus("Game resumed.");
    m_host.redrawHallPanel();
    redrawBoard();
    return true;
}

}  // namespace orbeni
