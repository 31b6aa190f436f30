#pragma once

namespace orbeni {

inline constexpr int kMaxTiles = 144;

// The face a tile shows (1..42): four copies of each suit and honour face, one of each flower
// and season.
constexpr int faceOf(int tile) {
    if (tile <= 108) {
        return (tile - 1) / 4 + 1;
    }
    if (tile <= 116) {
        return tile - 109 + 28;
    }
    return (tile - 117) / 4 + 36;
}

// Tiles of one group of four match each other; so any flower matches any flower.
constexpr int matchGroup(int tile) {
    return (tile - 1) / 4;
}

}  // namespace orbeni
