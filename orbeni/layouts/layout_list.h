#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orbeni {

enum class LayoutKind { Lay, Shp };

// One entry of the Layout menu: the caption the player sees and the file it loads.
struct LayoutEntry {
    std::string caption;
    std::filesystem::path file;
    LayoutKind kind = LayoutKind::Lay;
};

inline constexpr int kMaxLayoutEntries = 99;

// The menu caption of a ".lay" file: its first character in upper case, the rest in lower
// case, without the extension.
std::string layoutDisplayName(std::string_view fileName);

// The layouts of the "Layouts" folder in menu order, numbered from 1: the ".lay" files sorted by
// caption, then the ".shp" files. The list only grows while the program runs.
class LayoutList {
public:
    // Builds the list from a folder, and from the player's own folder when it is another one: at
    // most 99 entries, further files are ignored. A player's file stands in for a shipped one
    // that gives the same entry, as if it had been saved over it.
    void build(const std::filesystem::path& folder, const std::filesystem::path& playerFolder = {});

    int count() const { return static_cast<int>(m_entries.size()); }
    // The entry with number n (1-based); nullptr when there is none.
    const LayoutEntry* entry(int number) const;
    // The number of the entry with this caption (case matters), 0 when none has it.
    int find(std::string_view caption) const;
    // Appends an entry; its number, 0 when the list is full.
    int add(LayoutEntry entry);
    // Lets entry n load another file of the same name, one saved in the player's folder.
    void setFile(int number, std::filesystem::path file);
    // The captions in menu order, as the hall of fame names its sections.
    std::vector<std::string> captions() const;
    // The layout to start with: the stored number when a file answers to it, else layout 1 (0
    // for an empty list).
    int startingNumber(int storedNumber) const;

private:
    std::vector<LayoutEntry> m_entries;
};

}  // namespace orbeni
