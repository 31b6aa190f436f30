#include <benchmark/benchmark.h>

#include "bench/morvane_silent_host.h"
#include "morvane/game/game.h"
#include "morvane/view/view_geometry.h"
#include "morvane/view/view_painter.h"

namespace {

using namespace morvane;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

// The built-in game dealt, painted with a tile picture of the built-in size.
struct DealtView {
    SilentHost host;
    Game game{host, "/nonexistent"};
    ViewPainter painter;

    DealtView() {
        game.seedRandom(1);
        game.start({});
        platform::Bitmap tiles(426, 500, platform::rgb(0, 90, 60));
        for (int y = 1; y < tiles.height(); ++y) {
            for (int x = 0; x < tiles.width(); ++x) {
                tiles.setPixel(x, y, platform::rgb(std::uint8_t(x), std::uint8_t(y), 200));
            }
        }
        painter.setTiles(std::move(tiles), {44, 59, 6});
    }
};

// A whole repaint of the full-HD view: the table and every tile scaled, as after a resize.
void BM_PaintBuiltInGameFullHd(benchmark::State& state) {
    DealtView view;
    for (auto _ : state) {
        benchmark::DoNotOptimize(view.painter.paint(view.game, kWidth, kHeight).pixels().data());
    }
}
BENCHMARK(BM_PaintBuiltInGameFullHd)->Unit(benchmark::kMillisecond);

// What a removed pair costs: the two areas it uncovered painted again, at full HD.
void BM_RepaintRemovedPairFullHd(benchmark::State& state) {
    DealtView view;
    view.painter.paint(view.game, kWidth, kHeight);
    const PlayGeometry geometry = view.painter.playGeometry(view.game, kWidth, kHeight);
    view.game.showMoves();
    const MovePair pair = view.game.moves().pair(0);
    view.game.doIt();
    for (auto _ : state) {
        for (const Position& tile : {pair.first, pair.second}) {
            const platform::Rect area = geometry.repaintRect(tile, TileRepaint::Removed);
            benchmark::DoNotOptimize(
                view.painter.paint(view.game, kWidth, kHeight, std::nullopt, area).pixels().data());
        }
    }
}
BENCHMARK(BM_RepaintRemovedPairFullHd)->Unit(benchmark::kMicrosecond);

// The hit test of one click, top layer first, over the whole board.
void BM_HitTestFullHd(benchmark::State& state) {
    DealtView view;
    const PlayGeometry geometry = view.painter.playGeometry(view.game, kWidth, kHeight);
    const GameSettings& settings = view.game.settings();
    int column = 0;
    for (auto _ : state) {
        const platform::Rect face = geometry.faceRect({column % 29, 7, 0});
        benchmark::DoNotOptimize(hitTest(view.game.playBoard(), settings.hlimit, settings.vlimit, geometry,
                                         face.x + face.width / 2, face.y + face.height / 2));
        ++column;
    }
}
BENCHMARK(BM_HitTestFullHd)->Unit(benchmark::kMicrosecond);

}  // namespace
