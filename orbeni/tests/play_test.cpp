#include <gtest/gtest.h>

#include "game_fixture.h"
#include "test_layouts.h"

namespace orbeni {
namespace {

using test::GameFixture;

TEST(Play, SelectingUnselectingAndBlockedTiles) {
    GameFixture fixture;
    // Tile 9 sits between 10 and 11, so it is blocked.
    auto tiles = GameFixture::singles({1, 5, 13});
    tiles.push_back({10, {20, 10, 1}});
    tiles.push_back({9, {22, 10, 1}});
    tiles.push_back({11, {24, 10, 1}});
    fixture.layOut(tiles);
    Game& game = fixture.game;

    fixture.clickTile(1);
    EXPECT_EQ(game.FirstTile(), 1);
    fixture.clickTile(1);
    EXPECT_EQ(game.FirstTile(), 0);
    EXPECT_EQ(fixture.host.count("sound select"), 2);

    fixture.clickTile(1);
    fixture.clickTile(9);
    EXPECT_EQ(game.FirstTile(), 1);
    EXPECT_EQ(game.SecondTile(), 0);
    EXPECT_EQ(fixture.host.count("sound noway"), 1);

    fixture.clickTile(5);
    EXPECT_EQ(game.FirstTile(), 5);
    EXPECT_EQ(game.SecondTile(), 0);
    EXPECT_EQ(game.TilesLeft(), 6);

    fixture.click({1, 1, 1}, MouseButton::Right);
    EXPECT_EQ(game.FirstTile(), 0);
    fixture.game.ButtonDown(MouseButton::Left, 5, 5);  // outside every tile
    EXPECT_EQ(game.FirstTile(), 0);
    game.options().playSounds = false;
    fixture.clickTile(9);
    EXPECT_EQ(fixture.host.count("sound noway"), 1);
}

TEST(Play, RemovalUndoAndRestart) {
    GameFixture fixture;
    fixture.layOut(GameFixture::singles({1, 2, 5, 6}));
    Game& game = fixture.game;
    const Position one = game.board().position(1);

    game.Back();
    EXPECT_EQ(game.TilesLeft(), 4);
    fixture.clickTile(1);
    fixture.clickTile(2);
    EXPECT_EQ(game.TilesLeft(), 2);
    EXPECT_FALSE(game.board().position(1).onBoard());
    EXPECT_EQ(fixture.host.count("sound done"), 1);

    game.Back();
    EXPECT_EQ(game.TilesLeft(), 4);
    EXPECT_EQ(game.board().position(1), one);
    EXPECT_EQ(game.board().cell(one), 1);

    fixture.clickTile(6);
    fixture.clickTile(5);
    fixture.clickTile(2);
    fixture.clickTile(1);
    ASSERT_EQ(game.TilesLeft(), 0);
    fixture.host.tick = 1000;  // still no second on the clock: the game is not over yet
    game.Restart();
    EXPECT_EQ(game.TilesLeft(), 0);

    GameFixture second;
    second.layOut(GameFixture::singles({1, 2, 5, 6}));
    const Position six = second.game.board().position(6);
    second.game.Temps();
    second.clickTile(6);
    second.clickTile(5);
    second.game.Hint();
    second.runClockTo(65000);
    EXPECT_EQ(second.host.panel(StatusPanel::Time), "01:45");
    second.game.Restart();
    EXPECT_EQ(second.game.TilesLeft(), 4);
    EXPECT_EQ(second.game.board().position(6), six);
    EXPECT_EQ(second.game.PenaltySeconds(), 0);
    second.game.Temps();
    EXPECT_EQ(second.host.panel(StatusPanel::Time), "00:00");
    EXPECT_EQ(second.game.statusMessage().text(), "Game restarted.");
}

// The commands of play wait while the game is paused, stopped or finished; running, each
// changes the board, the hint or the clock.
TEST(Play, CommandsActOnlyOnAGameThatRuns) {
    const struct {
        const char* what;
        void (*command)(Game&);
    } commands[] = {
        {"Hint", [](Game& game) { game.Hint(); }},
        {"Shuffle", [](Game& game) { game.Shuffle1Click(); }},
        {"Back", [](Game& game) { game.Back(); }},
        {"Restart", [](Game& game) { game.Restart(); }},
    };
    const struct {
        const char* what;
        void (*before)(GameFixture&);
        bool runs;
    } phases[] = {
        {"running", [](GameFixture&) {}, true},
        {"paused", [](GameFixture& f) { f.game.PauseClick(); }, false},
        {"stopped", [](GameFixture& f) { f.game.Stop(); }, false},
    };
    for (const auto& command : commands) {
        for (const auto& phase : phases) {
            GameFixture fixture;
            fixture.layOut(GameFixture::singles({1, 2, 5, 6, 9, 10, 13, 14}));
            Game& game = fixture.game;
            game.Temps();
            fixture.clickTile(1);
            fixture.clickTile(2);
            fixture.clickTile(5);
            phase.before(fixture);
            const Board before = game.board();
            const int penalty = game.PenaltySeconds();
            fixture.host.calls.clear();
            command.command(game);
            const bool changed = !(game.board() == before) || game.PenaltySeconds() != penalty ||
                                 game.HintTileA() != 0 || game.FirstTile() == 0;
            EXPECT_EQ(changed, phase.runs) << command.what << " " << phase.what;
            EXPECT_EQ(fixture.host.count("board") > 0, phase.runs) << command.what << " " << phase.what;
        }
    }

    // A shuffle lets the window show the new board before anything else happens.
    GameFixture fixture;
    fixture.layOut(GameFixture::singles({1, 2, 5, 6}));
    fixture.game.Shuffle1Click();
    EXPECT_EQ(fixture.host.calls.back(), "events");
}

TEST(Play, BoardClearedInUnderASecondIsReportedOnceTheClockShowsOne) {
    GameFixture fixture;
    fixture.layOut(GameFixture::singles({1, 2}));
    fixture.host.tick = 1500;
    fixture.clickTile(1);
    fixture.clickTile(2);
    fixture.runClockTo(500);
    EXPECT_FALSE(fixture.game.BoardFinished());
    EXPECT_EQ(fixture.host.count("ask"), 0);
    fixture.runClockTo(1000);
    EXPECT_TRUE(fixture.game.BoardFinished());
    EXPECT_TRUE(fixture.game.GameStopped());
    EXPECT_EQ(fixture.host.count(
                  "ask You made a high score !: Congratulations !! You WON !\r\nYour time is : 00:01"),
              1);
    EXPECT_EQ(fixture.host.count("scores new entry"), 1);
    EXPECT_EQ(fixture.game.hallOfFame().entry(1, 1), "Player1     1    0");
    fixture.runClockTo(2000);
    EXPECT_EQ(fixture.host.count("ask"), 1);
}

TEST(Play, FinishedGameKeepsItsFinalValuesInTheStatusBar) {
    GameFixture fixture;
    fixture.game.options().showMoves = true;
    fixture.layOut(GameFixture::singles({1, 2}));
    fixture.game.Temps();
    fixture.game.Hint();
    fixture.clickTile(1);
    fixture.clickTile(2);
    fixture.runClockTo(7000);
    ASSERT_TRUE(fixture.game.BoardFinished());
    EXPECT_EQ(fixture.host.panel(StatusPanel::TilesLeft), "0");
    EXPECT_EQ(fixture.host.panel(StatusPanel::MovesLeft), "0");
    EXPECT_EQ(fixture.host.panel(StatusPanel::Time), "00:47");
    fixture.runClockTo(9000);
    EXPECT_EQ(fixture.host.panel(StatusPanel::Time), "00:47");
}

TEST(Play, AnEmptyLayoutIsNeverAGameToWin) {
    GameFixture fixture;
    fixture.game.layoutTemplate().clear();
    EXPECT_FALSE(fixture.game.BeginGame());
    EXPECT_EQ(fixture.host.count("ask Layout: This layout has 0 tile positions"), 1);
    EXPECT_TRUE(fixture.game.GameStopped());
    fixture.runClockTo(5000);
    EXPECT_FALSE(fixture.game.BoardFinished());
    EXPECT_EQ(fixture.host.count("ask You made a high score !"), 0);
    EXPECT_EQ(fixture.game.hallOfFame().entry(1, 1), "");
}

TEST(Play, RestartBringsBackTheDealtBoardAfterShuffles) {
    for (const bool shuffable : {true, false}) {
        GameFixture fixture;
        fixture.game.options().Shuffable = shuffable;
        fixture.game.layoutTemplate() = test::pyramidLayout();
        ASSERT_TRUE(fixture.game.BeginGame());
        const Board dealt = fixture.game.board();
        fixture.game.Shuffle1Click();
        ASSERT_FALSE(fixture.game.board() == dealt);
        fixture.game.Restart();
        EXPECT_TRUE(fixture.game.board() == dealt) << shuffable;
        EXPECT_EQ(fixture.game.statusMessage().text(), "Game restarted.");

        fixture.game.Temps();
        fixture.game.Hint();
        fixture.clickTile(fixture.game.HintTileA());
        fixture.clickTile(fixture.game.HintTileB());
        ASSERT_EQ(fixture.game.TilesLeft(), 142);
        fixture.game.Shuffle1Click();
        fixture.game.Restart();
        EXPECT_TRUE(fixture.game.board() == dealt) << shuffable;
        EXPECT_EQ(fixture.game.TilesLeft(), 144);
        EXPECT_EQ(fixture.game.PenaltySeconds(), 0);
    }
}

TEST(Play, TimeLimitStopsTheGameAndBlocksTheEntry) {
    GameFixture fixture;
    fixture.layOut(GameFixture::singles({1, 2}));
    fixture.game.Temps();
    fixture.game.Hint();
    fixture.runClockTo((6000 - 40) * 1000);
    EXPECT_TRUE(fixture.game.GameStopped());
    fixture.clickTile(1);
    fixture.clickTile(2);
    EXPECT_EQ(fixture.game.TilesLeft(), 2);
    EXPECT_EQ(fixture.host.count("ask"), 0);
    EXPECT_EQ(fixture.game.hallOfFame().entry(1, 1), "");
}

TEST(Play, NoMoreMovesMessageBouncesUntilAMoveReturns) {
    GameFixture fixture;
    fixture.game.options().showMoves = true;
    fixture.layOut({{1, {5, 5, 1}}, {2, {5, 5, 2}}, {5, {15, 5, 1}}, {6, {15, 5, 2}}});
    fixture.game.Temps();
    EXPECT_EQ(fixture.host.panel(StatusPanel::MovesLeft), "0");
    EXPECT_EQ(fixture.host.panel(StatusPanel::TilesLeft), "4");
    const std::string message = "      SORRY, NO MORE MOVES !!";
    EXPECT_EQ(fixture.game.statusMessage().text(), message);
    std::vector<int> positions;
    for (int tick = 0; tick < 20; ++tick) {
        fixture.game.Temps();
        positions.push_back(fixture.game.statusMessage().position());
    }
    EXPECT_EQ(positions[0], static_cast<int>(message.size()));
    EXPECT_EQ(positions[1], static_cast<int>(message.size()) - 2);
    EXPECT_EQ(positions[14], 1);
    EXPECT_EQ(positions[15], 1);
    EXPECT_EQ(positions[16], 3);
    fixture.game.NStatus();
    EXPECT_EQ(fixture.host.panel(StatusPanel::MovesLeft), "--");
}

TEST(Play, PauseHidesTimeAndDoesNotCountIt) {
    GameFixture fixture;
    fixture.layOut(GameFixture::singles({1, 2, 5, 6}));
    fixture.runClockTo(5000);
    fixture.game.PauseClick();
    EXPECT_EQ(fixture.host.count("captions &Continue / Play"), 1);
    fixture.runClockTo(65000);
    EXPECT_EQ(fixture.host.panel(StatusPanel::Time), "---");
    fixture.clickTile(1);
    EXPECT_EQ(fixture.game.FirstTile(), 0);
    fixture.game.PauseClick();
    EXPECT_EQ(fixture.game.statusMessage().text(), "Pause OFF.");
    fixture.runClockTo(66000);
    EXPECT_EQ(fixture.host.panel(StatusPanel::Time), "00:06");
    fixture.game.PauseClick();
    fixture.game.Stop();
    EXPECT_FALSE(fixture.game.GamePaused());
    fixture.game.PauseClick();
    EXPECT_FALSE(fixture.game.GamePaused());
}

TEST(Commands, SeedDialogAndVerticalQuestion) {
    GameFixture fixture;
    test::addBlock(fixture.game.layoutTemplate(), 1, 1, 1, 4, 1);
    struct Case {
        std::optional<std::string> answer;
        int seed;
        int errors;
        int deals;
    };
    const Case cases[] = {
        {std::nullopt, 0, 0, 0}, {"abc", 0, 1, 0},   {"0", 0, 1, 0},
        {"-5", 0, 1, 0},         {" 77 ", 77, 1, 1}, {"99999999999", 77, 2, 1},
    };
    for (const auto& c : cases) {
        fixture.host.seedAnswer = c.answer;
        fixture.game.NewSpecificGame1Click();
        EXPECT_EQ(fixture.game.specificSeed(), c.seed);
        EXPECT_EQ(fixture.host.count("ask Error"), c.errors);
        EXPECT_EQ(fixture.host.count("hall panel"), c.deals);
        EXPECT_TRUE(fixture.game.options().RandomSeed1);
    }
    EXPECT_EQ(fixture.host.count("ask Error: 'abc' is not a valid integer value"), 1);

    fixture.host.answers = {Button::Cancel};
    fixture.game.VerticalClick();
    EXPECT_FALSE(fixture.game.options().Vertical);
    fixture.game.VerticalClick();
    EXPECT_TRUE(fixture.game.options().Vertical);
    EXPECT_EQ(fixture.host.count("hall panel"), 2);
    fixture.game.Stop();
    fixture.game.VerticalClick();
    EXPECT_FALSE(fixture.game.options().Vertical);
    EXPECT_EQ(fixture.host.count("ask Vertical variation"), 2);
}

// Tile 4 lies under tile 3: the described hint, the first free pair (1, 2), leaves 3 and 4 unable
// to pair; a hint that keeps the game winnable pairs 3 first.
TEST(Play, HintsKeepTheGameWinnableOnlyWhenAsked) {
    for (const bool keepWinnable : {false, true}) {
        GameFixture fixture;
        fixture.game.options().hintsKeepWinnable = keepWinnable;
        fixture.layOut({{1, {1, 1, 1}}, {2, {5, 1, 1}}, {3, {10, 10, 2}}, {4, {10, 10, 1}}});
        fixture.game.Temps();
        fixture.game.Hint();
        const int first = fixture.game.HintTileA();
        const int second = fixture.game.HintTileB();
        EXPECT_EQ(fixture.game.PenaltySeconds(), kHintPenaltySeconds) << keepWinnable;
        if (!keepWinnable) {
            EXPECT_EQ(first, 1);
            EXPECT_EQ(second, 2);
            continue;
        }
        ASSERT_TRUE(first == 3 || second == 3) << first << " " << second;
        fixture.clickTile(first);
        fixture.clickTile(second);
        fixture.game.Hint();
        fixture.clickTile(fixture.game.HintTileA());
        fixture.clickTile(fixture.game.HintTileB());
        EXPECT_EQ(fixture.game.TilesLeft(), 0);
        EXPECT_EQ(fixture.game.PenaltySeconds(), 2 * kHintPenaltySeconds);
    }
}

}  // namespace
}  // namespace orbeni
