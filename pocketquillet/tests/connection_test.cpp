#include "pocketquillet/game/connection.h"

#include <gtest/gtest.h>

#include <vector>

#include "pocketquillet/tests/test_support.h"

namespace pocketquillet {
namespace {

using test::gridFrom;

constexpr std::uint32_t kFactor = 10;

TEST(ConnectionTest, FacesMatchWithinTheirGroup) {
    struct Case {
        int first;
        int second;
        bool match;
    };
    const Case cases[] = {{1, 1, true},   {1, 2, false},  {34, 34, true},  {34, 35, false},
                          {36, 38, true}, {35, 38, true}, {38, 39, false}, {39, 42, true},
                          {42, 40, true}, {0, 0, false},  {43, 43, false}};
    for (const Case c : cases) {
        EXPECT_EQ(facesMatch(c.first, c.second), c.match) << c.first << " / " << c.second;
    }
}

TEST(ConnectionTest, KindAndPointsOfEachWayOut) {
    struct Case {
        const char* what;
        std::array<std::string_view, kRows> rows;
        Cell chosen;
        Cell before;
        PathKind kind;
        std::uint32_t points;
    };
    const Case cases[] = {
        {"side by side inside a full board",
         {"xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxaaxxxxxxxxxx",
          "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx"},
         {6, 3},
         {7, 3},
         PathKind::Inner,
         1 * kFactor},
        {"rows 2 and 5 with nothing to their left",
         {"xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "...axxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx",
          "xxxxxxxxxxxxxxxxxx", "......axxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx"},
         {3, 2},
         {6, 5},
         PathKind::LeftEdge,
         3 * kFactor},
        {"columns 3 and 7 of an otherwise empty row",
         {"xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "...a...a..........",
          "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx"},
         {3, 3},
         {7, 3},
         PathKind::RightEdge,
         0},
        {"the other stone chosen first leaves by the left edge",
         {"xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "...a...a..........",
          "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx"},
         {7, 3},
         {3, 3},
         PathKind::LeftEdge,
         0},
        {"both columns free above",
         {"xx.xxx.xxxxxxxxxxx", "xx.xxxaxxxxxxxxxxx", "xx.xxxxxxxxxxxxxxx", "xxaxxxxxxxxxxxxxxx",
          "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx"},
         {2, 3},
         {6, 1},
         PathKind::TopEdge,
         4 * kFactor},
        {"both columns free below",
         {"xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx",
          "xxxxxxxxxxxxxxxaxx", "xxxxxxxxxxxxxxx.xx", "xxxxxxxxxxxxxxx.ax", "xxxxxxxxxxxxxxx..x"},
         {15, 4},
         {16, 6},
         PathKind::BottomEdge,
         1 * kFactor},
        {"an inner path around a stone",
         {"xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxaxxxxxxxxxxxxxxx", "xx....xxxxxxxxxxxx",
          "xx...axxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx"},
         {2, 2},
         {5, 4},
         PathKind::Inner,
         5 * kFactor},
    };
    for (const Case& c : cases) {
        const std::optional<ConnectionPath> path = findConnection(gridFrom(c.rows), c.chosen, c.before);
        ASSERT_TRUE(path.has_value()) << c.what;
        EXPECT_EQ(path->kind, c.kind) << c.what;
        EXPECT_EQ(pathPoints(*path, kFactor), c.points) << c.what;
    }
}

TEST(ConnectionTest, InnerChainStepsAlongTheRowWheneverItLeadsOn) {
    struct Case {
        std::array<std::string_view, kRows> rows;
        std::vector<Cell> chain;
    };
    const Case cases[] = {
        // Blocked to the right at the start, the chain goes down first and then along the row.
        {{"xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxaxxxxxxxxxxxxxxx", "xx....xxxxxxxxxxxx",
          "xx...axxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx"},
         {{2, 2}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {5, 4}}},
        // The row above is free but leads into a dead end; the chain leaves it out.
        {{"xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxa..xxxxxxxxxxxxx", "xx.x..xxxxxxxxxxxx",
          "xx...axxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx"},
         {{2, 2}, {3, 2}, {4, 2}, {4, 3}, {5, 3}, {5, 4}}},
        // From right to left and upwards.
        {{"xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxaxxxxxxxxxxxxxxx", "xx..xxxxxxxxxxxxxx",
          "xxx.axxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx"},
         {{4, 4}, {3, 4}, {3, 3}, {2, 3}, {2, 2}}},
    };
    for (const Case& c : cases) {
        const std::optional<ConnectionPath> path =
            findConnection(gridFrom(c.rows), c.chain.front(), c.chain.back());
        ASSERT_TRUE(path.has_value());
        ASSERT_EQ(path->kind, PathKind::Inner);
        const std::vector<Cell> chain(path->chain.begin(), path->chain.begin() + path->chainLength);
        EXPECT_EQ(chain, c.chain);
    }
}

TEST(ConnectionTest, BlockedStonesDoNotConnect) {
    const BoardGrid grid =
        gridFrom({"xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxaxxxxxxxxxxxxxxx", "xx.x.xxxxxxxxxxxxx",
                  "xxxx.axxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx", "xxxxxxxxxxxxxxxxxx"});
    EXPECT_FALSE(findConnection(grid, {2, 2}, {5, 4}));
    EXPECT_FALSE(findConnection(grid, {2, 2}, {2, 2}));   // a stone never pairs with itself
    EXPECT_FALSE(findConnection(grid, {2, 2}, {18, 4}));  // nor with a cell off the board
}

TEST(ConnectionTest, PairSearchTakesTheFirstPairInBoardOrder) {
    // Row 0 holds a matching pair of single faces (36, 38) and row 1 a pair of 'c'; the stones
    // of row 0 are searched first, each with the later ones.
    const BoardGrid grid = gridFrom({"bJ.L..............", "cc................", "", "", "", "", "", ""});
    const std::optional<StonePair> pair = findPair(grid);
    ASSERT_TRUE(pair.has_value());
    EXPECT_EQ(pair->first, (Cell{1, 0}));
    EXPECT_EQ(pair->second, (Cell{3, 0}));
    EXPECT_EQ(pair->path.before, pair->first);
    EXPECT_EQ(pair->path.chosen, pair->second);

    EXPECT_FALSE(findPair(gridFrom({"abcdefg", "", "", "", "", "", "", ""})));
    EXPECT_FALSE(hasMatchingStones(gridFrom({"abcdefgKO", "", "", "", "", "", "", ""})));
}

}  // namespace
}  // namespace pocketquillet
