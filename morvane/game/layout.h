#pragma once

#include "morvane/game/board.h"
#include "morvane/game/game_settings.h"

namespace morvane {

// Clears the layout and sets the 144 spaces of the built-in layout, with its limits.
void buildBuiltInLayout(GameSettings& settings);

// Sets HLIMIT and VLIMIT to the highest column and row holding a space (0 for an empty layout).
void recomputeLimits(GameSettings& settings);

int countSpaces(const Board& layout);

// The one-position shifts of design mode; spaces pushed past the edge are lost.
enum class ShiftDirection { Right, Left, Up, Down };
void shiftLayout(Board& layout, ShiftDirection direction);

}  // namespace morvane
