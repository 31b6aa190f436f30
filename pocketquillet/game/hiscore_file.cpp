#include "pocketquillet/game/hiscore_file.h"

#include <algorithm>

#include "platform/profile/settings_folder.h"
#include "pocketquillet/game/program_info.h"
#include "pocketquillet/game/text_encoding.h"

namespace pocketquillet {

namespace {

constexpr int kPointsTextBytes = kPointsTextUnits * 2;

// Reads a zero-terminated UTF-16LE text of at most `units` code units starting at `offset`.
std::u16string readText(std::string_view bytes, std::size_t offset, int units) {
    std::u16string text;
    for (int i = 0; i < units; ++i) {
        const std::size_t at = offset + 2 * static_cast<std::size_t>(i);
        if (at + 1 >= bytes.size()) {
            break;
        }
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                                (static_cast<unsigned char>(bytes[at + 1]) << 8));
        if (unit == 0) {
            break;
        }
        text += unit;
    }
    return text;
}

// Writes a text into a field of `units` code units, zero-filled after it.
void writeText(std::string& out, std::u16string_view text, int units) {
    for (int i = 0; i < units; ++i) {
        const char16_t unit = i < static_cast<int>(text.size()) ? text[i] : u'\0';
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    }
}

}  // namespace

HiscoreTable HiscoreTable::fromBytes(std::string_view bytes) {
    HiscoreTable table;
    for (int r = 0; r < kHiscoreEntries; ++r) {
        const auto record = static_cast<std::size_t>(r) * kHiscoreRecordBytes;
        HiscoreEntry& entry = table.m_entries[r];
        entry.pointsText = readText(bytes, record, kPointsTextUnits);
        entry.name = readText(bytes, record + kPointsTextBytes, kStoredNameUnits);
        entry.points = parseDecimal(entry.pointsText);
    }
    return table;
}

std::string HiscoreTable::toBytes() const {
    std::string out;
    out.reserve(kHiscoreEntries * kHiscoreRecordBytes);
    for (const HiscoreEntry& entry : m_entries) {
        writeText(out, entry.pointsText, kPointsTextUnits);
        writeText(out, entry.name, kStoredNameUnits);
    }
    return out;
}

int HiscoreTable::rankOf(std::uint32_t points) const {
    const auto below = std::find_if(m_entries.begin(), m_entries.end(),
                                    [points](const HiscoreEntry& entry) { return entry.points < points; });
    return static_cast<int>(std::distance(m_entries.begin(), below));
}

void HiscoreTable::insert(int rank, std::u16string_view name, std::uint32_t points) {
    if (rank < 0 || rank >= kHiscoreEntries) {
        return;
    }
    std::move_backward(m_entries.begin() + rank, m_entries.end() - 1, m_entries.end());
    const std::uint32_t stored = std::min(points, kLargestStoredPoints);
    m_entries[rank] = {decimalText(stored), std::u16string(name.substr(0, kStoredNameUnits)), stored};
}

std::filesystem::path hiscoreFilePath() {
    return platform::resolveSettingsFile(std::filesystem::path(kHiscoreFileName), kSettingsFolderName);
}

// A file that exists but cannot be read reads as an empty table and is never written in this
// run, so that its scores are not replaced by the new ones alone.
HiscoreTable readHiscoreFile(const std::filesystem::path& file) {
    const std::string bytes = platform::readFileGuarded(file).value_or(std::string());
    return HiscoreTable::fromBytes(std::string_view(bytes).substr(0, kHiscoreEntries * kHiscoreRecordBytes));
}

bool writeHiscoreFile(const std::filesystem::path& file, const HiscoreTable& table) {
    return platform::writeFileAtomically(file, table.toBytes());
}

}  // namespace pocketquillet
