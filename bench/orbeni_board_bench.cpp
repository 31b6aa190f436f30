#include <benchmark/benchmark.h>

#include <array>
#include <stdexcept>
#include <utility>

#include "orbeni/board/tiles.h"
#include "orbeni/game/game.h"
#include "orbeni/tests/test_layouts.h"
#include "orbeni/view/board_painter.h"
#include "orbeni_quiet_host.h"

namespace {

using namespace orbeni;

// A dealt 144-tile game drawn with the shipped tileset and background, as the window has it, at
// the board's own size or at twice it (a HiDPI screen).
struct DrawnGame {
    bench::QuietHost host;
    Game game{host};
    BoardPainter painter{game};

    explicit DrawnGame(bool rivers = false, int pixelScale = 1) {
        painter.setWantedPixelScale(pixelScale);
        game.layoutTemplate() = test::turtleLayout();
        if (rivers) {
            game.FourRivers();
        } else if (!game.BeginGame()) {
            throw std::runtime_error("the layout cannot be dealt");
        }
        const std::filesystem::path art = ORBENI_ART_DIR;
        if (painter.LoadTileset(art / "Tilesets" / "pai.bmp") ||
            painter.NouveauFond(art / "Backgrounds" / "dragons.bmp")) {
            throw std::runtime_error("the shipped pictures are missing: build orbeni_art first");
        }
        host.tileRedrawn = [this](int, Position place) { painter.redrawPlace(place); };
        host.boardRedrawn = [this] { painter.FullRedraw(); };
        painter.FullRedraw();
    }

    // Two free tiles that match: the pair a player would click.
    std::pair<int, int> freePair() {
        game.IsItFree();
        const FreeTiles& free = game.freeTiles();
        for (int a = 0; a < free.count; ++a) {
            for (int b = a + 1; b < free.count; ++b) {
                if (matchGroup(free.list[std::size_t(a)]) == matchGroup(free.list[std::size_t(b)])) {
                    return {free.list[std::size_t(a)], free.list[std::size_t(b)]};
                }
            }
        }
        throw std::runtime_error("the deal has no move");
    }

    // Releases the mouse over the middle of a tile's face.
    void click(int tile) {
        const Position p = game.board().position(tile);
        game.ButtonDown(MouseButton::Left, kBoardOffsetX + 20 * p.x + 6 * p.z - 26,
                        kBoardOffsetY + 25 * p.y - 6 * p.z - 34);
    }
};

// Every tile of the board composed into the 704 x 468 image.
void BM_FullRedraw(benchmark::State& state) {
    DrawnGame drawn(false, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        drawn.painter.FullRedraw();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullRedraw)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// One tile drawn again with its neighbours and copied to the board image.
void BM_OneTileRedraw(benchmark::State& state) {
    DrawnGame drawn(false, static_cast<int>(state.range(0)));
    const int tile = drawn.freePair().first;
    for (auto _ : state) {
        drawn.painter.RedrawTile(tile);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_OneTileRedraw)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The pointer moving from one free tile to another: the hover rectangle taken off one and put on
// the other.
void BM_HoverRectangle(benchmark::State& state) {
    DrawnGame drawn;
    drawn.painter.setHighlightMode(HighlightMode::RedRectangle);
    const auto [first, second] = drawn.freePair();
    std::array<Position, 2> places = {drawn.game.board().position(first),
                                      drawn.game.board().position(second)};
    int next = 0;
    for (auto _ : state) {
        const Position p = places[std::size_t(next)];
        drawn.painter.FormMouseMove(CoordX(p.x - 1, p.z - 1) + 20, CoordY(p.y - 1, p.z - 1) + 25);
        next = 1 - next;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_HoverRectangle)->Unit(benchmark::kMicrosecond);

// A matching pair clicked off, from the first click to the repainted area of the second.
void BM_PairClickToRepaint(benchmark::State& state) {
    DrawnGame drawn;
    for (auto _ : state) {
        state.PauseTiming();
        const auto [first, second] = drawn.freePair();
        state.ResumeTiming();
        drawn.click(first);
        drawn.click(second);
        benchmark::ClobberMemory();
        state.PauseTiming();
        drawn.game.Back();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PairClickToRepaint)->Unit(benchmark::kMicrosecond);

// The river between every two tiles of a face on a fresh Rivers board, the search a click asks.
void BM_RiversPathSearch(benchmark::State& state) {
    DrawnGame drawn(true);
    std::vector<std::pair<int, int>> pairs;
    for (int a = 1; a <= kMaxTiles; ++a) {
        for (int b = a + 1; b <= kMaxTiles; ++b) {
            if (drawn.game.board().position(a).onBoard() && drawn.game.board().position(b).onBoard() &&
                matchGroup(a) == matchGroup(b)) {
                pairs.emplace_back(a, b);
            }
        }
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const auto [a, b] = pairs[next];
        benchmark::DoNotOptimize(drawn.game.CanBeReached(a, b));
        next = (next + 1) % pairs.size();
    }
    state.counters["pairs"] = static_cast<double>(pairs.size());
}
BENCHMARK(BM_RiversPathSearch)->Unit(benchmark::kMicrosecond);

}  // namespace
