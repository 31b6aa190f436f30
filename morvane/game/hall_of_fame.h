#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "morvane/game/host.h"

namespace platform {
class Profile;
}

namespace morvane {

inline constexpr int kHallOfFameEntries = 10;
inline constexpr int kEmptyEntryTime = 32767;  // an empty entry is beaten by any time below it
inline constexpr std::size_t kNameCapacity = 50;
inline constexpr const char* kAnonymousName = "* ANONYMOUS *";
inline constexpr const char* kDefaultHallOfFameFile = "MORVAN.INI";

struct HallOfFameEntry {
    std::string name;  // empty for an empty entry
    int time = kEmptyEntryTime;
    int authentication = 0;
};
using HallOfFame = std::array<HallOfFameEntry, kHallOfFameEntries>;

// "%d:%02d" minutes and seconds.
std::string timeText(int seconds);

// The number shown beside an entry, from the name's bytes taken as signed and the time.
int authentication(std::string_view name, int seconds);

// The hall-of-fame file of a game: MORVAN.INI in the settings folder for the built-in game, the
// game file itself otherwise, none for a game without a name.
std::optional<std::filesystem::path> hallOfFameFile(std::string_view gameName,
                                                    std::string_view settingsFolderName);

HallOfFame readHallOfFame(const platform::Profile& file);
bool writeHallOfFame(platform::Profile& file, const HallOfFame& hallOfFame);

// The 0-based place a win in this time takes, after every entry as fast; none when too slow.
std::optional<int> hallOfFamePlace(const HallOfFame& hallOfFame, int seconds);
// Puts an entry at a place, moving the later ones down; the last drops out.
void insertEntry(HallOfFame& hallOfFame, int place, HallOfFameEntry entry);

// The rows of the hall-of-fame dialog, read straight from the file.
HallOfFameRows hallOfFameRows(const platform::Profile& file);

}  // namespace morvane
