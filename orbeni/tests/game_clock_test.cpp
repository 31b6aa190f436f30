#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "orbeni/game/saved_game.h"
#include "parts_fixture.h"

namespace orbeni {
namespace {

using test::PartsFixture;

// Lets the clock of a game started at tick 1000 run to `milliseconds`, as the timer would.
void runTo(PartsFixture& fixture, std::uint32_t milliseconds) {
    fixture.host.tick = 1000 + milliseconds;
    fixture.clock.Temps();
}

TEST(GameClock, TheStatusBarShowsTilesMovesAndTimeAsTheOptionsSay) {
    const struct {
        const char* what;
        bool showMoves;
        bool showTime;
        bool paused;
        bool rivers;
        const char* moves;
        const char* time;
    } cases[] = {
        {"everything shown", true, true, false, false, "3", "01:45"},
        {"moves hidden", false, true, false, false, "--", "01:45"},
        {"time hidden", true, false, false, false, "3", "---"},
        {"paused", true, true, true, false, "3", "---"},
        {"Rivers counts no moves", true, true, false, true, "--", "01:45"},
    };
    for (const auto& c : cases) {
        PartsFixture fixture;
        fixture.options.showMoves = c.showMoves;
        fixture.options.showTime = c.showTime;
        fixture.phase.setPaused(c.paused);
        fixture.phase.setRivers(c.rivers);
        fixture.clock.start();
        fixture.clock.addPenalty(40);
        runTo(fixture, 65500);
        EXPECT_EQ(fixture.host.panel(StatusPanel::TilesLeft), "10") << c.what;
        EXPECT_EQ(fixture.host.panel(StatusPanel::MovesLeft), c.moves) << c.what;
        EXPECT_EQ(fixture.host.panel(StatusPanel::Time), c.time) << c.what;
        EXPECT_EQ(fixture.clock.ElapsedSeconds(), 65) << c.what;
        EXPECT_EQ(fixture.clock.totalSeconds(), 105) << c.what;
    }

    // A stopped game and the editor show no counts, and a stopped clock does not run.
    for (const bool editor : {false, true}) {
        PartsFixture fixture;
        fixture.phase.setStopped(!editor);
        fixture.phase.setEditor(editor);
        fixture.clock.start();
        fixture.clock.WriteScore();
        for (const StatusPanel panel : {StatusPanel::TilesLeft, StatusPanel::MovesLeft, StatusPanel::Time}) {
            EXPECT_EQ(fixture.host.panel(panel), "--") << editor;
        }
        EXPECT_EQ(fixture.counted.countings, 0) << editor;
    }
    PartsFixture stopped;
    stopped.phase.setStopped(true);
    stopped.clock.start();
    runTo(stopped, 5000);
    EXPECT_EQ(stopped.clock.ElapsedSeconds(), 0);
}

// The time limit counts the penalties with the time played, and is only reached at 100 minutes.
TEST(GameClock, TheTimeLimitCountsThePenalties) {
    const struct {
        int penalty;
        std::uint32_t played;
        int timeUps;
    } cases[] = {
        {0, 5999999, 0}, {0, 6000000, 1}, {40, 5959999, 0}, {40, 5960000, 1}, {5990, 10000, 1},
    };
    for (const auto& c : cases) {
        PartsFixture fixture;
        fixture.clock.start();
        fixture.clock.addPenalty(c.penalty);
        runTo(fixture, c.played);
        EXPECT_EQ(fixture.counted.timeUps, c.timeUps) << c.penalty << " " << c.played;
    }
}

TEST(GameClock, APauseHoldsTheTimeUntilItEnds) {
    PartsFixture fixture;
    fixture.clock.start();
    runTo(fixture, 5400);
    fixture.phase.setPaused(true);
    fixture.clock.hold();
    EXPECT_EQ(fixture.host.count("captions &Continue / Play"), 1);
    fixture.host.tick += 60000;  // the player looks at the hidden board for a minute
    fixture.phase.setPaused(false);
    fixture.clock.release();
    EXPECT_EQ(fixture.host.count("captions &Pause / Pause"), 1);
    fixture.host.tick += 700;
    fixture.clock.Temps();
    EXPECT_EQ(fixture.clock.ElapsedSeconds(), 6);
    EXPECT_EQ(fixture.host.panel(StatusPanel::Time), "00:06");
}

// The counts tell the game that the board is empty, or the player that no move is left.
TEST(GameClock, TheCountsTellOfAnEmptiedBoardAndOfNoMoreMoves) {
    const struct {
        const char* what;
        TileCounts counts;
        bool rivers;
        int emptied;
        bool noMoreMoves;
    } cases[] = {
        {"moves left", {10, 3}, false, 0, false},
        {"no move left", {4, 0}, false, 0, true},
        {"no move counted in Rivers", {4, 0}, true, 0, false},
        {"board emptied", {0, 0}, false, 1, false},
    };
    for (const auto& c : cases) {
        PartsFixture fixture;
        fixture.counted.counts = c.counts;
        fixture.phase.setRivers(c.rivers);
        fixture.clock.WriteScore();
        EXPECT_EQ(fixture.counted.emptied, c.emptied) << c.what;
        EXPECT_EQ(fixture.status.noMovesShown(), c.noMoreMoves) << c.what;
        EXPECT_EQ(fixture.status.message().text() == "      SORRY, NO MORE MOVES !!", c.noMoreMoves)
            << c.what;
    }

    // The text shows once, and goes once a move returns.
    PartsFixture fixture;
    fixture.counted.counts = {4, 0};
    fixture.clock.WriteScore();
    fixture.status.ShowStatus("Something else.");
    fixture.clock.WriteScore();
    EXPECT_EQ(fixture.status.message().text(), "Something else.");
    fixture.counted.counts = {4, 1};
    fixture.clock.WriteScore();
    EXPECT_FALSE(fixture.status.noMovesShown());
}

TEST(GameClock, WakesForTheRevealTheNextWholeSecondAndTheMusic) {
    const struct {
        const char* what;
        bool clockRuns;
        bool revealing;
        std::optional<std::uint32_t> musicEndsIn;
        std::optional<std::uint32_t> delay;
    } cases[] = {
        {"a running clock", true, false, std::nullopt, 750u},
        {"a message to reveal", true, true, std::nullopt, kRevealTickMilliseconds},
        {"the music ends sooner", true, false, 300u, 300u},
        {"the music ends later", true, false, 5000u, 750u},
        {"a stopped game sleeps", false, false, std::nullopt, std::nullopt},
        {"a stopped game wakes for the music", false, false, 5000u, 5000u},
    };
    for (const auto& c : cases) {
        PartsFixture fixture;
        fixture.clock.start();
        fixture.host.tick += 3250;
        fixture.phase.setStopped(!c.clockRuns);
        if (c.revealing) {
            fixture.status.ShowStatus("A message that slides in.");
        }
        if (c.musicEndsIn) {
            fixture.host.musicEndsAt = fixture.host.tick + *c.musicEndsIn;
        }
        EXPECT_EQ(fixture.clock.nextTempsDelay(), c.delay) << c.what;
    }
}

// A saved clock goes on in another run, whose tick counts from elsewhere, from the time played.
TEST(GameClock, ASavedClockGoesOnFromTheTimePlayed) {
    for (const bool paused : {false, true}) {
        PartsFixture played;
        played.clock.start();
        played.clock.addPenalty(80);
        played.host.tick += 12345;
        if (paused) {
            played.phase.setPaused(true);
            played.clock.hold();
            played.host.tick += 99000;
        }
        SavedGame saved;
        played.clock.saveTo(saved);
        EXPECT_EQ(saved.playedMilliseconds, 12345u) << paused;
        EXPECT_EQ(saved.paused, paused);

        PartsFixture resumed;
        resumed.host.tick = 777000;
        resumed.phase.setPaused(paused);
        resumed.clock.restoreFrom(saved);
        EXPECT_EQ(resumed.clock.ElapsedSeconds(), 12) << paused;
        EXPECT_EQ(resumed.clock.PenaltySeconds(), 80) << paused;
        if (paused) {
            resumed.host.tick += 30000;
            resumed.phase.setPaused(false);
            resumed.clock.release();
        }
        resumed.host.tick += 1000;
        resumed.clock.Temps();
        EXPECT_EQ(resumed.clock.ElapsedSeconds(), 13) << paused;
    }
}

}  // namespace
}  // namespace orbeni
