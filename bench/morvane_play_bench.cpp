#include <benchmark/benchmark.h>

#include "bench/morvane_silent_host.h"
#include "morvane/game/deal.h"
#include "morvane/game/free_rule.h"
#include "morvane/game/game.h"
#include "morvane/game/layout.h"
#include "morvane/game/tile_set.h"

namespace {

using namespace morvane;

void showMovesOnAFreshDeal(benchmark::State& state) {
    SilentHost host;
    Game game(host, "/opt/morvane");
    game.seedRandom(1);
    game.start({});
    for (auto _ : state) {
        game.showMoves();
        benchmark::DoNotOptimize(game.moves().length());
        game.exitShowMoves();
    }
}
BENCHMARK(showMovesOnAFreshDeal);

void dealTheBuiltInGame(benchmark::State& state) {
    GameSettings settings;
    buildBuiltInLayout(settings);
    const TileSet tileSet = builtInTileSet();
    CrtRandom random;
    Board play;
    for (auto _ : state) {
        benchmark::DoNotOptimize(deal(settings.layout, tileSet, random, play));
    }
}
BENCHMARK(dealTheBuiltInGame);

// The slowest free test: every rule on, a tile in the middle of a full board with nothing above.
void isFreeOnAFullBoard(benchmark::State& state) {
    Board play;
    for (int x = 0; x < kColumns; x += 2) {
        for (int y = 0; y < kRows; y += 2) {
            play.set(x, y, 0, 0x11);
        }
    }
    const MoveRules all{true, true, true, true, false};
    for (auto _ : state) {
        benchmark::DoNotOptimize(isFree(play, {20, 20, 0}, all, kHighestColumn, kHighestRow));
    }
}
BENCHMARK(isFreeOnAFullBoard);

}  // namespace
