#include <gtest/gtest.h>

#include <vector>

#include "game_fixture.h"
#include "orbeni/board/deal.h"
#include "test_layouts.h"

namespace orbeni {
namespace {

using test::GameFixture;

std::vector<Position> dealtPositions(const Board& board, int tiles) {
    std::vector<Position> positions;
    for (int t = 1; t <= tiles; ++t) {
        positions.push_back(board.position(t));
    }
    return positions;
}

// Checks that every layout position got a tile and the grid agrees with the tile table.
void expectFullDeal(const Board& board, const LayoutTemplate& layout) {
    const int n = layout.positionCount();
    for (int t = 1; t <= kMaxTiles; ++t) {
        const Position p = board.position(t);
        if (t <= n) {
            ASSERT_TRUE(p.onBoard()) << "tile " << t;
            EXPECT_EQ(board.cell(p), t);
            EXPECT_EQ(layout.at(p.x, p.y, p.z), 1);
        } else {
            EXPECT_FALSE(p.onBoard()) << "tile " << t;
        }
    }
}

TEST(Deal, SpecificGameRepeatsAndWinnableDoesNot) {
    GameFixture first;
    GameFixture second;
    for (GameFixture* fixture : {&first, &second}) {
        fixture->game.layoutTemplate() = test::turtleLayout();
        fixture->game.options().RandomSeed1 = true;
        fixture->game.setSpecificSeed(4242);
        fixture->game.BeginGame();
        expectFullDeal(fixture->game.board(), fixture->game.layoutTemplate());
    }
    const auto dealt = dealtPositions(first.game.board(), 144);
    EXPECT_EQ(dealt, dealtPositions(second.game.board(), 144));
    first.game.BeginGame();
    EXPECT_EQ(dealt, dealtPositions(first.game.board(), 144));
    EXPECT_EQ(first.game.statusMessage().text(), "Specific Board started. Random Seed #4242");

    first.game.options().Winnable = true;
    first.game.BeginGame();
    const auto winnable = dealtPositions(first.game.board(), 144);
    first.game.BeginGame();
    EXPECT_NE(winnable, dealtPositions(first.game.board(), 144));
    EXPECT_NE(winnable, dealt);
}

TEST(Deal, WinnableDealIsClearedByItsOwnRemovalOrder) {
    const LayoutTemplate layouts[] = {test::turtleLayout(), test::pyramidLayout(), test::staggeredLayout()};
    for (const LayoutTemplate& layout : layouts) {
        for (std::uint32_t time = 1; time <= 5; ++time) {
            Board board;
            RandomGenerator generator;
            const auto order = CreateBoard(board, layout, generator, time * 7919, nullptr);
            ASSERT_TRUE(order.has_value());
            expectFullDeal(board, layout);
            for (int k = 0; k < order->pairs; ++k) {
                const int a = board.cell(order->first[k]);
                const int b = board.cell(order->second[k]);
                ASSERT_NE(a, 0);
                ASSERT_NE(b, 0);
                EXPECT_EQ(matchGroup(a), matchGroup(b));
                ASSERT_TRUE(board.isFree(order->first[k], FreeRule::Horizontal)) << "pair " << k;
                ASSERT_TRUE(board.isFree(order->second[k], FreeRule::Horizontal)) << "pair " << k;
                board.remove(a);
                board.remove(b);
            }
            EXPECT_EQ(occupiedPositions(board).count, 0);
        }
    }
}

TEST(Deal, SmallLayoutsUseTheFirstGroupsAndOddOnesAreRefused) {
    GameFixture fixture;
    test::addBlock(fixture.game.layoutTemplate(), 1, 1, 1, 6, 1);
    fixture.game.BeginGame();
    expectFullDeal(fixture.game.board(), fixture.game.layoutTemplate());
    EXPECT_EQ(fixture.game.TilesTotal(), 6);

    GameFixture odd;
    test::addBlock(odd.game.layoutTemplate(), 1, 1, 1, 3, 1);
    odd.game.BeginGame();
    EXPECT_EQ(odd.host.count("ask Layout"), 1);
    EXPECT_TRUE(odd.game.GameStopped());
    EXPECT_EQ(odd.game.TilesTotal(), 0);
    EXPECT_EQ(odd.host.count("board"), 0);
}

TEST(Deal, LayoutThatCannotBeClearedIsDealtAtRandom) {
    const std::vector<std::vector<Position>> shapes = {
        {{5, 5, 1}, {5, 5, 2}, {5, 5, 3}, {5, 5, 4}},   // one stack: never two free positions
        {{5, 5, 1}, {5, 5, 2}, {5, 5, 3}, {20, 5, 1}},  // a stack of three and a single: dead ends only
    };
    for (const auto& shape : shapes) {
        GameFixture fixture;
        fixture.game.options().Winnable = true;
        for (const Position& p : shape) {
            fixture.game.layoutTemplate().set(p.x, p.y, p.z, 1);
        }
        fixture.game.BeginGame();
        expectFullDeal(fixture.game.board(), fixture.game.layoutTemplate());
        EXPECT_EQ(fixture.game.statusMessage().text(),
                  "No removal order clears this layout: tiles dealt at random.");
    }
}

TEST(Shuffle, WinnableShuffleTakesBackThreeMovesWhenNothingIsFree) {
    GameFixture fixture;
    auto tiles = GameFixture::singles({3, 4, 5, 6, 7, 8});
    tiles.push_back({1, {30, 18, 1}});
    tiles.push_back({2, {30, 18, 2}});
    fixture.layOut(tiles);
    for (const int tile : {3, 4, 5, 6, 7, 8}) {
        fixture.clickTile(tile);
    }
    ASSERT_EQ(fixture.game.TilesLeft(), 2);
    fixture.game.Shuffle1Click();
    EXPECT_EQ(fixture.game.TilesLeft(), 8);
    EXPECT_EQ(occupiedPositions(fixture.game.board()).count, 8);
    for (int t = 1; t <= 8; ++t) {
        EXPECT_EQ(fixture.game.board().cell(fixture.game.board().position(t)), t);
    }
}

TEST(Shuffle, StackWithNothingToTakeBackIsShuffledAtRandom) {
    for (const bool shuffable : {true, false}) {
        GameFixture fixture;
        fixture.game.options().Shuffable = shuffable;
        fixture.layOut({{1, {9, 9, 1}}, {2, {9, 9, 2}}});
        fixture.game.Shuffle1Click();
        EXPECT_EQ(fixture.game.TilesLeft(), 2);
        EXPECT_EQ(occupiedPositions(fixture.game.board()).count, 2);
        EXPECT_EQ(fixture.game.PenaltySeconds(), 0);
        EXPECT_EQ(fixture.game.freeTiles().movesLeft, 0);
    }
}

}  // namespace
}  // namespace orbeni
