#pragma once

#include <optional>
#include <string>

#include "morvane/game/board.h"
#include "morvane/game/game_settings.h"

namespace morvane {

// The built-in groups: five suits of 9, 9, 9, 4 and 3 members and two individual groups of 4.
TileSet builtInTileSet();

// Sets the built-in bitmap, its tile size and the built-in groups in one step.
void applyBuiltInTileSet(GameSettings& settings);

// The number of tiles a set deals: each suit code four times, each individual code once.
int countTiles(const TileSet& tileSet);

// Why a set cannot be dealt (codes that do not fit a byte, or more tiles than the pool holds).
std::optional<std::string> tileSetProblem(const TileSet& tileSet);

// Whether two tile codes form a pair: suit tiles only with the same code, individual tiles by group.
bool match(const TileSet& tileSet, TileCode a, TileCode b);

}  // namespace morvane
