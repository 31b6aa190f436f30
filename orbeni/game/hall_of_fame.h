#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class Profile;
}

namespace orbeni {

inline constexpr int kRanks = 10;
inline constexpr int kRiversSlot = 100;
inline constexpr int kMaxLayouts = 99;

// One line of the hall-of-fame dialog.
struct HallRow {
    int rank = 0;
    std::string name;
    std::string time;
    std::string penalty;
};

// "MM:SS" of a time in seconds.
std::string formatMinutes(int seconds);

// The ten best times of every layout (slots 1..99) and of Rivers (slot 100), each entry an
// 18-character text: name, total time and penalty.
class HallOfFame {
public:
    static std::string defaultEntry(int rank);
    // A name cut or padded to eight characters (not bytes), then the two times.
    static std::string makeEntry(std::string_view name, int totalSeconds, int penaltySeconds);
    // The eight characters of an entry's name.
    static std::string entryName(std::string_view entry);
    static bool isEmptyEntry(std::string_view entry) { return entry.find("--- ") != std::string_view::npos; }
    // The total time of an entry; a damaged entry counts as slower than any game.
    static int totalTime(std::string_view entry);
    static int penaltyTime(std::string_view entry);
    static std::string sectionName(std::string_view listName);
    // The file's section of each layout of the list, one of its own for every layout.
    static std::vector<std::string> sectionNames(const std::vector<std::string>& listNames);

    const std::string& entry(int slot, int rank) const;
    int LastRank() const { return m_lastRank; }
    void clearLastRank() { m_lastRank = 0; }

    // Answers whether a game of this total time enters the slot: rank 10 must be strictly slower.
    bool qualifies(int slot, int totalSeconds) const;
    // Inserts a finished game; of equal times the smaller penalty, then the earlier game, ranks
    // first. The rank, 0 when the game fell off the end.
    int AddHall(int slot, std::string_view name, int totalSeconds, int penaltySeconds);
    // Renames the entry of the last inserted game.
    void renameLastEntry(int slot, std::string_view name);
    void resetSlot(int slot);
    std::array<HallRow, kRanks> GenerateList(int slot);
    // The slot a line of the dialog's layout list shows: the line after the layouts is Rivers.
    static int LayoutComboBoxChange(int lineIndex, int layoutCount);

    // Reads every layout's slot and Rivers; the list names say which sections belong to which slot.
    void load(const platform::Profile& file, const std::vector<std::string>& listNames);
    // Reads one layout's slot, for a layout added to the list (the names, its own included)
    // while the program runs.
    void loadSlot(const platform::Profile& file, int slot, const std::vector<std::string>& listNames);
    // Writes the used layout sections, erases the unused ones, always writes Rivers. False when
    // the file cannot be written.
    bool save(platform::Profile& file, const std::vector<std::string>& listNames) const;

private:
    static bool validSlot(int slot) { return slot >= 1 && slot <= kRiversSlot; }
    void readSection(const platform::Profile& file, int slot, const std::string& section);
    bool writeSection(platform::Profile& file, int slot, const std::string& section) const;

    std::array<std::array<std::string, kRanks + 1>, kRiversSlot + 1> m_entries{};
    int m_lastRank = 0;
};

}  // namespace orbeni
