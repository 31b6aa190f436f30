#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace pocketquillet {

inline constexpr int kHiscoreEntries = 10;
inline constexpr std::string_view kHiscoreFileName = "HISCORE.QZO";

// One record of the file: 20 bytes of points text, then 30 bytes of name, both UTF-16LE.
inline constexpr int kHiscoreRecordBytes = 50;
inline constexpr int kPointsTextUnits = 10;
inline constexpr int kStoredNameUnits = 15;
// The points text holds nine digits and its terminating zero.
inline constexpr std::uint32_t kLargestStoredPoints = 999'999'999;

struct HiscoreEntry {
    std::u16string pointsText;
    std::u16string name;
    std::uint32_t points = 0;
};

// The ten best scores, best first.
class HiscoreTable {
public:
    // Reads records from the bytes of a file; a record the bytes do not reach stays empty, and a
    // text ends at its zero or at the end of its field.
    static HiscoreTable fromBytes(std::string_view bytes);

    // The ten records, 500 bytes.
    std::string toBytes() const;

    // The place a score would take: after every entry with as many points or more (0..10).
    int rankOf(std::uint32_t points) const;

    // Puts a score at a rank, moving the entries below down one place; the tenth drops out. The
    // name is kept as far as the file can hold it.
    void insert(int rank, std::u16string_view name, std::uint32_t points);

    const HiscoreEntry& entry(int index) const { return m_entries[static_cast<std::size_t>(index)]; }

private:
    std::array<HiscoreEntry, kHiscoreEntries> m_entries;
};

// Where "HISCORE.QZO" lives: the user's settings folder of the game.
std::filesystem::path hiscoreFilePath();

// A missing or unreadable file gives an empty table.
HiscoreTable readHiscoreFile(const std::filesystem::path& file);

// Replaces the file whole; false when it cannot be written.
bool writeHiscoreFile(const std::filesystem::path& file, const HiscoreTable& table);

}  // namespace pocketquillet
