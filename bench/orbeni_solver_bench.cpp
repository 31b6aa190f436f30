#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "orbeni/board/deal.h"
#include "orbeni/layouts/layout_file.h"
#include "orbeni/layouts/layout_list.h"
#include "orbeni/solver/solver.h"

// The solver with the game's limit (2 s) on every 144-tile layout of a folder: the shipped
// "Layouts", or the folder named by ORBENI_BENCH_LAYOUTS. Per layout and kind of position: winnable
// deals, fully random deals, and positions after 20, 40 and 60 pairs taken at random from a random
// deal. ORBENI_BENCH_DEALS sets how many of each (1000 for winnable deals, 200 for the others by
// default). The counters give the median, 99th percentile and worst CPU time of one answer in
// milliseconds, and how many positions stayed undecided.

namespace {

using namespace orbeni;

constexpr double kGameLimitMilliseconds = 2000;

enum class Start { WinnableDeal, RandomDeal, After20, After40, After60 };

int dealsOf(Start start) {
    const char* wanted = std::getenv("ORBENI_BENCH_DEALS");
    if (wanted != nullptr) {
        return std::max(1, std::atoi(wanted));
    }
    return start == Start::WinnableDeal ? 1000 : 200;
}

int pairsTakenFirst(Start start) {
    switch (start) {
        case Start::After20:
            return 20;
        case Start::After40:
            return 40;
        case Start::After60:
            return 60;
        default:
            return 0;
    }
}

double cpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

std::optional<LayoutTemplate> readLayout(const LayoutEntry& entry) {
    if (entry.kind == LayoutKind::Shp) {
        auto read = readShpFile(entry.file);
        return read ? std::optional(read.value()) : std::nullopt;
    }
    auto read = readLayFile(entry.file);
    return read ? std::optional(read.value().layout) : std::nullopt;
}

// Takes free matching pairs at random; stops early where none is left.
void takeRandomPairs(Board& board, int pairs, RandomGenerator& generator) {
    for (int taken = 0; taken < pairs; ++taken) {
        std::vector<TilePair> free;
        for (int a = 1; a <= kMaxTiles; ++a) {
            for (int b = a + 1; b <= kMaxTiles; ++b) {
                if (board.position(a).onBoard() && board.position(b).onBoard() &&
                    matchGroup(a) == matchGroup(b) && board.isFree(board.position(a), FreeRule::Horizontal) &&
                    board.isFree(board.position(b), FreeRule::Horizontal)) {
                    free.push_back({a, b});
                }
            }
        }
        if (free.empty()) {
            return;
        }
        const TilePair pair = free[std::size_t(generator.random(int(free.size())))];
        board.remove(pair.first);
        board.remove(pair.second);
    }
}

bool deal(Board& board, const LayoutTemplate& layout, Start start, RandomGenerator& generator,
          std::uint32_t seed) {
    if (start == Start::WinnableDeal) {
        return CreateBoard(board, layout, generator, seed, nullptr).has_value();
    }
    generator.setSeed(seed);
    reserveLayout(board, layout);
    dealFullyRandom(board, kMaxTiles, generator, nullptr);
    takeRandomPairs(board, pairsTakenFirst(start), generator);
    return true;
}

void BM_Solve(benchmark::State& state, LayoutTemplate layout, Start start) {
    Solver solver;
    RandomGenerator generator;
    std::vector<double> milliseconds;
    std::int64_t undecided = 0;
    std::int64_t unproven = 0;
    for (auto _ : state) {
        milliseconds.clear();
        for (int number = 0; number < dealsOf(start); ++number) {
            Board board;
            state.PauseTiming();
            const bool dealt = deal(board, layout, start, generator, 7919u * std::uint32_t(number + 1));
            state.ResumeTiming();
            if (!dealt) {
                state.SkipWithError("layout cannot be dealt winnable");
                return;
            }
            const double begin = cpuMilliseconds();
            SearchLimit limit;
            limit.timeUp = [begin] { return cpuMilliseconds() - begin >= kGameLimitMilliseconds; };
            const SolverResult result = solver.solve(board, FreeRule::Horizontal, limit);
            milliseconds.push_back(cpuMilliseconds() - begin);
            undecided += result.verdict == Verdict::Undecided ? 1 : 0;
            unproven += start == Start::WinnableDeal && result.verdict != Verdict::Winnable ? 1 : 0;
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters["p99_ms"] = milliseconds[milliseconds.size() * 99 / 100];
    state.counters["worst_ms"] = milliseconds.back();
    state.counters["undecided"] = double(undecided);
    if (start == Start::WinnableDeal) {
        state.counters["unproven"] = double(unproven);
    }
}

// Registers the kinds of position for each 144-tile layout found.
const bool registered = [] {
    const char* folder = std::getenv("ORBENI_BENCH_LAYOUTS");
    LayoutList list;
    list.build(folder != nullptr ? folder : ORBENI_LAYOUTS_DIR);
    const std::pair<Start, const char*> starts[] = {{Start::WinnableDeal, "WinnableDeals"},
                                                    {Start::RandomDeal, "RandomDeals"},
                                                    {Start::After20, "After20Pairs"},
                                                    {Start::After40, "After40Pairs"},
                                                    {Start::After60, "After60Pairs"}};
    for (int number = 1; number <= list.count(); ++number) {
        const LayoutEntry& entry = *list.entry(number);
        const std::optional<LayoutTemplate> layout = readLayout(entry);
        if (!layout || layout->positionCount() != kMaxTiles) {
            continue;
        }
        for (const auto& [start, name] : starts) {
            benchmark::RegisterBenchmark(("BM_Solve" + std::string(name) + "/" + entry.caption).c_str(),
                                         BM_Solve, *layout, start)
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
        }
    }
    return true;
}();

}  // namespace
