#include <gtest/gtest.h>

#include <optional>

#include "orbeni/game/game_snapshot.h"
#include "orbeni/game/hall_entry.h"
#include "orbeni/game/rivers.h"
#include "orbeni/game/saved_game.h"
#include "parts_fixture.h"

namespace orbeni {
namespace {

using test::GameFixture;

// Saving and resuming on their own, over the parts that keep a game.
struct SnapshotFixture : test::PartsFixture {
    Rivers rivers{host, options, play, status, clock};
    HallEntry hall{host, options};
    GameSnapshot snapshot{phase, options, play, rivers, clock, hall};

    SnapshotFixture() {
        hall.loadHallSlot(1, "Alpha");
        hall.loadHallSlot(2, "Beta");
        // One group of four, as a game deals four tiles.
        layOut(GameFixture::singles({1, 2, 3, 4}));
        clock.start();
    }
};

// Only a game that runs is kept: not a stopped one, a finished one or the editor's board.
TEST(GameSnapshot, OnlyARunningGameIsTaken) {
    const struct {
        const char* what;
        void (*phase)(GamePhase&);
        bool taken;
    } cases[] = {
        {"running", [](GamePhase&) {}, true},
        {"paused", [](GamePhase& phase) { phase.setPaused(true); }, true},
        {"stopped", [](GamePhase& phase) { phase.setStopped(true); }, false},
        {"finished", [](GamePhase& phase) { phase.setFinished(true); }, false},
        {"editor", [](GamePhase& phase) { phase.setEditor(true); }, false},
    };
    for (const auto& c : cases) {
        SnapshotFixture fixture;
        c.phase(fixture.phase);
        const std::optional<SavedGame> saved = fixture.snapshot.take(2);
        EXPECT_EQ(saved.has_value(), c.taken) << c.what;
        if (saved) {
            EXPECT_EQ(saved->layoutName, "Beta") << c.what;
            EXPECT_EQ(saved->kind, GameKind::Solitaire) << c.what;
        }
    }
    // A Rivers game is kept as one; a board that is not Rivers' rectangle is never saved as one.
    SnapshotFixture rivers;
    rivers.phase.setRivers(true);
    EXPECT_FALSE(rivers.snapshot.take(kRiversSlot));
    rivers.rivers.deal();
    const std::optional<SavedGame> saved = rivers.snapshot.take(kRiversSlot);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->kind, GameKind::Rivers);
    EXPECT_EQ(saved->layoutName, "");
}

TEST(GameSnapshot, AResumedGamePlaysForItsLayoutFoundByName) {
    const struct {
        const char* what;
        GameKind kind;
        int savedSlot;
        const char* savedName;
        int slot;
    } cases[] = {
        {"same place", GameKind::Solitaire, 2, "Beta", 2},
        {"moved in the list", GameKind::Solitaire, 1, "Beta", 2},
        {"no longer listed", GameKind::Solitaire, 2, "Gamma", 0},
        {"unlisted when saved", GameKind::Solitaire, 0, "Alpha", 0},
        {"Rivers", GameKind::Rivers, kRiversSlot, "", kRiversSlot},
    };
    for (const auto& c : cases) {
        SnapshotFixture fixture;
        SavedGame saved;
        saved.kind = c.kind;
        saved.layoutSlot = c.savedSlot;
        saved.layoutName = c.savedName;
        EXPECT_EQ(fixture.snapshot.slotOf(saved), c.slot) << c.what;
    }
}

TEST(GameSnapshot, TheBoardsHistoryHintAndClockComeBack) {
    SnapshotFixture played;
    played.pickPair(1, 2);
    played.play.removePair(played.play.board().position(1));
    played.play.IsItFree();
    ASSERT_TRUE(played.play.Hint());
    played.host.tick += 4200;
    const std::optional<SavedGame> saved = played.snapshot.take(1);
    ASSERT_TRUE(saved);
    const auto read = readSavedGame(writeSavedGame(*saved));
    ASSERT_TRUE(read) << read.error();

    SnapshotFixture resumed;
    resumed.host.tick = 50000;
    resumed.snapshot.restore(read.value());
    EXPECT_TRUE(resumed.play.board() == played.play.board());
    EXPECT_EQ(resumed.play.TilesLeft(), 2);
    EXPECT_EQ(resumed.play.HintTileA(), played.play.HintTileA());
    EXPECT_EQ(resumed.clock.PenaltySeconds(), kHintPenaltySeconds);
    EXPECT_EQ(resumed.clock.ElapsedSeconds(), 4);
    // Undo takes back the pair removed before the save, and Restart the deal.
    resumed.play.BackHistory();
    EXPECT_TRUE(resumed.play.board().position(1).onBoard());
    resumed.play.Restart();
    EXPECT_TRUE(resumed.play.untouched());
}

}  // namespace
}  // namespace orbeni
