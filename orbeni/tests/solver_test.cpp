#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "game_fixture.h"
#include "orbeni/board/deal.h"
#include "orbeni/layouts/layout_file.h"
#include "orbeni/layouts/layout_list.h"
#include "orbeni/solver/solver.h"
#include "test_layouts.h"

namespace orbeni {
namespace {

using test::GameFixture;
using test::PlacedTile;

Board boardOf(const std::vector<PlacedTile>& tiles) {
    Board board;
    for (const auto& placed : tiles) {
        board.place(placed.tile, placed.place);
    }
    return board;
}

// Plays a line on a copy of the board: every pair must match and be free when taken, and the
// board must end empty.
bool clears(Board board, const std::vector<TilePair>& line, FreeRule rule) {
    for (const TilePair& pair : line) {
        const Position first = board.position(pair.first);
        const Position second = board.position(pair.second);
        if (pair.first == pair.second || matchGroup(pair.first) != matchGroup(pair.second) ||
            !first.onBoard() || !second.onBoard() || !board.isFree(first, rule) ||
            !board.isFree(second, rule)) {
            return false;
        }
        board.remove(pair.first);
        board.remove(pair.second);
    }
    return tilesOnBoard(board).empty();
}

// Tries every order of removals, remembering the tile sets already found lost: nothing else.
bool exhaustivelyWinnable(Board& board, FreeRule rule, std::set<TileSet::Words>& lost) {
    const TileSet left = tilesOnBoard(board);
    if (left.empty()) {
        return true;
    }
    if (lost.count(left.words) != 0) {
        return false;
    }
    for (int a = 1; a <= kMaxTiles; ++a) {
        for (int b = a + 1; b <= kMaxTiles && left.contains(a); ++b) {
            const Position pa = board.position(a);
            const Position pb = board.position(b);
            if (!left.contains(b) || matchGroup(a) != matchGroup(b) || !board.isFree(pa, rule) ||
                !board.isFree(pb, rule)) {
                continue;
            }
            board.remove(a);
            board.remove(b);
            const bool won = exhaustivelyWinnable(board, rule, lost);
            board.place(a, pa);
            board.place(b, pb);
            if (won) {
                return true;
            }
        }
    }
    lost.insert(left.words);
    return false;
}

// A heap of up to 24 tiles on three layers in a small corner of the table: tiles on the table
// apart from one another, and tiles on top of them, overlapping by halves or whole.
Board randomHeap(RandomGenerator& generator) {
    Board board;
    const int tileCount = 2 * (2 + generator.random(11));
    std::vector<Position> places;
    const auto roomFor = [&](Position p) {
        for (const Position& q : places) {
            if (q.z == p.z && std::abs(q.x - p.x) < 2 && std::abs(q.y - p.y) < 2) {
                return false;
            }
        }
        return true;
    };
    while (static_cast<int>(places.size()) < tileCount) {
        Position p{1 + generator.random(12), 1 + generator.random(8), 1};
        if (!places.empty() && generator.random(3) == 0) {
            const Position below = places[std::size_t(generator.random(int(places.size())))];
            p = {below.x + generator.random(3) - 1, below.y + generator.random(3) - 1, below.z + 1};
        }
        if (p.x >= 1 && p.y >= 1 && p.z <= 3 && roomFor(p)) {
            places.push_back(p);
        }
    }
    std::vector<int> tiles;
    for (int tile = 1; tile <= tileCount; ++tile) {
        tiles.push_back(tile);
    }
    for (int i = tileCount - 1; i > 0; --i) {
        std::swap(tiles[std::size_t(i)], tiles[std::size_t(generator.random(i + 1))]);
    }
    for (int i = 0; i < tileCount; ++i) {
        board.place(tiles[std::size_t(i)], places[std::size_t(i)]);
    }
    return board;
}

TEST(Solver, HandMadePositions) {
    // Six free pairs, then two stacks whose tops each wait for the other stack's bottom.
    std::vector<PlacedTile> crossedStacks =
        GameFixture::singles({9, 10, 13, 14, 17, 18, 21, 22, 25, 26, 29, 30});
    crossedStacks.push_back({1, {20, 16, 1}});
    crossedStacks.push_back({5, {20, 16, 2}});
    crossedStacks.push_back({6, {26, 16, 1}});
    crossedStacks.push_back({2, {26, 16, 2}});
    // A row whose ends are one group: they go first, then the middle ones pair with the tiles
    // on top of them.
    std::vector<PlacedTile> row = {{1, {10, 10, 1}}, {5, {12, 10, 1}}, {6, {14, 10, 1}},
                                   {2, {16, 10, 1}}, {3, {12, 10, 2}}, {4, {14, 10, 2}}};
    const struct {
        const char* name;
        std::vector<PlacedTile> tiles;
        FreeRule rule;
        Verdict verdict;
    } cases[] = {
        {"free pairs", GameFixture::singles({1, 2, 5, 6, 109, 112}), FreeRule::Horizontal, Verdict::Winnable},
        {"flowers and seasons", GameFixture::singles({109, 113, 110, 116}), FreeRule::Horizontal,
         Verdict::Winnable},
        {"one pair stacked",
         {{1, {10, 10, 1}}, {2, {10, 10, 2}}, {5, {1, 1, 1}}, {6, {5, 1, 1}}},
         FreeRule::Horizontal,
         Verdict::Unwinnable},
        {"stacked through a tile of another group",
         {{1, {10, 10, 1}}, {5, {11, 11, 2}}, {2, {10, 10, 3}}, {6, {1, 1, 1}}},
         FreeRule::Horizontal,
         Verdict::Unwinnable},
        {"crossed stacks under six free pairs", crossedStacks, FreeRule::Horizontal, Verdict::Unwinnable},
        {"row with tops", row, FreeRule::Horizontal, Verdict::Winnable},
        // Each group's last two wait, on one side or the other, for a tile of the other group.
        {"two groups crossed in a row",
         {{1, {10, 10, 1}}, {5, {12, 10, 1}}, {2, {14, 10, 1}}, {6, {16, 10, 1}}},
         FreeRule::Horizontal,
         Verdict::Unwinnable},
        {"two groups crossed in a row, offset by half a tile",
         {{1, {10, 10, 1}},
          {5, {12, 11, 1}},
          {2, {14, 10, 1}},
          {6, {16, 9, 1}},
          {9, {1, 1, 1}},
          {10, {5, 1, 1}}},
         FreeRule::Horizontal,
         Verdict::Unwinnable},
        {"a group stacked four high",
         {{1, {10, 10, 1}}, {2, {10, 10, 2}}, {3, {10, 10, 3}}, {4, {10, 10, 4}}},
         FreeRule::Horizontal,
         Verdict::Unwinnable},
        {"a tile under the other three of its group",
         {{1, {10, 10, 1}},
          {2, {9, 10, 2}},
          {3, {11, 9, 2}},
          {4, {11, 11, 2}},
          {5, {1, 1, 1}},
          {6, {5, 1, 1}}},
         FreeRule::Horizontal,
         Verdict::Unwinnable},
        // Under the vertical rule the row is no row: every tile is free but for those covered.
        {"row with tops, vertical", row, FreeRule::Vertical, Verdict::Winnable},
        {"empty board", {}, FreeRule::Horizontal, Verdict::Winnable},
    };
    Solver solver;
    for (const auto& c : cases) {
        const Board board = boardOf(c.tiles);
        const SolverResult result = solver.solve(board, c.rule, SearchLimit{});
        EXPECT_EQ(result.verdict, c.verdict) << c.name;
        if (result.verdict == Verdict::Winnable) {
            EXPECT_TRUE(clears(board, result.line, c.rule)) << c.name;
        }
        Board copy = board;
        std::set<TileSet::Words> lost;
        EXPECT_EQ(exhaustivelyWinnable(copy, c.rule, lost), c.verdict == Verdict::Winnable) << c.name;
    }
}

TEST(Solver, AgreesWithExhaustiveSearchOnSmallHeaps) {
    RandomGenerator generator;
    generator.setSeed(2024);
    Solver solver;
    int won = 0;
    int lostCount = 0;
    for (int heap = 0; heap < 400; ++heap) {
        Board board = randomHeap(generator);
        for (const FreeRule rule : {FreeRule::Horizontal, FreeRule::Vertical}) {
            std::set<TileSet::Words> lost;
            const bool winnable = exhaustivelyWinnable(board, rule, lost);
            const SolverResult result = solver.solve(board, rule, SearchLimit{});
            ASSERT_EQ(result.verdict, winnable ? Verdict::Winnable : Verdict::Unwinnable) << "heap " << heap;
            if (winnable) {
                ASSERT_TRUE(clears(board, result.line, rule)) << "heap " << heap;
            }
            (winnable ? won : lostCount) += 1;
        }
    }
    // The heaps must try both answers often for the agreement to mean something.
    EXPECT_GT(won, 100);
    EXPECT_GT(lostCount, 50);
}

// Moves the tiles of one group into the places of others, each tile of theirs to its place.
void moveGroupInto(Board& board, int group, const std::array<Position, 4>& places) {
    for (int k = 0; k < 4; ++k) {
        const int tile = 4 * group + 1 + k;
        int other = 0;
        for (int candidate = 1; candidate <= kMaxTiles; ++candidate) {
            other = board.position(candidate) == places[std::size_t(k)] ? candidate : other;
        }
        const Position from = board.position(tile);
        board.remove(tile);
        board.remove(other);
        board.place(other, from);
        board.place(tile, places[std::size_t(k)]);
    }
}

TEST(Solver, FullBoardsWithALostGroupAreProvedLost) {
    const LayoutTemplate classic =
        readLayFile(std::filesystem::path(ORBENI_LAYOUTS_DIR) / "Classic.lay").value().layout;
    RandomGenerator generator;
    // The turtle's middle stacks are four high. In the crossed ones, each top waits for a tile of
    // its group that lies under it or under the other top.
    const std::array<std::array<Position, 4>, 2> stacked{
        {{{{13, 8, 1}, {13, 8, 2}, {13, 8, 3}, {13, 8, 4}}}, {}}};
    const std::array<std::array<Position, 4>, 2> crossed{
        {{{{13, 8, 1}, {13, 8, 3}, {15, 8, 2}, {15, 8, 4}}},
         {{{13, 8, 2}, {13, 8, 4}, {15, 8, 1}, {15, 8, 3}}}}};
    const struct {
        const char* name;
        int groups;
        std::array<std::array<Position, 4>, 2> places;
    } cases[] = {
        {"a group stacked four high", 1, stacked},
        {"two groups crossed in two stacks", 2, crossed},
    };
    Solver solver;
    for (const auto& c : cases) {
        for (std::uint32_t deal = 1; deal <= 3; ++deal) {
            Board board;
            ASSERT_TRUE(CreateBoard(board, classic, generator, deal, nullptr));
            for (int k = 0; k < c.groups; ++k) {
                moveGroupInto(board, 7 + k, c.places[std::size_t(k)]);
            }
            const SolverResult result = solver.solve(board, FreeRule::Horizontal, SearchLimit{});
            EXPECT_EQ(result.verdict, Verdict::Unwinnable) << c.name << " deal " << deal;
            EXPECT_LT(result.nodes, 100000) << c.name << " deal " << deal;
        }
    }
}

TEST(Solver, EveryWinnableDealOfTheShippedLayoutsIsSolved) {
    LayoutList list;
    list.build(ORBENI_LAYOUTS_DIR);
    ASSERT_GE(list.count(), 9);
    Solver solver;
    RandomGenerator generator;
    for (int number = 1; number <= list.count(); ++number) {
        const LayoutEntry& entry = *list.entry(number);
        const LayoutTemplate layout = entry.kind == LayoutKind::Shp ? readShpFile(entry.file).value()
                                                                    : readLayFile(entry.file).value().layout;
        for (std::uint32_t deal = 1; deal <= 4; ++deal) {
            Board board;
            ASSERT_TRUE(CreateBoard(board, layout, generator, 100 * deal + std::uint32_t(number), nullptr));
            const SolverResult result = solver.solve(board, FreeRule::Horizontal, SearchLimit{});
            ASSERT_EQ(result.verdict, Verdict::Winnable) << entry.caption << " deal " << deal;
            EXPECT_TRUE(clears(board, result.line, FreeRule::Horizontal)) << entry.caption;
        }
    }
}

TEST(Solver, AnExhaustedBudgetLeavesTheQuestionOpen) {
    // A full heap dealt at random: more than one position to look at, whatever the answer.
    Board board;
    RandomGenerator generator;
    generator.setSeed(77);
    reserveLayout(board, test::turtleLayout());
    dealFullyRandom(board, kMaxTiles, generator, nullptr);
    Solver solver;
    SearchLimit oneNode;
    oneNode.maxNodes = 1;
    EXPECT_EQ(solver.solve(board, FreeRule::Horizontal, oneNode).verdict, Verdict::Undecided);

    int looks = 0;
    SearchLimit clock;
    clock.timeUp = [&looks] { return ++looks >= 1; };
    const SolverResult timed = solver.solve(board, FreeRule::Horizontal, clock);
    if (timed.nodes > 256) {
        EXPECT_EQ(timed.verdict, Verdict::Undecided);
        EXPECT_EQ(looks, 1);
    }
    // Without a limit the same board gets its answer, and a search leaves the solver as it was.
    const SolverResult full = solver.solve(board, FreeRule::Horizontal, SearchLimit{});
    EXPECT_NE(full.verdict, Verdict::Undecided);
    EXPECT_EQ(solver.solve(board, FreeRule::Horizontal, SearchLimit{}).verdict, full.verdict);
}

}  // namespace
}  // namespace orbeni
