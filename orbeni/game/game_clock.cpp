#include "orbeni/game/game_clock.h"

#include <string>

#include "orbeni/game/game_phase.h"
#include "orbeni/game/hall_of_fame.h"
#include "orbeni/game/host.h"
#include "orbeni/game/options.h"
#include "orbeni/game/saved_game.h"
#include "orbeni/game/status_line.h"

namespace orbeni {

void GameClock::start() {
    m_startTick = m_host.tickMilliseconds();
}

void GameClock::reset() {
    m_elapsedSeconds = m_penaltySeconds = 0;
    m_pauseElapsed = 0;
}

void GameClock::hold() {
    m_pauseElapsed = m_host.tickMilliseconds() - m_startTick;
    setPauseCaptions(true);
}

void GameClock::release() {
    m_startTick = m_host.tickMilliseconds() - m_pauseElapsed;
    setPauseCaptions(false);
}

void GameClock::setPauseCaptions(bool paused) {
    if (paused) {
        m_host.setPauseCaptions("&Continue", "Play");
    } else {
        m_host.setPauseCaptions("&Pause", "Pause");
    }
}

void GameClock::Temps() {
    m_status.reveal(m_options.coolStatus);
    m_host.pollMusic();
    if (!m_phase.clockRuns()) {
        return;
    }
    m_elapsedSeconds = static_cast<int>((m_host.tickMilliseconds() - m_startTick) / 1000);
    WriteScore();
    if (totalSeconds() >= kTimeLimitSeconds) {
        m_game.timeIsUp();
    }
}

std::optional<std::uint32_t> GameClock::nextTempsDelay() {
    std::optional<std::uint32_t> delay = m_host.musicPollDelay();
    const auto sooner = [&delay](std::uint32_t milliseconds) {
        if (!delay || milliseconds < *delay) {
            delay = milliseconds;
        }
    };
    if (m_status.revealing()) {
        sooner(kRevealTickMilliseconds);
    }
    // The time panel, the time limit and a board emptied within the first second all change on
    // the clock's whole seconds, paused or not.
    if (m_phase.clockRuns()) {
        const std::uint32_t elapsed = m_host.tickMilliseconds() - m_startTick;
        sooner(1000 - elapsed % 1000);
    }
    return delay;
}

// Also notices the end of a game: the board emptied, or no move left among the free tiles.
void GameClock::WriteScore() {
    if (m_phase.stopped() || m_phase.editor()) {
        for (const StatusPanel panel : {StatusPanel::TilesLeft, StatusPanel::MovesLeft, StatusPanel::Time}) {
            m_host.setStatusText(panel, "--");
        }
        return;
    }
    const TileCounts counts = writeScorePanels();
    if (counts.movesLeft > 0) {
        m_status.clearNoMoreMoves();
    }
    if (counts.tilesLeft == 0) {
        m_game.boardEmptied();
    } else if (counts.movesLeft == 0 && !m_phase.rivers() && !m_status.noMovesShown()) {
        m_status.showNoMoreMoves();
    }
}

TileCounts GameClock::writeScorePanels() {
    const TileCounts counts = m_game.countTiles();
    m_host.setStatusText(StatusPanel::TilesLeft, std::to_string(counts.tilesLeft));
    m_host.setStatusText(StatusPanel::MovesLeft, m_options.showMoves && !m_phase.rivers()
                                                     ? std::to_string(counts.movesLeft)
                                                     : std::string("--"));
    m_host.setStatusText(StatusPanel::Time, !m_phase.paused() && m_options.showTime
                                                ? formatMinutes(totalSeconds())
                                                : std::string("---"));
    return counts;
}

void GameClock::saveTo(SavedGame& saved) const {
    saved.playedMilliseconds = m_phase.paused() ? m_pauseElapsed : m_host.tickMilliseconds() - m_startTick;
    saved.penaltySeconds = m_penaltySeconds;
    saved.paused = m_phase.paused();
}

// The clock goes on from the time played; a paused game keeps it held until the pause ends.
void GameClock::restoreFrom(const SavedGame& saved) {
    m_penaltySeconds = saved.penaltySeconds;
    m_elapsedSeconds = static_cast<int>(saved.playedMilliseconds / 1000);
    m_pauseElapsed = saved.playedMilliseconds;
    m_startTick = m_host.tickMilliseconds() - saved.playedMilliseconds;
}

}  // namespace orbeni
