#include <benchmark/benchmark.h>

#include "pocketquillet/game/board_definition.h"
#include "pocketquillet/game/connection.h"
#include "pocketquillet/game/random_source.h"

namespace {

// A full board on which no pair can go, so the search tries every pair of matching stones.
pocketquillet::BoardGrid lockedBoard() {
    pocketquillet::BoardGrid grid;
    for (int y = 0; y < pocketquillet::kRows; ++y) {
        for (int x = 0; x < pocketquillet::kColumns; ++x) {
            grid.setFace({x, y}, (5 * x + 2 * y) % 18 + 18 * (y % 2) + 1);
        }
    }
    return grid;
}

// The hint and the computer player on a board that has no pair left: the worst case of a tick.
void BM_PairSearchWithoutPair(benchmark::State& state) {
    const pocketquillet::BoardGrid grid = lockedBoard();
    for (auto _ : state) {
        benchmark::DoNotOptimize(pocketquillet::findPair(grid));
    }
}
BENCHMARK(BM_PairSearchWithoutPair);

// The search on a freshly dealt full board.
void BM_PairSearchOnDealtBoard(benchmark::State& state) {
    pocketquillet::DeviceRandom random;
    pocketquillet::BoardDefinition board;
    for (auto& lane : board.lanes) {
        lane.fill(1);
    }
    pocketquillet::BoardGrid grid;
    pocketquillet::dealStones(grid, board, random);
    for (auto _ : state) {
        benchmark::DoNotOptimize(pocketquillet::findPair(grid));
    }
}
BENCHMARK(BM_PairSearchOnDealtBoard);

}  // namespace
