#include "morvane/game/hall_of_fame.h"

#include <cstdint>
#include <cstdio>

#include "morvane/game/game_settings.h"
#include "platform/profile/profile.h"

namespace morvane {

namespace {

constexpr const char* kSection = "HOF";

std::string entryKey(const char* prefix, int index) {
    return prefix + std::to_string(index + 1);
}

}  // namespace

std::string timeText(int seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
    return text;
}

int authentication(std::string_view name, int seconds) {
    int sum = 0;
    for (char c : name) {
        const int byte = static_cast<std::int8_t>(c);
        sum += 16 * (byte & 7) + (byte >> 4);
    }
    return sum + seconds * 13 / 3;
}

std::optional<std::filesystem::path> hallOfFameFile(std::string_view gameName,
                                                    std::string_view settingsFolderName) {
    if (gameName.empty()) {
        return std::nullopt;
    }
    if (gameName == kDefaultName) {
        return platform::Profile(kDefaultHallOfFameFile, settingsFolderName).path();
    }
    return std::filesystem::path(gameName);
}

HallOfFame readHallOfFame(const platform::Profile& file) {
    HallOfFame hallOfFame;
    for (int index = 0; index < kHallOfFameEntries; ++index) {
        HallOfFameEntry& entry = hallOfFame[static_cast<std::size_t>(index)];
        entry.name = file.readString(kSection, entryKey("NAME", index), "", kNameCapacity);
        if (!entry.name.empty()) {
            entry.time = file.readInt(kSection, entryKey("TIME", index), kEmptyEntryTime);
            entry.authentication = file.readInt(kSection, entryKey("AUTH", index), 0);
        }
    }
    return hallOfFame;
}

// All ten entries in one replacement of the file, so that a save cut off keeps the old list.
bool writeHallOfFame(platform::Profile& file, const HallOfFame& hallOfFame) {
    return file.writeBatch([&](platform::Profile& profile) {
        bool written = true;
        for (int index = 0; index < kHallOfFameEntries && written; ++index) {
            const HallOfFameEntry& entry = hallOfFame[static_cast<std::size_t>(index)];
            written = profile.writeString(kSection, entryKey("NAME", index), entry.name);
            if (written && !entry.name.empty()) {
                written = profile.writeInt(kSection, entryKey("TIME", index), entry.time) &&
                          profile.writeInt(kSection, entryKey("AUTH", index), entry.authentication);
            }
        }
        return written;
    });
}

std::optional<int> hallOfFamePlace(const HallOfFame& hallOfFame, int seconds) {
    // Only the last entry decides whether the win gets in; a hand-edited list is never re-sorted.
    if (seconds >= hallOfFame.back().time) {
        return std::nullopt;
    }
    for (int index = 0; index < kHallOfFameEntries; ++index) {
        if (hallOfFame[static_cast<std::size_t>(index)].time > seconds) {
            return index;
        }
    }
    return std::nullopt;
}

void insertEntry(HallOfFame& hallOfFame, int place, HallOfFameEntry entry) {
    for (int index = kHallOfFameEntries - 1; index > place; --index) {
        hallOfFame[static_cast<std::size_t>(index)] =
            std::move(hallOfFame[static_cast<std::size_t>(index - 1)]);
    }
    hallOfFame[static_cast<std::size_t>(place)] = std::move(entry);
}

HallOfFameRows hallOfFameRows(const platform::Profile& file) {
    HallOfFameRows rows;
    for (int index = 0; index < kHallOfFameEntries; ++index) {
        HallOfFameRow& row = rows[static_cast<std::size_t>(index)];
        row.name = file.readString(kSection, entryKey("NAME", index), "", kNameCapacity);
        if (!row.name.empty()) {
            row.time = timeText(file.readInt(kSection, entryKey("TIME", index), 0));
            row.authentication = file.readString(kSection, entryKey("AUTH", index), "");
        }
    }
    return rows;
}

}  // namespace morvane
