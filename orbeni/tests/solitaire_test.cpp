#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orbeni/game/host.h"
#include "parts_fixture.h"
#include "test_layouts.h"

namespace orbeni {
namespace {

using test::GameFixture;
using test::PartsFixture;

// Tiles 1, 2, 5 and 13 lie apart; tile 9 sits between 10 and 11, so it is blocked.
std::vector<test::PlacedTile> tableWithABlockedTile() {
    auto tiles = GameFixture::singles({1, 2, 5, 13});
    tiles.push_back({10, {20, 10, 1}});
    tiles.push_back({9, {22, 10, 1}});
    tiles.push_back({11, {24, 10, 1}});
    return tiles;
}

TEST(Solitaire, PickingSelectsUnselectsAndRefusesBlockedTiles) {
    const struct {
        const char* what;
        std::vector<int> picks;
        int first;
        int second;
        int selects;
        int refusals;
    } cases[] = {
        {"one tile", {1}, 1, 0, 1, 0},
        {"picked again", {1, 1}, 0, 0, 2, 0},
        {"a blocked tile", {1, 9}, 1, 0, 1, 1},
        {"a pair", {1, 2}, 1, 2, 2, 0},
        {"a blocked first tile", {9, 5}, 5, 0, 1, 1},
    };
    for (const auto& c : cases) {
        PartsFixture fixture;
        fixture.layOut(tableWithABlockedTile());
        for (const int tile : c.picks) {
            fixture.play.pick(tile);
        }
        EXPECT_EQ(fixture.play.FirstTile(), c.first) << c.what;
        EXPECT_EQ(fixture.play.SecondTile(), c.second) << c.what;
        EXPECT_EQ(fixture.host.count("sound select"), c.selects) << c.what;
        EXPECT_EQ(fixture.host.count("sound noway"), c.refusals) << c.what;
    }

    // Of two selected tiles that do not match, the second stays as the first of a new pair.
    PartsFixture fixture;
    fixture.layOut(tableWithABlockedTile());
    fixture.pickPair(1, 5);
    ASSERT_TRUE(fixture.play.pairSelected());
    EXPECT_FALSE(fixture.play.selectionMatches());
    fixture.play.unselectFirst();
    EXPECT_EQ(fixture.play.FirstTile(), 5);
    EXPECT_EQ(fixture.play.SecondTile(), 0);
    fixture.options.playSounds = false;
    fixture.play.pick(9);
    EXPECT_EQ(fixture.host.count("sound noway"), 0);
}

TEST(Solitaire, RemovedPairsGoToTheHistoryAndUndoPutsThemBack) {
    PartsFixture fixture;
    fixture.layOut(GameFixture::singles({1, 2, 5, 6}));
    Solitaire& play = fixture.play;
    const Board dealt = play.board();
    const Position one = play.board().position(1);

    play.BackHistory();  // nothing removed yet
    EXPECT_EQ(play.TilesLeft(), 4);
    fixture.pickPair(1, 2);
    play.removePair(one);
    EXPECT_EQ(play.TilesLeft(), 2);
    EXPECT_EQ(play.history(kMaxTiles - 4).tile, 1);
    EXPECT_EQ(play.history(kMaxTiles - 4).place, one);
    EXPECT_EQ(play.history(kMaxTiles - 3).tile, 2);
    EXPECT_FALSE(play.board().position(1).onBoard());
    EXPECT_EQ(play.FirstTile(), 0);
    EXPECT_EQ(fixture.host.count("sound done"), 1);

    play.takePair({5, 6});
    EXPECT_EQ(play.TilesLeft(), 0);
    EXPECT_EQ(play.history(kMaxTiles - 2).tile, 5);
    play.BackHistory();
    EXPECT_EQ(play.TilesLeft(), 2);
    EXPECT_TRUE(play.board().position(5).onBoard());
    EXPECT_FALSE(play.board().position(1).onBoard());
    play.BackHistory();
    EXPECT_TRUE(play.board() == dealt);
    EXPECT_TRUE(play.untouched());
}

TEST(Solitaire, HintsWalkThePairsInFreeListOrderAtFortySecondsEach) {
    PartsFixture fixture;
    fixture.layOut(GameFixture::singles({1, 2, 5, 6, 9, 10}));
    EXPECT_FALSE(fixture.play.Hint()) << "no hint before the free tiles were counted";
    fixture.play.IsItFree();
    const int expected[][2] = {{1, 2}, {5, 6}, {9, 10}, {1, 2}};
    int hints = 0;
    for (const auto& pair : expected) {
        EXPECT_TRUE(fixture.play.Hint());
        ++hints;
        EXPECT_EQ(fixture.play.HintTileA(), pair[0]);
        EXPECT_EQ(fixture.play.HintTileB(), pair[1]);
        EXPECT_EQ(fixture.clock.PenaltySeconds(), 40 * hints);
    }

    // Without a move left the hint shows nothing and costs nothing.
    PartsFixture stuck;
    stuck.layOut({{1, {5, 5, 1}}, {2, {5, 5, 2}}, {5, {15, 5, 1}}, {6, {15, 5, 2}}});
    stuck.play.IsItFree();
    EXPECT_FALSE(stuck.play.Hint());
    EXPECT_EQ(stuck.play.HintTileA(), 0);
    EXPECT_EQ(stuck.clock.PenaltySeconds(), 0);
}

TEST(Solitaire, ShuffleReportsAndChargesTheMovesFound) {
    const struct {
        std::vector<int> tiles;
        bool shuffable;
        const char* report;
        int penalty;
    } cases[] = {
        {{1, 2, 5, 6, 9, 10, 13, 14, 17, 18}, true, "Tiles shuffled. 5 new moves found.", 50},
        {{1, 2, 5, 6, 9, 10, 13, 14, 17, 18}, false, "Tiles shuffled. 5 new moves found.", 50},
        {{1, 2}, true, "Tiles shuffled. 1 new move found.", 10},
    };
    for (const auto& c : cases) {
        PartsFixture fixture;
        fixture.options.Shuffable = c.shuffable;
        fixture.layOut(GameFixture::singles(c.tiles));
        fixture.play.Shuffle();
        EXPECT_EQ(fixture.status.message().text(), c.report);
        EXPECT_EQ(fixture.clock.PenaltySeconds(), c.penalty);
        EXPECT_EQ(fixture.play.TilesLeft(), static_cast<int>(c.tiles.size()));
    }
}

TEST(Solitaire, RestartBringsBackTheDealtBoardAfterShufflesAndMoves) {
    for (const bool shuffable : {true, false}) {
        PartsFixture fixture;
        fixture.options.Shuffable = shuffable;
        Solitaire& play = fixture.play;
        ASSERT_EQ(play.deal(test::pyramidLayout(), 0), DealOutcome::Random);
        const Board dealt = play.board();
        play.Shuffle();
        ASSERT_FALSE(play.board() == dealt);
        EXPECT_FALSE(play.untouched());
        play.Restart();
        EXPECT_TRUE(play.board() == dealt) << shuffable;

        play.IsItFree();
        ASSERT_TRUE(play.Hint());
        play.takePair({play.HintTileA(), play.HintTileB()});
        play.Shuffle();
        play.Restart();
        EXPECT_TRUE(play.board() == dealt) << shuffable;
        EXPECT_EQ(play.TilesLeft(), 144);
        EXPECT_TRUE(play.untouched());
    }
}

// In Rivers and in the editor every tile may be picked and no moves are counted; otherwise the
// free rule in play decides.
TEST(Solitaire, TheFreeRuleFollowsTheGameInPlay) {
    const struct {
        const char* what;
        bool rivers;
        bool editor;
        bool vertical;
        bool blockedFree;
        int freeCounted;
    } cases[] = {
        {"solitaire", false, false, false, false, 6},
        {"vertical", false, false, true, true, 7},
        {"Rivers", true, false, false, true, 0},
        {"editor", false, true, false, true, 0},
    };
    for (const auto& c : cases) {
        PartsFixture fixture;
        fixture.layOut(tableWithABlockedTile());
        fixture.phase.setRivers(c.rivers);
        fixture.phase.setEditor(c.editor);
        fixture.options.Vertical = c.vertical;
        EXPECT_EQ(fixture.play.isFree(9), c.blockedFree) << c.what;
        fixture.play.IsItFree();
        EXPECT_EQ(fixture.play.freeTiles().count, c.freeCounted) << c.what;
    }
}

// A winnable deal is asked for and found; a numbered game deals the same board each time.
TEST(Solitaire, DealsAreWinnableWhenAskedAndRepeatForTheirNumber) {
    PartsFixture winnable;
    winnable.options.Winnable = true;
    EXPECT_EQ(winnable.play.deal(test::turtleLayout(), 0), DealOutcome::Winnable);
    EXPECT_EQ(winnable.play.TilesLeft(), 144);

    Board first;
    for (int run = 0; run < 2; ++run) {
        PartsFixture numbered;
        numbered.options.RandomSeed1 = true;
        numbered.host.timeOfDay = 1000u * static_cast<std::uint32_t>(run + 1);
        ASSERT_EQ(numbered.play.deal(test::turtleLayout(), 77), DealOutcome::Random);
        if (run == 0) {
            first = numbered.play.board();
        } else {
            EXPECT_TRUE(numbered.play.board() == first);
        }
    }
}

}  // namespace
}  // namespace orbeni
