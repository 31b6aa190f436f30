#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "pocketquillet/game/hiscore_file.h"

namespace pocketquillet {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kStoredRowColour{0, 128, 0};
inline constexpr Rgb kRunningGameRowColour{0, 128, 128};

// Where the view dialog draws its columns and rows, in its fixed 12-pixel font.
inline constexpr int kRankColumnX = 10;
inline constexpr int kPointsColumnX = 50;
inline constexpr int kNameColumnX = 160;
inline constexpr int kFirstRowY = 35;
inline constexpr int kRowHeight = 12;
// The view closes by itself after this time; the name entry waits for the player.
inline constexpr int kHiscoreViewSeconds = 16;

struct HiscoreRow {
    int rank = 0;  // 1..10
    int top = 0;
    std::u16string pointsText;
    std::u16string name;
    Rgb colour = kStoredRowColour;
};

// A score of the game still being played, shown among the stored ones.
struct RunningScore {
    std::uint32_t points = 0;
    std::u16string name;
};

// What the "View Hiscores" dialog shows: a headline (may be empty) and ten rows.
struct HiscoreView {
    std::string headline;
    std::array<HiscoreRow, kHiscoreEntries> rows;
};

// Builds the ten rows of the view: the stored entries, with the running game's scores that are
// not 0 placed where they rank (below equal stored scores, higher first); the rows below move
// down and the last ones fall off.
std::array<HiscoreRow, kHiscoreEntries> hiscoreRows(const HiscoreTable& table,
                                                    std::span<const RunningScore> running);

}  // namespace pocketquillet
