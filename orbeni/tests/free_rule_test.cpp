#include <gtest/gtest.h>

#include <vector>

#include "orbeni/board/board.h"

namespace orbeni {
namespace {

struct FreeCase {
    const char* what;
    std::vector<Position> neighbours;
    bool freeHorizontal;
    bool freeVertical;
};

// The tested tile stands at (10, 10, 2), on a tile below so that the board is a real heap.
TEST(FreeRule, SidesAndCoverUnderBothRules) {
    const FreeCase cases[] = {
        {"alone", {}, true, true},
        {"left only", {{8, 10, 2}}, true, true},
        {"right only", {{12, 11, 2}}, true, true},
        {"both sides", {{8, 10, 2}, {12, 10, 2}}, false, true},
        {"both sides half a row off", {{8, 9, 2}, {12, 11, 2}}, false, true},
        {"both sides a whole row off", {{8, 12, 2}, {12, 8, 2}}, true, true},
        {"above and below", {{10, 8, 2}, {10, 12, 2}}, true, false},
        {"above and below half a column off", {{9, 8, 2}, {11, 12, 2}}, true, false},
        {"quarter overlap above", {{11, 11, 3}}, false, false},
        {"other quarter overlap above", {{9, 9, 3}}, false, false},
        {"above but beside", {{12, 10, 3}}, true, true},
        {"two layers up", {{10, 10, 4}}, true, true},
    };
    for (const auto& c : cases) {
        Board board;
        board.place(1, {10, 10, 1});
        board.place(2, {10, 10, 2});
        int tile = 3;
        for (const Position& p : c.neighbours) {
            board.place(tile++, p);
        }
        EXPECT_EQ(board.isFree({10, 10, 2}, FreeRule::Horizontal), c.freeHorizontal) << c.what;
        EXPECT_EQ(board.isFree({10, 10, 2}, FreeRule::Vertical), c.freeVertical) << c.what;
        EXPECT_FALSE(board.isFree({10, 10, 1}, FreeRule::Horizontal)) << c.what;
    }
}

TEST(FreeRule, TopLayerNeverCoveredAndBuildRuleSeesReservedCells) {
    Board board;
    board.place(1, {10, 10, 5});
    EXPECT_TRUE(board.isFree({10, 10, 5}, FreeRule::Horizontal));
    board.setCell({8, 10, 1}, kReservedCell);
    board.setCell({12, 10, 1}, kReservedCell);
    board.setCell({10, 10, 1}, kReservedCell);
    EXPECT_FALSE(board.IsFreeForBuild({10, 10, 1}));
    EXPECT_TRUE(board.IsFreeForBuild({8, 10, 1}));
    EXPECT_FALSE(board.IsFreeForBuild({0, 10, 1}));
}

TEST(FreeRule, EdgesOfThePlayingAreaReadTheEmptyMargin) {
    Board board;
    const Position corners[] = {{1, 1, 1}, {34, 20, 1}, {1, 20, 5}, {34, 1, 5}};
    int tile = 1;
    for (const Position& p : corners) {
        board.place(tile++, p);
    }
    for (const Position& p : corners) {
        EXPECT_TRUE(board.isFree(p, FreeRule::Horizontal));
        EXPECT_TRUE(board.isFree(p, FreeRule::Vertical));
    }
}

TEST(FreeRule, MovesLeftCountsNeighbouringPairsOfTheSortedList) {
    struct Case {
        std::vector<int> freeTiles;
        int moves;
    };
    const Case cases[] = {
        {{1, 2, 3}, 2}, {{1, 5, 2}, 1}, {{1, 2, 3, 4}, 3}, {{109, 112}, 1}, {{112, 113}, 0}, {{7}, 0},
    };
    for (const auto& c : cases) {
        Board board;
        int x = 1;
        for (const int tile : c.freeTiles) {
            board.place(tile, {x, 1, 1});
            x += 4;
        }
        FreeTiles free;
        board.countFree(FreeRule::Horizontal, free);
        EXPECT_EQ(free.count, static_cast<int>(c.freeTiles.size()));
        EXPECT_EQ(free.movesLeft, c.moves) << c.freeTiles.size() << " tiles from " << c.freeTiles[0];
        for (int k = 0; k + 1 < free.count; ++k) {
            EXPECT_LT(free.list[k], free.list[k + 1]);
        }
    }
}

TEST(Tiles, FacesAndMatchGroups) {
    EXPECT_EQ(faceOf(1), 1);
    EXPECT_EQ(faceOf(108), 27);
    EXPECT_EQ(faceOf(109), 28);
    EXPECT_EQ(faceOf(112), 31);
    EXPECT_EQ(faceOf(113), 32);
    EXPECT_EQ(faceOf(116), 35);
    EXPECT_EQ(faceOf(117), 36);
    EXPECT_EQ(faceOf(144), 42);
    EXPECT_EQ(matchGroup(109), matchGroup(112));
    EXPECT_EQ(matchGroup(113), matchGroup(116));
    EXPECT_NE(matchGroup(112), matchGroup(113));
    EXPECT_NE(matchGroup(4), matchGroup(5));
}

TEST(HitTest, HigherLayersAndOverlappingEdgesWin) {
    Board board;
    board.place(1, {5, 5, 1});
    board.place(2, {7, 5, 1});
    board.place(3, {6, 6, 2});
    // Tile at (x, y, z): left = 20x + 6z - 52, top = 25y - 6z - 59.
    EXPECT_EQ(board.WhatTileThere(54, 66), 1);  // the top-left corner of tile 1's image
    EXPECT_EQ(board.WhatTileThere(53, 66), 0);
    EXPECT_EQ(board.WhatTileThere(101, 70), 2);
    EXPECT_EQ(board.WhatTileThere(95, 70), 1);  // in both images: the smaller column wins
    EXPECT_EQ(board.WhatTileThere(80, 100), 3);
    EXPECT_EQ(board.WhatTileThere(-5, -5), 0);
    EXPECT_EQ(CoordX(4, 0), 36 + 60);
    EXPECT_EQ(CoordY(4, 1), 25 + 100 - 6 - 40);
}

TEST(HitTest, WhatAddNeedsSupportAndRoom) {
    Board board;
    board.place(1, {5, 5, 1});
    board.place(2, {7, 5, 1});
    board.place(3, {12, 5, 1});
    struct Case {
        int px, py;
        Position expected;
    };
    const Case cases[] = {
        {100, 74, {5, 5, 2}},   // over tiles 1, 2 and between them: the smallest column wins
        {125, 74, {6, 5, 2}},   // between tiles 1 and 2: carried by both
        {250, 74, {14, 5, 1}},  // half over tile 3: not carried, so beside it on the table
        {360, 325, {19, 15, 1}}, {2000, 2000, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(board.WhatAdd(c.px, c.py), c.expected) << c.px << "," << c.py;
    }
}

}  // namespace
}  // namespace orbeni
