#include "morvane/game/deal.h"

#include <array>

#include "morvane/game/tile_set.h"

namespace morvane {

namespace {

using Pool = std::array<TileCode, kMaxTiles>;

// Puts every suit code four times and every individual code once into the pool, in group order.
int fillPool(const TileSet& tileSet, Pool& pool) {
    int count = 0;
    auto add = [&](int group, int member, int copies) {
        for (int copy = 0; copy < copies && count < kMaxTiles; ++copy) {
            pool[static_cast<std::size_t>(count++)] = static_cast<TileCode>(16 * (group + 1) + member + 1);
        }
    };
    for (int group = 0; group < tileSet.suits; ++group) {
        for (int member = 0; member < tileSet.suitSize(group); ++member) {
            add(group, member, 4);
        }
    }
    for (int group = 0; group < tileSet.indis; ++group) {
        for (int member = 0; member < tileSet.individualSize(group); ++member) {
            add(tileSet.suits + group, member, 1);
        }
    }
    return count;
}

// Takes one tile from the pool: random draws first, at most 501, then the highest one left.
TileCode drawTile(Pool& pool, int count, CrtRandom& random) {
    if (count > 0) {
        for (int draws = 0; draws < 501; ++draws) {
            TileCode& entry = pool[static_cast<std::size_t>(random.rand() % count)];
            if (entry != 0) {
                const TileCode code = entry;
                entry = 0;
                return code;
            }
        }
    }
    for (int index = count - 1; index >= 0; --index) {
        TileCode& entry = pool[static_cast<std::size_t>(index)];
        if (entry != 0) {
            const TileCode code = entry;
            entry = 0;
            return code;
        }
    }
    return 0;
}

}  // namespace

DealOutcome deal(const Board& layout, const TileSet& tileSet, CrtRandom& random, Board& play) {
    Pool pool{};
    const int count = fillPool(tileSet, pool);
    play.clear();
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            for (int z = 0; z < kLayers; ++z) {
                if (layout.at(x, y, z) != 1) {
                    continue;
                }
                const TileCode code = drawTile(pool, count, random);
                if (code == 0) {
                    return DealOutcome::InsufficientTiles;
                }
                play.set(x, y, z, code);
            }
        }
    }
    return DealOutcome::Dealt;
}

}  // namespace morvane
