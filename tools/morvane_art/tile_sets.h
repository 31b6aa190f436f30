#pragma once

#include <vector>

#include "common/bmp4.h"
#include "tile_bitmap.h"

namespace morvane_art {

// The built-in set: ivory tiles with brown edges on a green table, stored with 16 colours.
// Rows: pearls, reeds and numerals 1..9, the four winds, the three emblems, then the seasons
// and the moons, whose members match any other of their row.
TileStyle builtInStyle();
const art_common::Palette16& builtInPalette();
std::vector<GroupRow> builtInGroups();

// The two sample games' sets: black lacquer tiles with gold inks on a night-blue table for
// Lantern, thick celadon stone tiles on a slate terrace for Terrace.
TileStyle lanternStyle();
std::vector<GroupRow> lanternGroups();
TileStyle terraceStyle();
std::vector<GroupRow> terraceGroups();

}  // namespace morvane_art
