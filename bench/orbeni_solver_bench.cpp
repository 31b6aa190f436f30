#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "orbeni/board/deal.h"
#include "orbeni/layouts/layout_file.h"
#include "orbeni/layouts/layout_list.h"
#include "orbeni/solver/solver.h"

// The solver on winnable deals of every 144-tile layout of a folder: the shipped "Layouts", or
// the folder named by ORBENI_BENCH_LAYOUTS. Each layout is dealt 1000 times; the counters give the
// median, 99th percentile and worst solving time in milliseconds, the deals slower than 200 ms and
// than 2 s, and the deals not proven winnable.

namespace {

using namespace orbeni;

constexpr int kDealsPerLayout = 1000;

std::optional<LayoutTemplate> readLayout(const LayoutEntry& entry) {
    if (entry.kind == LayoutKind::Shp) {
        auto read = readShpFile(entry.file);
        return read ? std::optional(read.value()) : std::nullopt;
    }
    auto read = readLayFile(entry.file);
    return read ? std::optional(read.value().layout) : std::nullopt;
}

void BM_SolveWinnableDeals(benchmark::State& state, LayoutTemplate layout) {
    Solver solver;
    RandomGenerator generator;
    std::vector<double> milliseconds;
    std::int64_t unproven = 0;
    std::int64_t mostNodes = 0;
    for (auto _ : state) {
        milliseconds.clear();
        for (int deal = 0; deal < kDealsPerLayout; ++deal) {
            Board board;
            state.PauseTiming();
            const bool dealt =
                CreateBoard(board, layout, generator, 7919u * std::uint32_t(deal + 1), nullptr).has_value();
            state.ResumeTiming();
            if (!dealt) {
                state.SkipWithError("layout cannot be dealt winnable");
                return;
            }
            const auto start = std::chrono::steady_clock::now();
            const SolverResult result = solver.solve(board, FreeRule::Horizontal, SearchLimit{});
            const auto end = std::chrono::steady_clock::now();
            milliseconds.push_back(std::chrono::duration<double, std::milli>(end - start).count());
            unproven += result.verdict == Verdict::Winnable ? 0 : 1;
            mostNodes = std::max(mostNodes, result.nodes);
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    const auto dealsOver = [&](double limit) {
        return double(milliseconds.end() - std::upper_bound(milliseconds.begin(), milliseconds.end(), limit));
    };
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters["p99_ms"] = milliseconds[milliseconds.size() * 99 / 100];
    state.counters["worst_ms"] = milliseconds.back();
    // The deals past the worst time aimed at, and past the time the game waits for an answer.
    state.counters["over_200ms"] = dealsOver(200);
    state.counters["over_2s"] = dealsOver(2000);
    state.counters["unproven"] = double(unproven);
    state.counters["most_nodes"] = double(mostNodes);
}

// Registers one benchmark per 144-tile layout found.
const bool registered = [] {
    const char* folder = std::getenv("ORBENI_BENCH_LAYOUTS");
    LayoutList list;
    list.build(folder != nullptr ? folder : ORBENI_LAYOUTS_DIR);
    for (int number = 1; number <= list.count(); ++number) {
        const LayoutEntry& entry = *list.entry(number);
        const std::optional<LayoutTemplate> layout = readLayout(entry);
        if (layout && layout->positionCount() == kMaxTiles) {
            benchmark::RegisterBenchmark(("BM_SolveWinnableDeals/" + entry.caption).c_str(),
                                         BM_SolveWinnableDeals, *layout)
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
        }
    }
    return true;
}();

}  // namespace
