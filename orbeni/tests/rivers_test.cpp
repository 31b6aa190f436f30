#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "game_fixture.h"
#include "orbeni/game/rivers.h"
#include "parts_fixture.h"
#include "test_layouts.h"

namespace orbeni {
namespace {

using test::GameFixture;

// Rivers on its own, on a board that holds only the given tiles (layer 1).
struct RiversPart : test::PartsFixture {
    Rivers rivers{host, options, play, status, clock};

    explicit RiversPart(const std::vector<test::PlacedTile>& tiles) {
        phase.setRivers(true);
        rivers.deal();
        play.board().clear();
        for (const auto& placed : tiles) {
            play.board().place(placed.tile, placed.place);
        }
    }
    // Selects the pair and joins it, as two clicks do.
    void join(int first, int second) {
        pickPair(first, second);
        rivers.join();
    }
};

// A Rivers game whose board holds only the given tiles (layer 1).
struct RiversFixture : GameFixture {
    explicit RiversFixture(const std::vector<test::PlacedTile>& tiles) {
        game.FourRivers();
        game.board().clear();
        for (const auto& placed : tiles) {
            game.board().place(placed.tile, placed.place);
        }
    }
};

TEST(Rivers, DealFillsTheRectangle) {
    RiversPart part({});
    part.rivers.deal();
    EXPECT_EQ(part.play.TilesLeft(), 84);
    EXPECT_TRUE(part.play.untouched());
    for (int x = 4; x <= 30; x += 2) {
        for (int y = 5; y <= 15; y += 2) {
            EXPECT_NE(part.play.board().cell(x, y, 1), 0);
        }
    }

    GameFixture fixture;
    fixture.game.FourRivers();
    EXPECT_EQ(fixture.game.currentLayout(), 100);
    EXPECT_EQ(fixture.game.statusMessage().text(), "Mahjongg Rivers started.");
}

TEST(Rivers, PathsUseTheBandAroundTheRectangleAndNoMore) {
    struct Case {
        const char* what;
        Position a;
        Position b;
        std::vector<Position> blockers;
        bool joined;
    };
    // Only a river over the rectangle joins the ends of the top row.
    std::vector<Position> fullTopRow;
    for (int x = 4; x <= 30; x += 2) {
        if (x >= 6 && x <= 28) {
            fullTopRow.push_back({x, 5, 1});
        }
        fullTopRow.push_back({x, 7, 1});
    }
    // Only a river left of the rectangle joins the ends of the left column.
    std::vector<Position> fullLeftColumn;
    for (int y = 5; y <= 15; y += 2) {
        if (y >= 7 && y <= 13) {
            fullLeftColumn.push_back({4, y, 1});
        }
        fullLeftColumn.push_back({6, y, 1});
    }
    const Case cases[] = {
        {"side by side", {4, 5, 1}, {6, 5, 1}, {}, true},
        {"over the top band", {4, 5, 1}, {30, 5, 1}, fullTopRow, true},
        {"round the left column", {4, 5, 1}, {4, 15, 1}, fullLeftColumn, true},
        {"beyond the top row", {4, 1, 1}, {8, 1, 1}, {{6, 1, 1}, {4, 3, 1}, {8, 3, 1}}, false},
        {"beyond the right column", {32, 5, 1}, {32, 9, 1}, {{32, 7, 1}, {30, 5, 1}, {30, 9, 1}}, false},
        {"three turns",
         {10, 9, 1},
         {20, 9, 1},
         {{8, 9, 1}, {12, 9, 1}, {10, 7, 1}, {18, 9, 1}, {22, 9, 1}, {20, 11, 1}},
         false},
    };
    for (const auto& c : cases) {
        std::vector<test::PlacedTile> tiles = {{1, c.a}, {2, c.b}};
        int blocker = 5;
        for (const Position& p : c.blockers) {
            tiles.push_back({blocker++, p});
        }
        RiversPart part(tiles);
        EXPECT_EQ(part.rivers.CanBeReached(2, 1), c.joined) << c.what;
        part.join(1, 2);
        part.rivers.finishRiverSlide();
        EXPECT_EQ(part.play.TilesLeft() == 82, c.joined) << c.what;
        if (!c.joined) {
            EXPECT_EQ(part.play.FirstTile(), 2) << c.what;
            EXPECT_EQ(part.play.SecondTile(), 0) << c.what;
            EXPECT_EQ(part.status.message().text(), "No path of three lines joins these tiles.");
        }
    }
}

TEST(Rivers, FirstTileSlidesStepByStepAndUndoPutsItBack) {
    RiversFixture fixture({{1, {4, 5, 1}}, {2, {10, 9, 1}}, {3, {20, 15, 1}}, {5, {10, 5, 1}}});
    fixture.clickTile(1);
    fixture.clickTile(2);
    EXPECT_EQ(fixture.host.count("river slides"), 1);
    EXPECT_TRUE(fixture.game.RiverPathFound());
    EXPECT_TRUE(fixture.game.riverPathShown());
    std::array<Position, kMaxRiverCells + 2> points;
    ASSERT_EQ(fixture.game.riverPath(points), 6);
    const Position river[] = {{4, 5, 1}, {6, 5, 1}, {8, 5, 1}, {8, 7, 1}, {8, 9, 1}, {10, 9, 1}};
    EXPECT_EQ(points[0], river[0]);
    EXPECT_EQ(points[5], river[5]);

    // Nothing moves until the window paces the slide, and the board waits for it.
    EXPECT_EQ(fixture.game.board().position(1), river[0]);
    fixture.clickTile(3);
    EXPECT_EQ(fixture.game.FirstTile(), 1);
    for (int step = 1; step <= 4; ++step) {
        EXPECT_TRUE(fixture.game.advanceRiverSlide());
        EXPECT_EQ(fixture.game.board().position(1), river[step]) << step;
        EXPECT_EQ(points[std::size_t(step)], river[step]) << step;
        EXPECT_EQ(fixture.game.TilesLeft(), 84);
    }
    EXPECT_FALSE(fixture.game.advanceRiverSlide());
    EXPECT_FALSE(fixture.game.RiverPathFound());
    EXPECT_EQ(fixture.game.TilesLeft(), 82);
    EXPECT_EQ(fixture.host.count("sound done"), 1);
    fixture.game.hideRiverPath();
    EXPECT_FALSE(fixture.game.riverPathShown());

    fixture.game.Back();
    EXPECT_EQ(fixture.game.board().position(1), river[0]);
    EXPECT_EQ(fixture.game.board().cell(8, 9, 1), 0);
    EXPECT_EQ(fixture.game.board().position(2), river[5]);
}

TEST(Rivers, WithoutAnimationTilesVanishInPlaceAndHintsFindJoinedPairs) {
    RiversFixture fixture({{1, {4, 5, 1}}, {2, {10, 5, 1}}, {3, {20, 15, 1}}, {4, {24, 15, 1}}});
    fixture.game.options().tileRivers = false;
    fixture.clickTile(1);
    fixture.clickTile(2);
    EXPECT_EQ(fixture.game.TilesLeft(), 82);
    EXPECT_EQ(fixture.host.count("river at once"), 1);
    EXPECT_EQ(fixture.host.count("tile 1 at 6,5,1"), 0);
    fixture.game.Hint();
    EXPECT_EQ(fixture.game.HintTileA(), 3);
    EXPECT_EQ(fixture.game.HintTileB(), 4);
    EXPECT_EQ(fixture.game.PenaltySeconds(), 40);
    fixture.game.Shuffle1Click();
    EXPECT_EQ(fixture.game.PenaltySeconds(), 80);
    EXPECT_EQ(fixture.game.statusMessage().text(), "Tiles shuffled.");
    EXPECT_NE(fixture.game.board().cell(fixture.game.board().position(3)), 0);
    fixture.game.Temps();
    EXPECT_EQ(fixture.host.panel(StatusPanel::MovesLeft), "--");

    // Walled in on every side, the last pair has no river: the hint finds nothing and costs nothing.
    RiversFixture walled({{1, {10, 9, 1}},
                          {2, {20, 9, 1}},
                          {5, {8, 9, 1}},
                          {9, {12, 9, 1}},
                          {13, {10, 7, 1}},
                          {17, {10, 11, 1}}});
    walled.game.Hint();
    EXPECT_EQ(walled.game.HintTileA(), 0);
    EXPECT_EQ(walled.game.PenaltySeconds(), 0);
}

TEST(Rivers, AChosenLayoutWaitsForTheNextGame) {
    RiversFixture fixture({{1, {4, 5, 1}}, {2, {10, 5, 1}}, {5, {14, 9, 1}}, {9, {20, 9, 1}}});
    fixture.game.options().tileRivers = false;
    fixture.game.layoutTemplate() = test::pyramidLayout();
    fixture.game.chooseLayout(3);
    EXPECT_TRUE(fixture.game.RiversMode());
    EXPECT_EQ(fixture.game.currentLayout(), kRiversSlot);
    EXPECT_EQ(fixture.game.checkedLayout(), 3);
    fixture.clickTile(5);  // a middle tile: free in Rivers
    EXPECT_EQ(fixture.game.FirstTile(), 5);
    fixture.clickTile(1);
    fixture.clickTile(2);
    EXPECT_EQ(fixture.game.TilesLeft(), 82);

    fixture.game.NewGame();
    EXPECT_FALSE(fixture.game.RiversMode());
    EXPECT_EQ(fixture.game.currentLayout(), 3);
    EXPECT_EQ(fixture.game.TilesTotal(), 144);
}

}  // namespace
}  // namespace orbeni
