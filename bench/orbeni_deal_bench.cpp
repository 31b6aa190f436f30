#include <benchmark/benchmark.h>

#include "orbeni/board/deal.h"
#include "orbeni/game/game.h"
#include "orbeni/tests/test_layouts.h"
#include "orbeni_quiet_host.h"

namespace {

using namespace orbeni;

using bench::QuietHost;

void BM_FullyRandomDeal(benchmark::State& state) {
    const LayoutTemplate layout = test::turtleLayout();
    RandomGenerator generator;
    for (auto _ : state) {
        Board board;
        reserveLayout(board, layout);
        dealFullyRandom(board, 144, generator, nullptr);
        benchmark::DoNotOptimize(board);
    }
}
BENCHMARK(BM_FullyRandomDeal)->Unit(benchmark::kMicrosecond);

void BM_CreateBoard(benchmark::State& state) {
    const LayoutTemplate layout = test::turtleLayout();
    RandomGenerator generator;
    std::uint32_t time = 1;
    for (auto _ : state) {
        Board board;
        benchmark::DoNotOptimize(CreateBoard(board, layout, generator, time++, nullptr));
    }
}
BENCHMARK(BM_CreateBoard)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ShuffleBoard(benchmark::State& state) {
    QuietHost host;
    Game game(host);
    game.layoutTemplate() = test::turtleLayout();
    game.BeginGame();
    for (auto _ : state) {
        game.ShuffleBoard();
    }
}
BENCHMARK(BM_ShuffleBoard)->Unit(benchmark::kMillisecond);

void BM_IsItFree(benchmark::State& state) {
    QuietHost host;
    Game game(host);
    game.layoutTemplate() = test::turtleLayout();
    game.BeginGame();
    for (auto _ : state) {
        game.IsItFree();
        benchmark::DoNotOptimize(game.freeTiles().movesLeft);
    }
}
BENCHMARK(BM_IsItFree)->Unit(benchmark::kMicrosecond);

void BM_WhatTileThere(benchmark::State& state) {
    QuietHost host;
    Game game(host);
    game.layoutTemplate() = test::turtleLayout();
    game.BeginGame();
    int px = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.board().WhatTileThere(200 + px % 300, 150 + px % 200));
        ++px;
    }
}
BENCHMARK(BM_WhatTileThere)->Unit(benchmark::kMicrosecond);

// A search on a full board from a corner tile to an enclosed one: every route round the band is
// tried and none arrives.
void BM_CanBeReached(benchmark::State& state) {
    QuietHost host;
    Game game(host);
    game.FourRivers();
    const int start = game.board().cell(4, 5, 1);
    const int target = game.board().cell(18, 11, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.CanBeReached(start, target));
    }
}
BENCHMARK(BM_CanBeReached)->Unit(benchmark::kMicrosecond);

}  // namespace
