#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "game_fixture.h"
#include "orbeni/game/saved_game.h"
#include "orbeni/game/saved_game_file.h"
#include "test_layouts.h"

namespace orbeni {
namespace {

using test::GameFixture;

// A folder of this test run's own, so that builds testing at the same time keep apart.
std::filesystem::path freshFolder(const char* name) {
    const auto folder = std::filesystem::temp_directory_path() / (name + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

void writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Takes off the pair the next hint shows, as a player following the hints would.
void removeHintedPair(GameFixture& fixture) {
    fixture.game.Hint();
    ASSERT_NE(fixture.game.HintTileA(), 0);
    fixture.clickTile(fixture.game.HintTileA());
    fixture.clickTile(fixture.game.HintTileB());
}

// A game some way in: pairs removed, a shuffle drawn from the generator, a hint on show.
void playHalfAGame(GameFixture& fixture, GameKind kind) {
    Game& game = fixture.game;
    game.options().Shuffable = false;
    game.options().tileRivers = false;
    if (kind == GameKind::Rivers) {
        game.FourRivers();
    } else {
        game.layoutTemplate() = test::staggeredLayout();
        game.BeginGame();
    }
    fixture.runClockTo(5000);
    for (int pair = 0; pair < 3; ++pair) {
        removeHintedPair(fixture);
    }
    game.Shuffle1Click();
    fixture.runClockTo(21500);
    game.Hint();
}

SavedGame savedAndReadBack(const Game& game) {
    const std::optional<SavedGame> saved = game.savedGame();
    EXPECT_TRUE(saved);
    const auto read = readSavedGame(writeSavedGame(saved.value_or(SavedGame{})));
    EXPECT_TRUE(read) << read.error();
    return read ? read.value() : SavedGame{};
}

// The two games show the same board, clock and hint.
void expectSameGame(const Game& played, const Game& resumed) {
    EXPECT_TRUE(played.board() == resumed.board());
    EXPECT_EQ(played.TilesLeft(), resumed.TilesLeft());
    EXPECT_EQ(played.ElapsedSeconds(), resumed.ElapsedSeconds());
    EXPECT_EQ(played.PenaltySeconds(), resumed.PenaltySeconds());
    EXPECT_EQ(played.HintTileA(), resumed.HintTileA());
    EXPECT_EQ(played.HintTileB(), resumed.HintTileB());
}

TEST(SavedGame, AResumedGamePlaysOnAsTheSavedOneWould) {
    for (const GameKind kind : {GameKind::Solitaire, GameKind::Rivers}) {
        SCOPED_TRACE(kind == GameKind::Rivers ? "Rivers" : "solitaire");
        GameFixture played;
        playHalfAGame(played, kind);
        GameFixture resumed;
        resumed.host.tick = 777000;                      // another run, another clock
        resumed.game.options() = played.game.options();  // as "Orbeni.ini" keeps them
        ASSERT_TRUE(resumed.game.resumeGame(savedAndReadBack(played.game)));
        EXPECT_EQ(resumed.game.RiversMode(), kind == GameKind::Rivers);
        EXPECT_FALSE(resumed.game.GameStopped());
        EXPECT_EQ(resumed.game.statusMessage().text(), "Game resumed.");

        // The clock goes on from where it was.
        for (GameFixture* fixture : {&played, &resumed}) {
            fixture->host.tick += 3700;
            fixture->game.Temps();
        }
        expectSameGame(played.game, resumed.game);
        EXPECT_EQ(played.host.panel(StatusPanel::Time), resumed.host.panel(StatusPanel::Time));
        // The next hints, a shuffle from the generator, undo and restart all come out the same.
        const std::vector<std::function<void(Game&)>> moves = {
            [](Game& game) { game.Hint(); },          [](Game& game) { game.Hint(); },
            [](Game& game) { game.Shuffle1Click(); }, [](Game& game) { game.Hint(); },
            [](Game& game) { game.Back(); },          [](Game& game) { game.Back(); },
            [](Game& game) { game.Back(); },          [](Game& game) { game.Restart(); },
        };
        for (std::size_t step = 0; step < moves.size(); ++step) {
            SCOPED_TRACE("move " + std::to_string(step));
            const auto& move = moves[step];
            move(played.game);
            move(resumed.game);
            expectSameGame(played.game, resumed.game);
        }
        EXPECT_EQ(resumed.game.TilesLeft(), resumed.game.TilesTotal());
    }
}

TEST(SavedGame, APausedGameComesBackPausedWithItsClockHeld) {
    GameFixture played;
    playHalfAGame(played, GameKind::Solitaire);
    played.game.PauseClick();
    const int elapsed = played.game.ElapsedSeconds();
    GameFixture resumed;
    resumed.host.tick = 50000;
    ASSERT_TRUE(resumed.game.resumeGame(savedAndReadBack(played.game)));
    EXPECT_TRUE(resumed.game.GamePaused());
    EXPECT_EQ(resumed.host.count("captions &Continue / Play"), 1);
    resumed.host.tick += 60000;  // the player looks at the paused board for a minute
    resumed.game.PauseClick();
    resumed.game.Temps();
    EXPECT_EQ(resumed.game.ElapsedSeconds(), elapsed);
}

// A pair caught sliding along its river is kept unjoined, its tile back where it slid from.
TEST(SavedGame, ASlidingRiversTileIsSavedWhereItStarted) {
    GameFixture fixture;
    fixture.game.FourRivers();
    fixture.runClockTo(2000);
    Board before;
    // Neighbours go at once; the hints go on to a pair whose river has cells to slide along.
    for (int pair = 0; pair < kRiversTiles / 2 && !fixture.game.RiverPathFound(); ++pair) {
        before = fixture.game.board();
        removeHintedPair(fixture);
    }
    ASSERT_TRUE(fixture.game.RiverPathFound());
    fixture.game.advanceRiverSlide();
    ASSERT_FALSE(fixture.game.board() == before);
    const SavedGame saved = savedAndReadBack(fixture.game);
    EXPECT_TRUE(saved.board == before);
    EXPECT_EQ(saved.tilesLeft, fixture.game.TilesLeft());
}

// A line of the file replaced, or the file cut, appended to or swapped about.
struct Damage {
    const char* what;
    std::function<std::string(std::string)> apply;
};

std::string replaceLine(std::string text, std::string_view start, const std::string& line) {
    const std::size_t at = text.find("\n" + std::string(start)) + 1;
    return text.replace(at, text.find('\n', at) - at, line);
}

// The keyword and the tile of a line of placed tiles.
std::string keywordAndTile(const std::string& line) {
    return line.substr(0, line.find(' ', line.find(' ') + 1));
}

std::string lineStarting(const std::string& text, std::string_view start, int skip = 0) {
    std::size_t at = text.find("\n" + std::string(start)) + 1;
    for (; skip > 0; --skip) {
        at = text.find("\n" + std::string(start), at) + 1;
    }
    return text.substr(at, text.find('\n', at) - at);
}

TEST(SavedGame, DamagedOrForeignFilesAreRefusedWhole) {
    GameFixture played;
    playHalfAGame(played, GameKind::Solitaire);
    const std::optional<SavedGame> saved = played.game.savedGame();
    ASSERT_TRUE(saved);
    const std::string text = writeSavedGame(*saved);
    const int firstRemoved = saved->removed[0].tile;
    const int thirdRemoved = saved->removed[2].tile;
    ASSERT_NE(matchGroup(firstRemoved), matchGroup(thirdRemoved));

    const std::vector<Damage> damages = {
        {"another program's file", [](std::string t) { return t.replace(0, t.find('\n'), "[Orbeni]"); }},
        {"a later version", [](std::string t) { return replaceLine(t, "version", "version 2"); }},
        {"cut in the middle", [](std::string t) { return t.substr(0, t.size() / 2); }},
        {"without its end", [](std::string t) { return t.substr(0, t.size() - 4); }},
        {"more after its end", [](std::string t) { return t + "board 1 2 3 1\n"; }},
        {"a game kind it is not", [](std::string t) { return replaceLine(t, "game", "game rivers"); }},
        {"an unknown rule", [](std::string t) { return replaceLine(t, "rule", "rule diagonal"); }},
        {"two tiles more dealt", [](std::string t) { return replaceLine(t, "tiles", "tiles 130 120"); }},
        {"an odd count left", [](std::string t) { return replaceLine(t, "tiles", "tiles 128 121"); }},
        {"a column off the grid", [](std::string t) { return replaceLine(t, "dealt 1 ", "dealt 1 35 1 1"); }},
        {"a negative time", [](std::string t) { return replaceLine(t, "clock", "clock -5 0"); }},
        {"a seed that is no number", [](std::string t) { return replaceLine(t, "random", "random 12a"); }},
        {"a seed past 32 bits", [](std::string t) { return replaceLine(t, "random", "random 4294967296"); }},
        {"a clock past the limit", [](std::string t) { return replaceLine(t, "clock", "clock 5990000 10"); }},
        {"a layout slot past 100", [](std::string t) { return replaceLine(t, "layout", "layout 101 Big"); }},
        {"a dealt tile twice",
         [&](std::string t) {
             return replaceLine(t, "dealt 2 ", "dealt 2" + lineStarting(t, "dealt 1 ").substr(7));
         }},
        {"a tile off the dealt layout",
         [](std::string t) {
             return replaceLine(t, "board ", keywordAndTile(lineStarting(t, "board ")) + " 34 20 5");
         }},
        {"a removed tile still on the board",
         [](std::string t) {
             return replaceLine(t, "removed", "removed" + lineStarting(t, "board ").substr(5));
         }},
        {"removed tiles that do not match",
         [&](std::string t) {
             const std::string first = lineStarting(t, "removed ");
             const std::string third = lineStarting(t, "removed ", 2);
             t = replaceLine(t, first,
                             "removed " + std::to_string(thirdRemoved) + first.substr(first.find(' ', 8)));
             return replaceLine(t, third,
                                "removed " + std::to_string(firstRemoved) + third.substr(third.find(' ', 8)));
         }},
        {"a hint on a removed tile",
         [&](std::string t) {
             return replaceLine(
                 t, "hints",
                 "hints 1 " + std::to_string(firstRemoved) + " " + std::to_string(saved->removed[1].tile));
         }},
        {"too large", [](std::string t) { return t + std::string(kMaxSavedGameBytes, ' '); }},
    };
    for (const Damage& damage : damages) {
        const std::string damaged = damage.apply(text);
        ASSERT_NE(damaged, text) << damage.what;
        const auto read = readSavedGame(damaged);
        EXPECT_FALSE(read) << damage.what;
        EXPECT_FALSE(read.error().empty()) << damage.what;
    }
    // Line ends written on another system read the same.
    std::string crlf;
    for (const char c : text) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    const auto read = readSavedGame(crlf);
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(writeSavedGame(read.value()), text);
}

// A game handed over in pieces that do not fit together changes nothing.
TEST(SavedGame, AnInconsistentGameIsNeverResumedHalf) {
    GameFixture played;
    playHalfAGame(played, GameKind::Solitaire);
    SavedGame saved = *played.game.savedGame();
    saved.removed.pop_back();
    GameFixture other;
    other.game.layoutTemplate() = test::pyramidLayout();
    other.game.BeginGame();
    const Board before = other.game.board();
    EXPECT_FALSE(other.game.resumeGame(saved));
    EXPECT_TRUE(other.game.board() == before);
    EXPECT_EQ(other.game.TilesLeft(), 144);
}

TEST(SavedGameFile, TheGameStaysInTheFileUntilItIsOver) {
    const auto file = freshFolder("orbeni-saved-game-file") / kSavedGameFileName;
    GameFixture played;
    playHalfAGame(played, GameKind::Solitaire);
    ASSERT_TRUE(SavedGameFile(file).keep(played.game));

    // Won, stopped or replaced: once the resumed game is over the file goes, so that a crash
    // cannot bring it back.
    const std::vector<std::pair<const char*, std::function<void(Game&)>>> endings = {
        {"stopped", [](Game& game) { game.Stop(); }},
        {"a new game", [](Game& game) { game.NewGame(); }},
        {"a Rivers game", [](Game& game) { game.FourRivers(); }},
    };
    for (const auto& [what, ending] : endings) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(SavedGameFile(file).keep(played.game));
        GameFixture resumed;
        resumed.game.layoutTemplate() = test::staggeredLayout();
        SavedGameFile saved(file);
        ASSERT_EQ(saved.resume(resumed.game), ResumeOutcome::Resumed);
        resumed.game.Hint();
        saved.follow(resumed.game);
        EXPECT_TRUE(std::filesystem::exists(file));
        ending(resumed.game);
        saved.follow(resumed.game);
        EXPECT_FALSE(std::filesystem::exists(file));
    }

    // No game on the board at closing: no file; none at start-up: nothing happens.
    ASSERT_TRUE(SavedGameFile(file).keep(played.game));
    played.game.Stop();
    EXPECT_TRUE(SavedGameFile(file).keep(played.game));
    EXPECT_FALSE(std::filesystem::exists(file));
    GameFixture fresh;
    EXPECT_EQ(SavedGameFile(file).resume(fresh.game), ResumeOutcome::NoSavedGame);
    EXPECT_TRUE(fresh.game.GameStopped());
}

TEST(SavedGameFile, ADamagedFileStartsANewGameAndIsReplacedAtClosing) {
    const auto file = freshFolder("orbeni-damaged-saved-game") / kSavedGameFileName;
    for (const std::string& bytes : {std::string("Orbeni saved game\nversion 1\ngame chess\n"),
                                     std::string(kMaxSavedGameBytes + 1, 'x')}) {
        writeFile(file, bytes);
        GameFixture fixture;
        fixture.game.layoutTemplate() = test::pyramidLayout();
        SavedGameFile saved(file);
        EXPECT_EQ(saved.resume(fixture.game), ResumeOutcome::Refused);
        EXPECT_FALSE(fixture.game.GameStopped());
        EXPECT_EQ(fixture.game.TilesLeft(), 144);
        EXPECT_EQ(fixture.game.statusMessage().text().rfind("The saved game could not be resumed: ", 0), 0u);
        ASSERT_TRUE(saved.keep(fixture.game));
        std::ifstream in(file, std::ios::binary);
        const std::string written{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_TRUE(readSavedGame(written));
    }
}

// The hall of fame of a resumed game is its layout's, found by name in the list of this run.
TEST(SavedGameFile, AWonResumedGameEntersItsLayoutsHallOfFame) {
    const auto folder = freshFolder("orbeni-resumed-hall-of-fame");
    struct Case {
        std::vector<std::string> listThisRun;
        int slot;
    };
    for (const Case& c : {Case{{"Alpha", "Beta"}, 2}, Case{{"Beta", "Gamma"}, 1}, Case{{"Gamma"}, 0}}) {
        GameFixture played;
        played.game.loadHallOfFame(folder / "Hallfame.ini", {"Alpha", "Beta"});
        played.game.setCurrentLayout(2);
        played.layOut(GameFixture::singles({1, 2, 3, 4}));
        played.runClockTo(3000);
        removeHintedPair(played);

        GameFixture resumed;
        std::filesystem::remove(folder / "Later.ini");
        resumed.game.loadHallOfFame(folder / "Later.ini", c.listThisRun);
        ASSERT_TRUE(resumed.game.resumeGame(savedAndReadBack(played.game)));
        EXPECT_EQ(resumed.game.currentLayout(), c.slot);
        resumed.host.tick += 1000;
        resumed.game.Temps();
        removeHintedPair(resumed);
        resumed.game.Temps();
        EXPECT_TRUE(resumed.game.BoardFinished());
        const bool entered = resumed.host.count("ask You made a high score !") == 1;
        EXPECT_EQ(entered, c.slot != 0);
        if (entered) {
            EXPECT_EQ(HallOfFame::entryName(resumed.game.hallOfFame().entry(c.slot, 1)), "Player1 ");
            EXPECT_EQ(HallOfFame::penaltyTime(resumed.game.hallOfFame().entry(c.slot, 1)), 80);
        }
    }
}

}  // namespace
}  // namespace orbeni
