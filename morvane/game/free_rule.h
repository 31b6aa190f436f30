#pragma once

#include "morvane/game/board.h"
#include "morvane/game/game_settings.h"

namespace morvane {

// Whether the tile anchored at p of the play board may be taken: nothing overlaps it from above,
// and lifting is allowed or one whole lane to the board's edge is empty on its own layer.
bool isFree(const Board& play, const Position& p, const MoveRules& rules, int hlimit, int vlimit);

}  // namespace morvane
