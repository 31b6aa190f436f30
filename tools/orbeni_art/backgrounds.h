#pragma once

#include "fonts.h"
#include "platform/bitmap/bitmap.h"

namespace orbeni_art {

inline constexpr int kBoardWidth = 704;
inline constexpr int kBoardHeight = 468;

// A deep star field with a nebula and the Andromeda galaxy, as large as the board.
platform::Bitmap makeAndromeda();

// Jade silk with a great brush dragon character and drifting clouds, as large as the board.
platform::Bitmap makeDragons(const ArtFonts& fonts);

// A small square of characters on lacquer red that the board repeats.
platform::Bitmap makeKanji(const ArtFonts& fonts);

// The background of the hall-of-fame side panel, with room for its title, ten names and times,
// and a frame for the current tile.
platform::Bitmap makeHallOfFamePanel(const ArtFonts& fonts);

}  // namespace orbeni_art
