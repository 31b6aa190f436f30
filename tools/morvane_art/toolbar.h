#pragma once

#include "common/fonts.h"
#include "platform/bitmap/bitmap.h"

namespace morvane_art {

inline constexpr int kToolbarPictures = 29;
inline constexpr int kButtonWidth = 16;
inline constexpr int kButtonHeight = 15;

// The strip of button pictures in the tool bar's order: Load Game, New Game, Restart Game, Undo,
// Set Bookmark 1..4, Go To Bookmark 1..4, Show Moves, Next, Previous, Do it!, Exit Show Moves,
// Enter Design Mode, Shift right, left, up, down, Insert mode, Remove mode, Clear Board, Edit
// Settings, Save Game, Exit Design Mode, On-Line Manual.
platform::Bitmap makeToolbar(const art_common::ArtFonts& fonts);

}  // namespace morvane_art
