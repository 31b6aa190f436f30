#include "orbeni/game/hall_of_fame.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "platform/profile/profile.h"

namespace orbeni {

namespace {

constexpr int kUnreadableTime = 9999;

// Right-aligns a number in four characters, as the entries store times.
std::string widthFour(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%4d", std::clamp(value, 0, 9999));
    return text;
}

std::string emptyEntry(int seconds) {
    return "---      " + widthFour(seconds) + "    0";
}

// Reads the number in four characters of an entry starting at `from` (0-based).
int numberAt(std::string_view entry, std::size_t from) {
    if (entry.size() < from + 4) {
        return kUnreadableTime;
    }
    std::string_view digits = entry.substr(from, 4);
    while (!digits.empty() && digits.front() == ' ') {
        digits.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size() || value < 0) {
        return kUnreadableTime;
    }
    return value;
}

std::string rankKey(int rank) {
    return "Rank" + std::to_string(rank);
}

}  // namespace

std::string formatMinutes(int seconds) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", seconds / 60, seconds % 60);
    return text;
}

std::string HallOfFame::defaultEntry(int rank) {
    return emptyEntry((rank + 4) * 60);
}

std::string HallOfFame::makeEntry(std::string_view name, int totalSeconds, int penaltySeconds) {
    std::string entry(name.substr(0, 8));
    entry.resize(8, ' ');
    return entry + " " + widthFour(totalSeconds) + " " + widthFour(penaltySeconds);
}

int HallOfFame::totalTime(std::string_view entry) {
    return numberAt(entry, 9);
}
int HallOfFame::penaltyTime(std::string_view entry) {
    return numberAt(entry, 14);
}

std::string HallOfFame::sectionName(std::string_view listName) {
    std::string section(listName);
    std::erase(section, ' ');
    return section;
}

const std::string& HallOfFame::entry(int slot, int rank) const {
    static const std::string none;
    return validSlot(slot) && rank >= 1 && rank <= kRanks ? m_entries[slot][rank] : none;
}

bool HallOfFame::qualifies(int slot, int totalSeconds) const {
    return validSlot(slot) && totalTime(m_entries[slot][kRanks]) > totalSeconds;
}

int HallOfFame::AddHall(int slot, std::string_view name, int totalSeconds, int penaltySeconds) {
    if (!qualifies(slot, totalSeconds)) {
        return 0;
    }
    auto& ranks = m_entries[slot];
    int place = kRanks;
    for (int r = kRanks; r >= 1; --r) {
        if (totalTime(ranks[r]) >= totalSeconds) {
            place = r;
        }
    }
    while (place <= kRanks && totalTime(ranks[place]) == totalSeconds &&
           penaltyTime(ranks[place]) <= penaltySeconds) {
        ++place;
    }
    if (place > kRanks) {
        return 0;
    }
    std::move_backward(ranks.begin() + place, ranks.begin() + kRanks, ranks.begin() + kRanks + 1);
    ranks[place] = makeEntry(name, totalSeconds, penaltySeconds);
    m_lastRank = place;
    return place;
}

void HallOfFame::renameLastEntry(int slot, std::string_view name) {
    if (!validSlot(slot) || m_lastRank < 1) {
        return;
    }
    std::string& entry = m_entries[slot][m_lastRank];
    std::string newName(name.substr(0, 8));
    newName.resize(8, ' ');
    entry.resize(std::max<std::size_t>(entry.size(), 8), ' ');
    entry.replace(0, 8, newName);
}

void HallOfFame::resetSlot(int slot) {
    if (validSlot(slot)) {
        for (int r = 1; r <= kRanks; ++r) {
            m_entries[slot][r] = defaultEntry(r);
        }
    }
}

// Lists a slot for the dialog; a slot never loaded gets its own, gentler default times.
std::array<HallRow, kRanks> HallOfFame::GenerateList(int slot) {
    std::array<HallRow, kRanks> rows;
    if (!validSlot(slot)) {
        return rows;
    }
    for (int r = 1; r <= kRanks; ++r) {
        std::string& entry = m_entries[slot][r];
        if (entry.empty()) {
            entry = emptyEntry((r + 7) * 30);
        }
        rows[r - 1] = HallRow{r, entry.substr(0, 8), formatMinutes(totalTime(entry)),
                              formatMinutes(penaltyTime(entry))};
    }
    return rows;
}

int HallOfFame::LayoutComboBoxChange(int lineIndex, int layoutCount) {
    if (lineIndex == layoutCount) {
        return kRiversSlot;
    }
    return lineIndex >= 0 && lineIndex < kRiversSlot - 1 ? lineIndex + 1 : 0;
}

void HallOfFame::readSection(const platform::Profile& file, int slot, const std::string& section) {
    for (int r = 1; r <= kRanks; ++r) {
        m_entries[slot][r] = file.readString(section, rankKey(r), defaultEntry(r));
    }
}

void HallOfFame::load(const platform::Profile& file, const std::vector<std::string>& listNames) {
    const int count = std::min<int>(static_cast<int>(listNames.size()), kMaxLayouts);
    for (int n = 1; n <= count; ++n) {
        readSection(file, n, sectionName(listNames[n - 1]));
    }
    readSection(file, kRiversSlot, "Rivers");
}

void HallOfFame::loadSlot(const platform::Profile& file, int slot, std::string_view listName) {
    if (slot >= 1 && slot <= kMaxLayouts) {
        readSection(file, slot, sectionName(listName));
    }
}

// Writes only the keys whose stored value differs, so that saving an unchanged table costs no
// rewrite of the file.
bool HallOfFame::writeSection(platform::Profile& file, int slot, const std::string& section) const {
    bool written = true;
    for (int r = 1; r <= kRanks; ++r) {
        const std::string& value = m_entries[slot][r];
        if (file.readString(section, rankKey(r), "\n") != value) {
            written = file.writeString(section, rankKey(r), value) && written;
        }
    }
    return written;
}

bool HallOfFame::save(platform::Profile& file, const std::vector<std::string>& listNames) const {
    bool written = true;
    const int count = std::min<int>(static_cast<int>(listNames.size()), kMaxLayouts);
    for (int n = 1; n <= count; ++n) {
        const auto& ranks = m_entries[n];
        const bool used = std::any_of(ranks.begin() + 1, ranks.end(),
                                      [](const std::string& entry) { return !isEmptyEntry(entry); });
        const std::string section = sectionName(listNames[n - 1]);
        if (used) {
            written = writeSection(file, n, section) && written;
        } else {
            written = file.deleteSection(section) && written;
        }
    }
    return writeSection(file, kRiversSlot, "Rivers") && written;
}

}  // namespace orbeni
