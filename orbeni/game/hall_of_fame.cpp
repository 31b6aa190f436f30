#include "orbeni/game/hall_of_fame.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <map>
#include <set>

#include "platform/profile/profile.h"

namespace orbeni {

namespace {

constexpr int kUnreadableTime = 9999;
constexpr std::size_t kNameCharacters = 8;

bool continuesCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The bytes of the first `characters` characters of a UTF-8 text; a cut never splits a letter.
std::size_t bytesOfCharacters(std::string_view text, std::size_t characters) {
    std::size_t bytes = 0;
    for (std::size_t counted = 0; bytes < text.size() && counted < characters; ++counted) {
        ++bytes;
        while (bytes < text.size() && continuesCharacter(text[bytes])) {
            ++bytes;
        }
    }
    return bytes;
}

// A name cut or padded with blanks to eight characters.
std::string nameField(std::string_view name) {
    std::string field(name.substr(0, bytesOfCharacters(name, kNameCharacters)));
    std::size_t characters = 0;
    for (const char byte : field) {
        characters += continuesCharacter(byte) ? 0 : 1;
    }
    field.append(kNameCharacters - characters, ' ');
    return field;
}

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
    return nameField(name) + " " + widthFour(totalSeconds) + " " + widthFour(penaltySeconds);
}

std::string HallOfFame::entryName(std::string_view entry) {
    return std::string(entry.substr(0, bytesOfCharacters(entry, kNameCharacters)));
}

// The times follow the eight characters of the name, whatever bytes those take.
int HallOfFame::totalTime(std::string_view entry) {
    return numberAt(entry, bytesOfCharacters(entry, kNameCharacters) + 1);
}
int HallOfFame::penaltyTime(std::string_view entry) {
    return numberAt(entry, bytesOfCharacters(entry, kNameCharacters) + 6);
}

std::string HallOfFame::sectionName(std::string_view listName) {
    std::string section(listName);
    std::erase(section, ' ');
    return section;
}

namespace {

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

// Every layout keeps the section of its name without spaces, unless another name of the list
// comes to the same one (the file does not tell letter case apart): then a name with spaces
// takes its own name as it is, so that both keep their entries; a number ends any tie left.
std::vector<std::string> HallOfFame::sectionNames(const std::vector<std::string>& listNames) {
    std::map<std::string, int> plainUses;
    for (const std::string& name : listNames) {
        ++plainUses[lowerCase(sectionName(name))];
    }
    std::vector<std::string> sections;
    std::set<std::string> taken{"rivers"};
    for (const std::string& name : listNames) {
        const std::string plain = sectionName(name);
        std::string section = plainUses[lowerCase(plain)] > 1 && plain != name ? name : plain;
        const std::string base = section;
        for (int suffix = 2; taken.contains(lowerCase(section)); ++suffix) {
            section = base + " " + std::to_string(suffix);
        }
        taken.insert(lowerCase(section));
        sections.push_back(section);
    }
    return sections;
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
    entry = makeEntry(name, totalTime(entry), penaltyTime(entry));
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
        rows[r - 1] =
            HallRow{r, entryName(entry), formatMinutes(totalTime(entry)), formatMinutes(penaltyTime(entry))};
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
    const std::vector<std::string> sections = sectionNames(listNames);
    const int count = std::min<int>(static_cast<int>(listNames.size()), kMaxLayouts);
    for (int n = 1; n <= count; ++n) {
        readSection(file, n, sections[std::size_t(n - 1)]);
    }
    readSection(file, kRiversSlot, "Rivers");
}

// A layout that takes a section another layout of the list had until now starts with empty
// entries: the ones stored there are that other layout's, which the next save moves.
void HallOfFame::loadSlot(const platform::Profile& file, int slot,
                          const std::vector<std::string>& listNames) {
    if (slot < 1 || slot > kMaxLayouts || slot > static_cast<int>(listNames.size())) {
        return;
    }
    const std::vector<std::string> before = sectionNames({listNames.begin(), listNames.begin() + (slot - 1)});
    const std::string section = sectionNames(listNames)[std::size_t(slot - 1)];
    const bool heldByAnother = std::any_of(before.begin(), before.end(), [&](const std::string& other) {
        return lowerCase(other) == lowerCase(section);
    });
    if (heldByAnother) {
        resetSlot(slot);
    } else {
        readSection(file, slot, section);
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

// Every layout's section in one replacement of the file: a save cut off keeps the old scores.
bool HallOfFame::save(platform::Profile& file, const std::vector<std::string>& listNames) const {
    const std::vector<std::string> sections = sectionNames(listNames);
    const int count = std::min<int>(static_cast<int>(listNames.size()), kMaxLayouts);
    return file.writeBatch([&](platform::Profile& profile) {
        bool written = true;
        for (int n = 1; n <= count; ++n) {
            const auto& ranks = m_entries[n];
            const bool used = std::any_of(ranks.begin() + 1, ranks.end(),
                                          [](const std::string& entry) { return !isEmptyEntry(entry); });
            const std::string& section = sections[std::size_t(n - 1)];
            written = (used ? writeSection(profile, n, section) : profile.deleteSection(section)) && written;
        }
        return writeSection(profile, kRiversSlot, "Rivers") && written;
    });
}

}  // namespace orbeni
