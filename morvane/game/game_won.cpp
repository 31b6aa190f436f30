#include "morvane/game/game.h"
#include "morvane/game/hall_of_fame.h"
#include "morvane/game/program_info.h"
#include "platform/profile/profile.h"

namespace morvane {

void Game::gameWon() {
    playSound(SoundSlot::Won);
    const std::optional<std::filesystem::path> file = hallOfFameFile(m_gameName, kSettingsFolderName);
    if (!file) {
        m_host.messageBox("You won!!", "Congratulations", MessageIcon::None, MessageButtons::Ok);
        return;
    }
    enterHallOfFame(*file);
}

// Puts a fast enough win into the game's hall of fame, or shows the time of a slower one.
void Game::enterHallOfFame(const std::filesystem::path& file) {
    platform::Profile profile(file);
    HallOfFame entries = readHallOfFame(profile);
    if (profile.isUnreadable()) {
        // Its entries would be lost if the list were written anew from nothing: say so once.
        const bool told = m_unreadableHallOfFame == file;
        m_unreadableHallOfFame = file;
        m_host.messageBox(told ? "You won!!"
                               : "You won in " + timeText() + ", but the Hall of Fame " + file.string() +
                                     " cannot be read, so the win is not entered in it.",
                          "Congratulations", MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    const std::optional<int> place = hallOfFamePlace(entries, m_elapsedSeconds);
    if (!place) {
        if (m_host.showWonDialog(timeText()) == WonChoice::ViewHallOfFame) {
            showHallOfFameOf(file);
        }
        return;
    }
    std::string name = m_host.askWinnerName().substr(0, kNameCapacity - 1);
    if (name.empty()) {
        name = kAnonymousName;
    }
    const int auth = authentication(name, m_elapsedSeconds);
    insertEntry(entries, *place, {std::move(name), m_elapsedSeconds, auth});
    if (!writeHallOfFame(profile, entries)) {
        m_host.messageBox("The Hall of Fame could not be saved to " + file.string(), kApplicationTitle,
                          MessageIcon::Exclamation, MessageButtons::Ok);
    }
    showHallOfFameOf(file);
}

void Game::showHallOfFameOf(const std::filesystem::path& file) {
    m_host.showHallOfFame(hallOfFameRows(platform::Profile(file)));
}

void Game::hallOfFame() {
    if (m_design.active() || m_moves.active()) {
        return;
    }
    const std::optional<std::filesystem::path> file = hallOfFameFile(m_gameName, kSettingsFolderName);
    if (!file) {
        m_host.messageBox("No Game File Specified", "Att: No HOF Available", MessageIcon::Exclamation,
                          MessageButtons::Ok);
        return;
    }
    showHallOfFameOf(*file);
}

}  // namespace morvane
