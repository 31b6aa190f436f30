#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orbeni/game/host.h"
#include "orbeni/game/solver_playback.h"
#include "parts_fixture.h"

namespace orbeni {
namespace {

using test::GameFixture;
using test::PlacedTile;

// The solver's playback on its own, over a board the test lays out.
struct PlaybackFixture : test::PartsFixture {
    SolverPlayback playback{host, options, phase, play, clock, status};
};

TEST(SolverPlayback, TheAnswerFollowsThePosition) {
    const std::vector<PlacedTile> stacked = {
        {1, {10, 10, 1}}, {2, {10, 10, 2}}, {5, {1, 1, 1}}, {6, {5, 1, 1}}};
    const struct {
        const char* name;
        std::vector<PlacedTile> tiles;
        void (*before)(GamePhase&);
        const char* answer;
    } cases[] = {
        {"winnable", GameFixture::singles({1, 2, 5, 6}), [](GamePhase&) {},
         "ask Can it still be won?: This position can still be won."},
        {"lost", stacked, [](GamePhase&) {},
         "ask Can it still be won?: This position cannot be won any more."},
        {"paused", stacked, [](GamePhase& phase) { phase.setPaused(true); }, nullptr},
        {"stopped", stacked, [](GamePhase& phase) { phase.setStopped(true); }, nullptr},
        {"finished", stacked, [](GamePhase& phase) { phase.setFinished(true); }, nullptr},
        {"Rivers", stacked, [](GamePhase& phase) { phase.setRivers(true); }, nullptr},
        {"editor", stacked, [](GamePhase& phase) { phase.setEditor(true); }, nullptr},
        {"no tile left", {}, [](GamePhase&) {}, nullptr},
    };
    for (const auto& c : cases) {
        PlaybackFixture fixture;
        fixture.layOut(c.tiles);
        c.before(fixture.phase);
        EXPECT_EQ(fixture.playback.solverAvailable(), c.answer != nullptr) << c.name;
        fixture.playback.CanBeWonClick();
        const bool solving = fixture.playback.SolveClick();
        EXPECT_EQ(solving, fixture.playback.solving()) << c.name;
        if (c.answer == nullptr) {
            EXPECT_FALSE(solving) << c.name;
            EXPECT_EQ(fixture.host.count("ask"), 0) << c.name;
            continue;
        }
        ASSERT_FALSE(fixture.host.calls.empty()) << c.name;
        EXPECT_EQ(fixture.host.calls.front(), c.answer) << c.name;
        // Solve starts only on a position it can win, and says why not otherwise.
        const std::string verdict =
            fixture.host.calls.front().substr(std::string("ask Can it still be won?: ").size());
        EXPECT_EQ(solving, verdict == "This position can still be won.") << c.name;
        EXPECT_EQ(fixture.host.count("ask Solve: " + verdict), solving ? 0 : 1) << c.name;
    }
}

TEST(SolverPlayback, SolveShowsEachPairAsAPaidHintThenTakesIt) {
    PlaybackFixture fixture;
    // Tile 1 lies on tile 2's partner 3: the line must take 1 with 2 or 4 before 3.
    fixture.layOut({{3, {10, 10, 1}},
                    {1, {10, 10, 2}},
                    {2, {1, 1, 1}},
                    {4, {5, 1, 1}},
                    {5, {20, 1, 1}},
                    {6, {24, 1, 1}}});
    fixture.play.pick(5);
    SolverPlayback& playback = fixture.playback;
    const Solitaire& play = fixture.play;
    ASSERT_TRUE(playback.SolveClick());
    ASSERT_TRUE(playback.solving());
    EXPECT_EQ(play.FirstTile(), 0) << "the player's selection gives way to the line";
    for (int step = 1; step <= 3; ++step) {
        ASSERT_EQ(playback.solveStep(), SolveStep::HintShown);
        const int hintA = play.HintTileA();
        const int hintB = play.HintTileB();
        EXPECT_EQ(matchGroup(hintA), matchGroup(hintB));
        EXPECT_TRUE(play.isFreeUnder(hintA, FreeRule::Horizontal) &&
                    play.isFreeUnder(hintB, FreeRule::Horizontal));
        EXPECT_EQ(fixture.clock.PenaltySeconds(), step * kHintPenaltySeconds);
        EXPECT_EQ(play.TilesLeft(), 8 - 2 * step);
        EXPECT_EQ(playback.solveStep(), step < 3 ? SolveStep::PairTaken : SolveStep::Ended);
        EXPECT_EQ(play.TilesLeft(), 6 - 2 * step);
        EXPECT_EQ(play.history(kMaxTiles - 8 + 2 * step).tile, hintA);
        EXPECT_FALSE(play.board().position(hintA).onBoard());
        EXPECT_EQ(play.HintTileA(), 0);
    }
    EXPECT_FALSE(playback.solving());

    // A board changed by anything but the line ends the playback, as does a pause.
    for (const bool pause : {false, true}) {
        PlaybackFixture other;
        other.layOut(GameFixture::singles({1, 2, 5, 6}));
        ASSERT_TRUE(other.playback.SolveClick());
        if (pause) {
            other.phase.setPaused(true);
        } else {
            other.play.takePair({5, 6});
        }
        EXPECT_EQ(other.playback.solveStep(), SolveStep::Ended) << pause;
        EXPECT_FALSE(other.playback.solving()) << pause;
        EXPECT_EQ(other.clock.PenaltySeconds(), 0) << pause;
    }
}

TEST(SolverCommands, WarnsOnlyOfTheMoveThatLosesTheGame) {
    // Tile 4 lies on tile 3: taking 1 with 2 leaves them for each other.
    const std::vector<PlacedTile> tiles = {{3, {10, 10, 1}}, {4, {10, 10, 2}}, {1, {1, 1, 1}},
                                           {2, {5, 1, 1}},   {5, {20, 1, 1}},  {6, {24, 1, 1}}};
    const struct {
        const char* name;
        bool warn;
        std::vector<std::pair<int, int>> moves;
        int warnings;
    } cases[] = {
        {"losing move", true, {{1, 2}}, 1},
        {"moves after the loss", true, {{1, 2}, {5, 6}}, 1},
        {"good moves", true, {{1, 4}, {5, 6}}, 0},
        {"warning off", false, {{1, 2}}, 0},
    };
    for (const auto& c : cases) {
        GameFixture fixture;
        fixture.layOut(tiles);
        fixture.game.options().warnUnwinnable = c.warn;
        int warnings = 0;
        for (const auto& [first, second] : c.moves) {
            fixture.clickTile(first);
            fixture.clickTile(second);
            warnings += fixture.game.statusMessage().text() == "This game cannot be won any more." ? 1 : 0;
            fixture.game.ShowStatus("");
        }
        EXPECT_EQ(warnings, c.warnings) << c.name;
    }
}

}  // namespace
}  // namespace orbeni
