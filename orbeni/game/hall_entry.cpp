#include "orbeni/game/hall_entry.h"

#include <algorithm>

#include "orbeni/game/host.h"
#include "orbeni/game/options.h"
#include "platform/profile/profile.h"

namespace orbeni {

namespace {

constexpr std::string_view kHighScoreTitle = "You made a high score !";

}  // namespace

void HallEntry::loadHallOfFame(const std::filesystem::path& file, std::vector<std::string> layoutNames) {
    m_hallFile = file;
    m_layoutNames = std::move(layoutNames);
    m_hall.load(platform::Profile(m_hallFile), m_layoutNames);
}

// Its name may move another layout's entries to a section of their own, so the file is written
// at once.
void HallEntry::loadHallSlot(int slot, const std::string& layoutName) {
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
bool HallEntry::saveHallOfFame() {
    if (m_hallFile.empty()) {
        return false;
    }
    platform::Profile file(m_hallFile);
    return m_hall.save(file, m_layoutNames);
}

std::string HallEntry::layoutName(int slot) const {
    if (slot < 1 || slot > static_cast<int>(m_layoutNames.size())) {
        return {};
    }
    return m_layoutNames[static_cast<std::size_t>(slot - 1)];
}

int HallEntry::slotOfLayout(const std::string& name) const {
    const auto listed = std::find(m_layoutNames.begin(), m_layoutNames.end(), name);
    return listed == m_layoutNames.end() ? 0 : static_cast<int>(listed - m_layoutNames.begin()) + 1;
}

std::string HallEntry::finishedText(int totalSeconds) const {
    std::string text = "Congratulations !! You WON !";
    if (m_options.enableHall) {
        text += "\r\nYour time is : " + formatMinutes(totalSeconds);
    }
    return text;
}

void HallEntry::announceWin(int slot, int totalSeconds, int penaltySeconds) {
    const bool entered = m_options.enableHall && m_hall.qualifies(slot, totalSeconds);
    if (entered) {
        m_hall.AddHall(slot, m_playerName, totalSeconds, penaltySeconds);
        m_host.redrawHallPanel();
        saveHallOfFame();
    }
    m_host.ask(entered ? kHighScoreTitle : "Board finished", finishedText(totalSeconds), Buttons::Ok,
               Icon::Information);
    if (entered) {
        ShowScores(slot, ScoresOpening::NewEntry);
    }
}

void HallEntry::ShowScores(int slot, ScoresOpening opening) {
    const std::string name = m_host.showScores(opening);
    if (name != m_playerName) {
        m_playerName = name;
        m_hall.renameLastEntry(slot, name);
        saveHallOfFame();
    }
    m_host.redrawHallPanel();
}

void HallEntry::DeleteHighscores1Click(int slot) {
    if (m_host.ask("Please confirm...",
                   "Do you really want to remove the Hall of Fame entries for this layout ?",
                   Buttons::OkCancel, Icon::Question) == Button::Ok) {
        m_hall.resetSlot(slot);
        saveHallOfFame();
    }
    m_host.redrawHallPanel();
}

}  // namespace orbeni
