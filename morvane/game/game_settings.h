#pragma once

#include <array>
#include <string>

#include "morvane/game/board.h"

namespace morvane {

inline constexpr int kGroupSlots = 10;    // the file has room for ten suit and ten individual groups
inline constexpr int kMaxGroupSize = 15;  // members are the low four bits of a code
inline constexpr int kMaxGroups = 15;     // groups are the high four bits of a code
inline constexpr int kMaxTiles = 500;     // the dealing pool
inline constexpr std::size_t kBitmapPathCapacity = 300;
inline constexpr std::size_t kSoundPathCapacity = 256;

inline constexpr const char* kDefaultName = "DEFAULT";

// The tile groups: sizes[0..9] are suit groups 1..10, sizes[10..19] individual groups 1..10.
struct TileSet {
    int suits = 0;
    int indis = 0;
    std::array<int, 2 * kGroupSlots> sizes{};

    int suitSize(int group) const { return sizes[static_cast<std::size_t>(group)]; }
    int individualSize(int group) const { return sizes[static_cast<std::size_t>(kGroupSlots + group)]; }
    friend bool operator==(const TileSet&, const TileSet&) = default;
};

// Which ways out free a tile.
struct MoveRules {
    bool left = true;
    bool right = true;
    bool up = false;
    bool down = false;
    bool lift = false;
    friend bool operator==(const MoveRules&, const MoveRules&) = default;
};

enum class SoundSlot { Select, Deselect, Unfree, Mismatch, Match, Won };
inline constexpr int kSoundSlots = 6;

// Everything a game file holds, apart from its hall of fame.
struct GameSettings {
    bool layoutIsDefault = false;
    int hlimit = 1;
    int vlimit = 1;
    Board layout;

    bool bitmapIsDefault = false;
    std::string bitmapPath;
    int width = 0;
    int height = 0;
    int depth = 0;

    bool tileSetIsDefault = false;
    TileSet tileSet;

    bool soundsAreDefault = false;
    std::array<std::string, kSoundSlots> sounds;

    MoveRules rules;

    const std::string& sound(SoundSlot slot) const { return sounds[static_cast<std::size_t>(slot)]; }
    friend bool operator==(const GameSettings&, const GameSettings&) = default;
};

}  // namespace morvane
