#include <benchmark/benchmark.h>

#include <filesystem>

#include "pocketquillet/game/pocket_game.h"
#include "pocketquillet/tests/test_support.h"
#include "pocketquillet/tests/view/block_text.h"
#include "pocketquillet/view/board_painter.h"

namespace {

using namespace pocketquillet;

// Pictures of the shipped sizes: the stones' stretch is the same whatever they show.
Pictures benchPictures() {
    Pictures pictures;
    pictures.stones = platform::Bitmap(450, 75, platform::rgb(230, 220, 190));
    pictures.start = platform::Bitmap(481, 221, platform::rgb(10, 20, 30));
    pictures.pattern = platform::Bitmap(25, 25, platform::kWhite);
    return pictures;
}

// A dealt full board in a window of the given size, its drawing requests handed to the painter.
struct PaintedGame {
    test::RecordingHost host;
    DeviceRandom random;
    test::ScriptedProfile profile;
    Pictures pictures = benchPictures();
    test::BlockText text;  // the painter's own work is what is measured
    PocketGame game{host, random, profile,
                    std::filesystem::temp_directory_path() / "pocketquillet-bench.QZO"};
    BoardPainter painter{game, pictures, text};

    PaintedGame(int width, int height) {
        game.startGame();
        painter.resize(width, height);
    }
};

// The whole board composed again, as after a deal or a resize.
void BM_BoardPaint(benchmark::State& state) {
    PaintedGame painted(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(painted.painter.repaintBoard());
    }
}
BENCHMARK(BM_BoardPaint)->Args({640, 420})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

// One stone drawn again in its cell, as after a pair goes.
void BM_CellPaint(benchmark::State& state) {
    PaintedGame painted(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(painted.painter.repaintCell({3, 2}));
    }
}
BENCHMARK(BM_CellPaint)->Args({640, 420})->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

}  // namespace
