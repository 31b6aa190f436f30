#include "orbeni/game/game.h"

#include "platform/profile/profile.h"

namespace orbeni {

void Game::ShowStatus(std::string_view text) {
    m_status.show(text);
    m_host.setStatusText(StatusPanel::Message, m_status.visible());
}

// Reveals the status message a step further, advances the clock and stops the game at the
// time limit.
void Game::Temps() {
    const int before = m_status.position();
    m_status.step(m_noMovesShown ? RevealStyle::Bounce : RevealStyle::Slide, m_options.coolStatus);
    if (m_status.position() != before) {
        m_host.setStatusText(StatusPanel::Message, m_status.visible());
    }
    m_host.pollMusic();
    if (m_boardFinished || m_gameStopped) {
        return;
    }
    m_elapsedSeconds = static_cast<int>((m_host.tickMilliseconds() - m_startTick) / 1000);
    WriteScore();
    if (m_elapsedSeconds + m_penaltySeconds >= kTimeLimitSeconds) {
        Stop();
    }
}

std::optional<std::uint32_t> Game::nextTempsDelay() {
    std::optional<std::uint32_t> delay = m_host.musicPollDelay();
    const auto sooner = [&delay](std::uint32_t milliseconds) {
        if (!delay || milliseconds < *delay) {
            delay = milliseconds;
        }
    };
    if (m_status.moving(m_noMovesShown ? RevealStyle::Bounce : RevealStyle::Slide)) {
        sooner(kRevealTickMilliseconds);
    }
    // The time panel, the time limit and a board emptied within the first second all change on
    // the clock's whole seconds, paused or not.
    if (!m_boardFinished && !m_gameStopped) {
        const std::uint32_t elapsed = m_host.tickMilliseconds() - m_startTick;
        sooner(1000 - elapsed % 1000);
    }
    return delay;
}

void Game::WriteScore() {
    if (m_gameStopped || m_editorMode) {
        for (const StatusPanel panel : {StatusPanel::TilesLeft, StatusPanel::MovesLeft, StatusPanel::Time}) {
            m_host.setStatusText(panel, "--");
        }
        return;
    }
    writeScorePanels();
    if (m_free.movesLeft > 0) {
        m_noMovesShown = false;
    }
    if (m_tilesLeft == 0) {
        if (!m_finishHandled) {
            redrawBoard();
        }
    } else if (m_free.movesLeft == 0 && !m_riversMode && !m_noMovesShown) {
        ShowStatus("      SORRY, NO MORE MOVES !!");
        m_noMovesShown = true;
    }
}

// Shows the tiles, moves and time of the game, also the final ones of a finished game.
void Game::writeScorePanels() {
    IsItFree();
    m_host.setStatusText(StatusPanel::TilesLeft, std::to_string(m_tilesLeft));
    m_host.setStatusText(StatusPanel::MovesLeft, m_options.showMoves && !m_riversMode
                                                     ? std::to_string(m_free.movesLeft)
                                                     : std::string("--"));
    m_host.setStatusText(StatusPanel::Time, !m_gamePaused && m_options.showTime
                                                ? formatMinutes(m_elapsedSeconds + m_penaltySeconds)
                                                : std::string("---"));
}

// A board emptied before the clock shows a second is only reported once it does; only a dealt
// game can be won, never an editor's board or an empty one.
void Game::redrawBoard() {
    if (m_tilesLeft == 0 && m_tilesTotal > 0 && !m_editorMode && m_elapsedSeconds > 0) {
        m_boardFinished = true;
    }
    m_host.redrawBoard();
    if (m_gameStopped || m_boardFinished || m_gamePaused) {
        GameOver();
    }
}

std::string Game::finishedText(int totalSeconds) const {
    std::string text = "Congratulations !! You WON !";
    if (m_options.enableHall) {
        text += "\r\nYour time is : " + formatMinutes(totalSeconds);
    }
    return text;
}

// Reports a won game once, entering it in the hall of fame when it beats rank 10.
void Game::GameOver() {
    if (!m_boardFinished || m_finishHandled) {
        return;
    }
    m_finishHandled = true;
    Stop();
    writeScorePanels();
    const int total = m_elapsedSeconds + m_penaltySeconds;
    std::string title = "Board finished";
    if (m_options.enableHall && m_hall.qualifies(m_currentLayout, total)) {
        m_hall.AddHall(m_currentLayout, m_playerName, total, m_penaltySeconds);
        m_host.redrawHallPanel();
        saveHallOfFame();
        title = "You made a high score !";
    }
    m_host.ask(title, finishedText(total), Buttons::Ok, Icon::Information);
    if (title == "You made a high score !") {
        ShowScores(ScoresOpening::NewEntry);
    }
}

void Game::ShowScores(ScoresOpening opening) {
    const std::string name = m_host.showScores(opening);
    if (name != m_playerName) {
        m_playerName = name;
        m_hall.renameLastEntry(m_currentLayout, name);
        saveHallOfFame();
    }
    m_host.redrawHallPanel();
}

void Game::DeleteHighscores1Click() {
    if (m_host.ask("Please confirm...",
                   "Do you really want to remove the Hall of Fame entries for this layout ?",
                   Buttons::OkCancel, Icon::Question) == Button::Ok) {
        m_hall.resetSlot(m_currentLayout);
        saveHallOfFame();
    }
    m_host.redrawHallPanel();
}

void Game::loadHallOfFame(const std::filesystem::path& file, std::vector<std::string> layoutNames) {
    m_hallFile = file;
    m_layoutNames = std::move(layoutNames);
    m_hall.load(platform::Profile(m_hallFile), m_layoutNames);
}

// Reads the slot of a layout added to the list; its name may move another layout's entries to
// a section of their own, so the file is written at once.
void Game::loadHallSlot(int slot, const std::string& layoutName) {
    if (slot < 1 || slot > kMaxLayouts) {
        return;
    }
    if (static_cast<int>(m_layoutNames.size()) < slot) {
        m_layoutNames.resize(static_cast<std::size_t>(slot));
    }
    m_layoutNames[static_cast<std::size_t>(slot - 1)] = layoutName;
    if (m_hallFile.empty()) {
        m_hall.resetSlot(slot);
        return;
    }
    m_hall.loadSlot(platform::Profile(m_hallFile), slot, m_layoutNames);
    saveHallOfFame();
}

// Writes "Hallfame.ini" at once, so that new entries and deletions survive a crash.
bool Game::saveHallOfFame() {
    if (m_hallFile.empty()) {
        return false;
    }
    platform::Profile file(m_hallFile);
    return m_hall.save(file, m_layoutNames);
}

}  // namespace orbeni
