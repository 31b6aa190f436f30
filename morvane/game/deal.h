#pragma once

#include "morvane/game/board.h"
#include "morvane/game/crt_random.h"
#include "morvane/game/game_settings.h"

namespace morvane {

enum class DealOutcome { Dealt, InsufficientTiles };

inline constexpr const char* kInsufficientTilesText = "Insufficient tiles defined for layout!!";

// Empties the play board and fills its tile spaces with draws from the generator. When the pool
// runs dry the deal stops there, leaving the remaining spaces empty.
DealOutcome deal(const Board& layout, const TileSet& tileSet, CrtRandom& random, Board& play);

}  // namespace morvane
