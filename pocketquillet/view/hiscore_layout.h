#pragma once

#include "pocketquillet/game/hiscore_view.h"

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
inline constexpr int kTableWidth = 400;
inline constexpr int kTableBottomGap = 8;
// The view closes by itself after this time; the name entry waits for the player.
inline constexpr int kHiscoreViewSeconds = 16;

// The top of a row of the view, by its rank from 1.
constexpr int rowTop(int rank) {
    return kFirstRowY + kRowHeight * (rank - 1);
}

// Scores of the running game stand out from the stored ones.
constexpr Rgb rowColour(RowSource source) {
    return source == RowSource::RunningGame ? kRunningGameRowColour : kStoredRowColour;
}

}  // namespace pocketquillet
