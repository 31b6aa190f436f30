#include <benchmark/benchmark.h>

#include <filesystem>

#include "orbeni/game/game.h"
#include "orbeni/tests/recording_host.h"
#include "orbeni/ui/painter/board_painter.h"
#include "platform/bitmap/bmp_file.h"
#include "platform/bitmap/raster_ops.h"

namespace {

using namespace orbeni;

// A tileset of plain colours in the cutting layout, and its twice-size version beside it.
std::filesystem::path writeTilesets() {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "orbeni-painter-bench";
    std::filesystem::create_directories(folder);
    platform::Bitmap tileset(kMinTilesetWidth, kMinTilesetHeight, platform::rgb(40, 90, 160));
    platform::fillRect(tileset, {138, 256, 46, 56}, platform::kBlack);
    platform::Bitmap twice(2 * tileset.width(), 2 * tileset.height());
    platform::stretchBlit(twice, twice.rect(), tileset, tileset.rect());
    platform::saveBmp(tileset, folder / "bench.bmp");
    platform::saveBmp(twice, folder / "bench@2x.bmp");
    return folder / "bench.bmp";
}

// 144 tiles on two layers, dealt, painted at the board's own size or at twice it.
struct DealtBoard {
    test::RecordingHost host;
    Game game{host};
    BoardPainter painter{game};

    explicit DealtBoard(int pixelScale) {
        for (int x = 2; x <= 24; x += 2) {
            for (int y = 2; y <= 16; y += 2) {
                game.layoutTemplate().set(x, y, 1, 1);
            }
        }
        for (int x = 6; x <= 20; x += 2) {
            for (int y = 4; y <= 14; y += 2) {
                game.layoutTemplate().set(x, y, 2, 1);
            }
        }
        game.BeginGame();
        painter.setWantedPixelScale(pixelScale);
        painter.LoadTileset(writeTilesets());
    }
};

// What a click on a tile costs the painter: one tile's area composed again and handed on.
void BM_RedrawOneTile(benchmark::State& state) {
    DealtBoard board(int(state.range(0)));
    const int tile = board.game.board().cell(Position{10, 8, 1});
    for (auto _ : state) {
        board.painter.RedrawTile(tile);
        benchmark::DoNotOptimize(board.painter.gameImage().pixels().data());
    }
}
BENCHMARK(BM_RedrawOneTile)->Arg(1)->Arg(2);

// A whole board composed again, as a new deal or a new tileset does.
void BM_FullRedraw(benchmark::State& state) {
    DealtBoard board(int(state.range(0)));
    for (auto _ : state) {
        board.painter.FullRedraw();
        benchmark::DoNotOptimize(board.painter.gameImage().pixels().data());
    }
}
BENCHMARK(BM_FullRedraw)->Arg(1)->Arg(2);

}  // namespace
