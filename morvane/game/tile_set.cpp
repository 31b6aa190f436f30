#include "morvane/game/tile_set.h"

namespace morvane {

TileSet builtInTileSet() {
    TileSet tileSet;
    tileSet.suits = 5;
    tileSet.indis = 2;
    tileSet.sizes = {9, 9, 9, 4, 3, 0, 0, 0, 0, 0, 4, 4, 0, 0, 0, 0, 0, 0, 0, 0};
    return tileSet;
}

void applyBuiltInTileSet(GameSettings& settings) {
    settings.bitmapPath = kDefaultName;
    settings.width = 44;
    settings.height = 59;
    settings.depth = 6;
    settings.tileSet = builtInTileSet();
}

int countTiles(const TileSet& tileSet) {
    int tiles = 0;
    for (int group = 0; group < tileSet.suits && group < kGroupSlots; ++group) {
        tiles += 4 * tileSet.suitSize(group);
    }
    for (int group = 0; group < tileSet.indis && group < kGroupSlots; ++group) {
        tiles += tileSet.individualSize(group);
    }
    return tiles;
}

std::optional<std::string> tileSetProblem(const TileSet& tileSet) {
    if (tileSet.suits + tileSet.indis > kMaxGroups) {
        return "More than 15 tile groups (SUITS + INDIS)";
    }
    for (int group = 0; group < tileSet.suits; ++group) {
        if (tileSet.suitSize(group) > kMaxGroupSize) {
            return "A suit group has more than 15 tiles";
        }
    }
    for (int group = 0; group < tileSet.indis; ++group) {
        if (tileSet.individualSize(group) > kMaxGroupSize) {
            return "An individual group has more than 15 tiles";
        }
    }
    if (countTiles(tileSet) > kMaxTiles) {
        return "More than 500 tiles";
    }
    return std::nullopt;
}

bool match(const TileSet& tileSet, TileCode a, TileCode b) {
    const int group = a >> 4;
    if (group - 1 < tileSet.suits) {
        return a == b;
    }
    return group == (b >> 4);
}

}  // namespace morvane
