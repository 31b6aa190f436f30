#include <algorithm>
#include <fstream>

#include "game_fixture.h"
#include "morvane/game/commands.h"

namespace morvane {
namespace {

TEST_F(GameTest, ClicksSelectDeselectRejectAndRemove) {
    // Three tiles in a row and one on top of the middle one: the middle tile is covered.
    load(rowGame(4, kSidesOnly, {{2, 0, 1}}));
    const Position covered{2, 0, 0};
    ASSERT_NE(game.playBoard().at(covered), 0);
    const auto mismatch = findPair(false);
    const auto pair = findPair(true);
    ASSERT_TRUE(mismatch && pair);

    host.sounds.clear();
    game.playClick(covered);
    game.playClick(pair->first);
    game.playClick(covered);
    EXPECT_EQ(game.firstSelection(), pair->first);
    game.playClick(pair->first);
    EXPECT_TRUE(game.firstSelection().isNone());
    game.playClick(mismatch->first);
    game.playClick(mismatch->second);
    EXPECT_TRUE(game.firstSelection().isNone() && game.secondSelection().isNone());
    EXPECT_EQ(game.tilesLeft(), 4);
    game.playClick(pair->first);
    game.playClick(pair->second);
    EXPECT_EQ(host.sounds,
              (std::vector{SoundSlot::Unfree, SoundSlot::Select, SoundSlot::Unfree, SoundSlot::Deselect,
                           SoundSlot::Select, SoundSlot::Mismatch, SoundSlot::Select, SoundSlot::Match}));
    EXPECT_EQ(game.tilesLeft(), 2);
    EXPECT_EQ(game.moveCount(), 1);
    EXPECT_EQ(game.playBoard().at(pair->first), 0);
    EXPECT_NE(std::find(host.calls.begin(), host.calls.end(), "removed " + RecordingHost::text(pair->second)),
              host.calls.end());
}

TEST_F(GameTest, SoundOffPlaysNothing) {
    load(rowGame(4, kLiftOnly));
    game.useSound();
    host.sounds.clear();
    removeAPair();
    EXPECT_TRUE(host.sounds.empty());
}

TEST_F(GameTest, BookmarksGoBackOnceAndUndoClearsThoseAbove) {
    load(rowGame(16, kLiftOnly));
    constexpr Command goTo2 = Command::GoToBookmark2;
    for (int move = 0; move < 5; ++move) {
        removeAPair();
    }
    const Board afterFive = game.playBoard();
    game.setBookmark(1);
    game.setBookmark(2);
    EXPECT_TRUE(isEnabled(goTo2, game));
    removeAPair();
    removeAPair();
    game.goToBookmark(1);
    EXPECT_EQ(game.moveCount(), 5);
    EXPECT_EQ(game.tilesLeft(), 6);
    EXPECT_EQ(game.playBoard(), afterFive);
    EXPECT_EQ(game.bookmark(1), -1);
    EXPECT_FALSE(isEnabled(goTo2, game));

    game.setBookmark(0);  // at 5
    game.setBookmark(3);  // at 5
    removeAPair();
    game.setBookmark(3);  // at 6
    game.undo();
    EXPECT_EQ(game.bookmark(0), 5);
    EXPECT_EQ(game.bookmark(3), -1);
    EXPECT_EQ(game.bookmark(2), 5);
    game.undo();
    EXPECT_EQ(game.bookmark(0), -1);
    EXPECT_EQ(game.bookmark(2), -1);
}

TEST_F(GameTest, ShowMovesListsFreePairsInBoardOrderForThirtySeconds) {
    game.seedRandom(1);
    game.start({});
    game.showMoves();
    ASSERT_TRUE(game.moves().active());
    EXPECT_EQ(game.elapsedSeconds(), 30);
    // Every free matching pair once, ordered by the first tile and then the second, in x, y, z order.
    std::vector<std::pair<Position, Position>> expected;
    const std::vector<Position> all = tiles();
    for (std::size_t a = 0; a < all.size(); ++a) {
        for (std::size_t b = a + 1; b < all.size(); ++b) {
            if (game.isFreeTile(all[a]) && game.isFreeTile(all[b]) &&
                match(game.settings().tileSet, game.playBoard().at(all[a]), game.playBoard().at(all[b]))) {
                expected.emplace_back(all[a], all[b]);
            }
        }
    }
    ASSERT_EQ(game.moves().length(), static_cast<int>(expected.size()));
    for (int i = 0; i < game.moves().length(); ++i) {
        EXPECT_EQ(game.moves().pair(i).first, expected[static_cast<std::size_t>(i)].first);
        EXPECT_EQ(game.moves().pair(i).second, expected[static_cast<std::size_t>(i)].second);
    }
    EXPECT_EQ(game.firstSelection(), expected.front().first);

    game.previousMove();
    EXPECT_EQ(game.moves().index(), 0);
    for (int i = 0; i < game.moves().length() + 2; ++i) {
        game.nextMove();
    }
    EXPECT_EQ(game.moves().index(), game.moves().length() - 1);
    EXPECT_EQ(game.secondSelection(), expected.back().second);
    game.playClick(expected.front().first);  // clicks are ignored while moves are shown
    EXPECT_EQ(game.moveCount(), 0);
    game.exitShowMoves();
    EXPECT_TRUE(game.firstSelection().isNone());
    game.showMoves();
    EXPECT_EQ(game.elapsedSeconds(), 60);
}

TEST_F(GameTest, NoMovesLeftIsFree) {
    // Two matching tiles stacked: only the top one is free.
    GameSettings settings = rowGame(2, kLiftOnly);
    settings.layout.clear();
    settings.layout.set(4, 4, 0, 1);
    settings.layout.set(4, 4, 1, 1);
    load(settings);
    game.showMoves();
    EXPECT_FALSE(game.moves().active());
    EXPECT_EQ(game.elapsedSeconds(), 0);
    EXPECT_EQ(host.messages.back(), "Sorry: No moves left");
}

TEST_F(GameTest, DoItRemovesTheShownPairAndWins) {
    load(rowGame(2, kSidesOnly));
    host.names.push_back("Ann");
    host.calls.clear();
    game.tick();
    game.showMoves();
    game.doIt();
    EXPECT_FALSE(game.moves().active());
    EXPECT_EQ(game.tilesLeft(), 0);
    const auto stop = std::find(host.calls.begin(), host.calls.end(), "stop clock");
    const auto won = std::find(host.calls.begin(), host.calls.end(), "sound won");
    ASSERT_NE(stop, host.calls.end());
    EXPECT_LT(stop, won);
    EXPECT_EQ(host.lastHallOfFame[0].name, "Ann");
    EXPECT_EQ(host.lastHallOfFame[0].time, "0:31");
}

TEST_F(GameTest, RestartBringsBackTheDealAndNewGameDealsAgain) {
    load(rowGame(12, kLiftOnly));
    const Board dealt = game.startBoard();
    EXPECT_EQ(game.playBoard(), dealt);
    removeAPair();
    removeAPair();
    game.setBookmark(0);
    game.tick();
    game.restartGame();
    EXPECT_EQ(game.playBoard(), dealt);
    EXPECT_EQ(game.tilesLeft(), 12);
    EXPECT_EQ(game.moveCount(), 0);
    EXPECT_EQ(game.timeText(), "0:00");
    EXPECT_EQ(game.bookmark(0), -1);
    game.undo();
    EXPECT_EQ(game.playBoard(), dealt);
    game.newGame();
    EXPECT_NE(game.startBoard(), dealt);
}

TEST_F(GameTest, CommandsFollowTheModes) {
    game.start({});
    struct Case {
        Command id;
        bool playing;
        bool showingMoves;
        bool designing;
    };
    const Case cases[] = {
        {Command::NewGame, true, true, true},          {Command::Undo, true, false, true},
        {Command::ShowMoves, true, false, false},      {Command::Next, false, true, false},
        {Command::SetBookmark1, true, false, false},   {Command::HallOfFame, true, false, false},
        {Command::EnterDesign, true, false, false},    {Command::SaveGame, false, false, true},
        {Command::ExitDesign, false, false, true},     {Command::SavePosition, false, false, false},
        {Command::GoToBookmark1, false, false, false},
    };
    auto check = [&](const char* mode, bool Case::*expected) {
        for (const Case& c : cases) {
            EXPECT_EQ(isEnabled(c.id, game), c.*expected) << mode << " " << id(c.id);
        }
    };
    check("playing", &Case::playing);
    game.showMoves();
    check("showing moves", &Case::showingMoves);
    game.exitShowMoves();
    game.enterDesignMode();
    check("designing", &Case::designing);
    EXPECT_TRUE(isChecked(Command::InsertMode, game));
    EXPECT_FALSE(isChecked(Command::RemoveMode, game));
    game.design().setTool(DesignTool::Remove);
    EXPECT_TRUE(isChecked(Command::RemoveMode, game));
    EXPECT_FALSE(isChecked(Command::InsertMode, game));
    EXPECT_FALSE(isEnabled(static_cast<Command>(1), game));
}

TEST_F(GameTest, StatusTexts) {
    game.start({});
    EXPECT_EQ(game.rulesOrCursorText(), "<       >");
    EXPECT_EQ(game.tilesText(), "144");
    EXPECT_EQ(game.selectedCodeText(), "");
    const auto pair = findPair(true);
    ASSERT_TRUE(pair);
    game.playClick(pair->first);
    const bool suit = (game.playBoard().at(pair->first) >> 4) <= 5;
    EXPECT_EQ(game.selectedCodeText(), suit ? "4" : "1");
    for (int s = 0; s < 125; ++s) {
        game.tick();
    }
    EXPECT_EQ(game.timeText(), "2:05");
    game.enterDesignMode();
    game.design().click(0, 0, MouseButton::Left);
    game.design().moveCursor(0, 0);
    EXPECT_EQ(game.tilesText(), "145");
    EXPECT_EQ(game.rulesOrCursorText(), "00 - 00 - 01");
}

TEST_F(GameTest, UndealableTileSetsAreRefusedWithAMessage) {
    struct Case {
        const char* groups;
        const char* refusal;  // none when the set is dealt as read
        int tiles;
        int suits;
    };
    const Case cases[] = {
        {"SUITS=12\nINDIS=0\nSUITSIZE00=1\n", nullptr, 4, 10},                // clipped to ten groups
        {"SUITS=2\nINDIS=0\nSUITSIZE00=-4\nSUITSIZE01=3\n", nullptr, 12, 2},  // no negative sizes
        {"SUITS=1\nINDIS=0\nSUITSIZE00=16\n", "A suit group has more than 15 tiles", 144, 5},
        {"SUITS=0\nINDIS=1\nSUITSIZE10=16\n", "An individual group has more than 15 tiles", 144, 5},
        {"SUITS=10\nINDIS=6\nSUITSIZE00=1\n", "More than 15 tile groups (SUITS + INDIS)", 144, 5},
        {"SUITS=10\nINDIS=5\nSUITSIZE00=15\nSUITSIZE01=15\nSUITSIZE02=15\nSUITSIZE03=15\nSUITSIZE04=15\n"
         "SUITSIZE05=15\nSUITSIZE06=15\nSUITSIZE07=15\nSUITSIZE08=15\n",
         "More than 500 tiles", 144, 5},
    };
    const std::filesystem::path file = home.folder() / "tiles.rvq";
    for (const Case& c : cases) {
        std::ofstream(file, std::ios::binary) << "[TILE]\nFILE=t.bmp\n" << c.groups;
        host.messages.clear();
        game.loadGame(file);
        if (c.refusal) {
            ASSERT_EQ(host.messages.size(), 1u) << c.groups;
            EXPECT_EQ(host.messages[0],
                      std::string("Morvane: ") + c.refusal + ": the built-in tile set is used instead.");
        } else {
            EXPECT_TRUE(host.messages.empty()) << c.groups;
        }
        EXPECT_EQ(game.numberOfTiles(), c.tiles) << c.groups;
        EXPECT_EQ(game.settings().tileSet.suits, c.suits) << c.groups;
    }
    GameSettings settings = game.settings();
    settings.tileSet.suits = 9;
    settings.tileSet.indis = 9;
    game.enterDesignMode();
    game.setSettings(settings);
    EXPECT_EQ(host.messages.back(),
              "Morvane: More than 15 tile groups (SUITS + INDIS): the built-in tile set is used instead.");
    EXPECT_EQ(game.settings().tileSet, builtInTileSet());
}

TEST_F(GameTest, ReadingAGameLoadsItsPictureAndDeals) {
    GameSettings settings = rowGame(4, kLiftOnly);
    settings.bitmapPath = "faces.bmp";
    const std::filesystem::path file = load(settings);
    EXPECT_EQ(game.gameName(), file.string());
    EXPECT_NE(std::find(host.calls.begin(), host.calls.end(), "bitmap faces.bmp"), host.calls.end());
    EXPECT_EQ(host.calls.back(), "repaint all");
    EXPECT_EQ(game.tilesLeft(), 4);
    game.defaultGame();
    EXPECT_NE(std::find(host.calls.begin(), host.calls.end(), "bitmap DEFAULT"), host.calls.end());
    EXPECT_EQ(game.settings().sound(SoundSlot::Match), "/opt/morvane/remove.wav");
    EXPECT_EQ(game.settings().sound(SoundSlot::Mismatch), "/opt/morvane/unfree.wav");
    EXPECT_EQ(game.tilesLeft(), 144);
}

// The check marks follow the game's sound and the frame's bars; the other commands show none.
TEST_F(GameTest, CheckMarksFollowTheSoundAndTheBarsShown) {
    game.start({});
    game.setSoundOn(false);
    EXPECT_FALSE(isChecked(Command::UseSound, game));
    game.useSound();
    EXPECT_TRUE(isChecked(Command::UseSound, game));
    EXPECT_TRUE(isChecked(Command::Toolbar, game, {.toolbarShown = true, .statusBarShown = false}));
    EXPECT_FALSE(isChecked(Command::StatusBar, game, {.toolbarShown = true, .statusBarShown = false}));
    EXPECT_FALSE(isChecked(Command::Toolbar, game, {.toolbarShown = false, .statusBarShown = true}));
    EXPECT_FALSE(isChecked(Command::FullScreen, game));
    EXPECT_FALSE(isCheckable(Command::FullScreen));
}

}  // namespace
}  // namespace morvane
