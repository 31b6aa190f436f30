#include "morvane/gamefile/game_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <string_view>
#include <system_error>

#include "morvane/game/layout.h"
#include "morvane/game/sounds.h"
#include "morvane/game/tile_set.h"
#include "platform/profile/profile.h"

namespace morvane {

namespace {

constexpr std::size_t kRowCapacity = 100;

// The sound keys in slot order (select, deselect, unfree, mismatch, match, won).
constexpr const char* kSoundKeys[kSoundSlots] = {"SELECT", "DESELECT", "UNFREE", "MISMATCH", "MATCH", "WON"};
// The order in which the writer emits them.
constexpr SoundSlot kSoundWriteOrder[kSoundSlots] = {SoundSlot::Select, SoundSlot::Deselect, SoundSlot::Match,
                                                     SoundSlot::Unfree, SoundSlot::Mismatch, SoundSlot::Won};

std::string rowKey(int y, int z) {
    char key[16];
    std::snprintf(key, sizeof key, "ROW%02d%02d", y, z);
    return key;
}

std::string groupSizeKey(int index) {
    char key[16];
    std::snprintf(key, sizeof key, "SUITSIZE%02d", index);
    return key;
}

void readRules(const platform::Profile& file, MoveRules& rules) {
    rules.left = file.readInt("GAME", "MOVELEFT", 1) != 0;
    rules.right = file.readInt("GAME", "MOVERIGHT", 1) != 0;
    rules.up = file.readInt("GAME", "MOVEUP", 1) != 0;
    rules.down = file.readInt("GAME", "MOVEDOWN", 1) != 0;
    rules.lift = file.readInt("GAME", "MOVELIFT", 0) != 0;
}

void readLayout(const platform::Profile& file, GameSettings& settings) {
    if (file.readInt("LAYOUT", "DEFAULT", 0) != 0) {
        settings.layoutIsDefault = true;
        buildBuiltInLayout(settings);
        return;
    }
    settings.layout.clear();
    settings.hlimit = std::clamp(file.readInt("LAYOUT", "HLIMIT", 1), 0, kHighestColumn);
    settings.vlimit = std::clamp(file.readInt("LAYOUT", "VLIMIT", 1), 0, kHighestRow);
    for (int y = 0; y <= settings.vlimit; ++y) {
        for (int z = 0; z < kLayers; ++z) {
            const std::string row = file.readString("LAYOUT", rowKey(y, z), "", kRowCapacity);
            const int length = std::min(static_cast<int>(row.size()), settings.hlimit + 1);
            for (int x = 0; x < length; ++x) {
                settings.layout.set(x, y, z, row[static_cast<std::size_t>(x)] == '1' ? 1 : 0);
            }
        }
    }
}

void readGroups(const platform::Profile& file, TileSet& tileSet) {
    tileSet.suits = std::clamp(file.readInt("TILE", "SUITS", 0), 0, kGroupSlots);
    tileSet.indis = std::clamp(file.readInt("TILE", "INDIS", 0), 0, kGroupSlots);
    for (int index = 0; index < 2 * kGroupSlots; ++index) {
        tileSet.sizes[static_cast<std::size_t>(index)] =
            std::max(0, file.readInt("TILE", groupSizeKey(index), 0));
    }
}

void readTileSet(const platform::Profile& file, GameSettings& settings) {
    const bool defaultBitmap = file.readInt("TILE", "DEFAULTBITMAP", 0) != 0;
    const std::string path =
        defaultBitmap ? kDefaultName : file.readString("TILE", "FILE", "", kBitmapPathCapacity);
    settings.bitmapIsDefault = path == kDefaultName;
    if (settings.bitmapIsDefault) {
        applyBuiltInTileSet(settings);
    } else {
        settings.bitmapPath = path;
        settings.width = file.readInt("TILE", "WIDTH", 0);
        settings.height = file.readInt("TILE", "HEIGHT", 0);
        settings.depth = file.readInt("TILE", "DEPTH", 0);
    }
    // With a custom bitmap the built-in groups still need setting here.
    settings.tileSetIsDefault = file.readInt("TILE", "DEFAULT", 0) == 1;
    if (settings.tileSetIsDefault) {
        settings.tileSet = builtInTileSet();
    } else {
        readGroups(file, settings.tileSet);
    }
}

void readSounds(const platform::Profile& file, const std::filesystem::path& programFolder,
                GameSettings& settings) {
    settings.soundsAreDefault = file.readInt("SOUND", "DEFAULT", 0) != 0;
    if (settings.soundsAreDefault) {
        applyBuiltInSounds(settings, programFolder);
        return;
    }
    for (int slot = 0; slot < kSoundSlots; ++slot) {
        settings.sounds[static_cast<std::size_t>(slot)] =
            file.readString("SOUND", kSoundKeys[slot], "", kSoundPathCapacity);
    }
}

bool writeLayout(platform::Profile& file, const GameSettings& settings) {
    if (settings.layoutIsDefault) {
        return file.writeString("LAYOUT", "DEFAULT", "1");
    }
    bool written = file.writeInt("LAYOUT", "HLIMIT", settings.hlimit) &&
                   file.writeInt("LAYOUT", "VLIMIT", settings.vlimit);
    for (int y = 0; y <= settings.vlimit && written; ++y) {
        for (int z = 0; z < kLayers && written; ++z) {
            std::string row;
            for (int x = 0; x <= settings.hlimit; ++x) {
                row += static_cast<char>('0' + settings.layout.at(x, y, z));
            }
            if (row.find_first_not_of('0') != std::string::npos) {
                written = file.writeString("LAYOUT", rowKey(y, z), row);
            }
        }
    }
    return written;
}

bool writeTileSet(platform::Profile& file, const GameSettings& settings) {
    bool written = true;
    if (settings.bitmapIsDefault) {
        written = file.writeString("TILE", "FILE", kDefaultName);
    } else {
        written = file.writeString("TILE", "FILE", settings.bitmapPath) &&
                  file.writeInt("TILE", "WIDTH", settings.width) &&
                  file.writeInt("TILE", "HEIGHT", settings.height) &&
                  file.writeInt("TILE", "DEPTH", settings.depth);
    }
    if (settings.tileSetIsDefault) {
        return written && file.writeString("TILE", "DEFAULT", "1");
    }
    written = written && file.writeInt("TILE", "SUITS", settings.tileSet.suits) &&
              file.writeInt("TILE", "INDIS", settings.tileSet.indis);
    for (int index = 0; index < 2 * kGroupSlots && written; ++index) {
        written = file.writeInt("TILE", groupSizeKey(index),
                                settings.tileSet.sizes[static_cast<std::size_t>(index)]);
    }
    return written;
}

bool writeSounds(platform::Profile& file, const GameSettings& settings) {
    if (settings.soundsAreDefault) {
        return file.writeString("SOUND", "DEFAULT", "1");
    }
    bool written = true;
    for (SoundSlot slot : kSoundWriteOrder) {
        written =
            written && file.writeString("SOUND", kSoundKeys[static_cast<int>(slot)], settings.sound(slot));
    }
    return written;
}

bool writeRules(platform::Profile& file, const MoveRules& rules) {
    auto flag = [](bool on) { return on ? "1" : "0"; };
    return file.writeString("GAME", "MOVELEFT", flag(rules.left)) &&
           file.writeString("GAME", "MOVERIGHT", flag(rules.right)) &&
           file.writeString("GAME", "MOVEUP", flag(rules.up)) &&
           file.writeString("GAME", "MOVEDOWN", flag(rules.down)) &&
           file.writeString("GAME", "MOVELIFT", flag(rules.lift));
}

}  // namespace

GameSettings readGameFile(const std::filesystem::path& file, const std::filesystem::path& programFolder) {
    // A folder holds no game: it reads as a missing file.
    std::error_code error;
    const platform::Profile profile(std::filesystem::is_directory(file, error) ? std::filesystem::path()
                                                                               : file);
    GameSettings settings;
    readRules(profile, settings.rules);
    readLayout(profile, settings);
    readTileSet(profile, settings);
    readSounds(profile, programFolder, settings);
    return settings;
}

bool writeGameFile(const std::filesystem::path& file, const GameSettings& settings) {
    // Saving starts the game afresh, hall of fame included: the new file is made as from nothing
    // and replaces the old one in one step, so a save that fails keeps the old game whole.
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) {
        return false;
    }
    return platform::Profile(file).writeBatch(
        [&](platform::Profile& profile) {
            return writeLayout(profile, settings) && writeTileSet(profile, settings) &&
                   writeSounds(profile, settings) && writeRules(profile, settings.rules);
        },
        platform::Profile::BatchStart::FromEmpty);
}

std::optional<std::string> gameFileProblem(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error) || !std::ifstream(file).good()) {
        return "the file cannot be read";
    }
    const std::vector<std::string> sections = platform::Profile(file).sections();
    constexpr std::string_view kGameSections[] = {"LAYOUT", "TILE", "SOUND", "GAME"};
    const bool holdsAGame = std::any_of(sections.begin(), sections.end(), [&](const std::string& section) {
        return std::any_of(std::begin(kGameSections), std::end(kGameSections), [&](std::string_view name) {
            return std::equal(section.begin(), section.end(), name.begin(), name.end(), [](char a, char b) {
                return std::toupper(static_cast<unsigned char>(a)) == b;
            });
        });
    });
    if (!holdsAGame) {
        return "it holds no LAYOUT, TILE, SOUND or GAME section";
    }
    return std::nullopt;
}

}  // namespace morvane
