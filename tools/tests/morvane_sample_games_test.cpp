// Plays the sample games through morvane's engine: each loads with its own tiles, sounds and
// move rules, fills its layout exactly, and is cleared by taking the first move Show Moves
// offers, again and again.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "morvane/game/game.h"
#include "morvane/game/layout.h"

namespace {

using morvane::SoundSlot;

const std::filesystem::path kShippedArt = MORVANE_ART_DIR;

// The window as far as a game played by Show Moves needs it: it keeps the files the game asks
// for and answers every dialog with OK.
class PlayingHost : public morvane::Host {
public:
    std::vector<std::string> bitmaps;
    std::vector<std::pair<SoundSlot, std::string>> sounds;

    void playSound(SoundSlot slot, const std::string& file) override { sounds.emplace_back(slot, file); }
    void toggleHighlight(const morvane::Position&) override {}
    void repaintTile(const morvane::Position&, morvane::TileRepaint) override {}
    void repaintDesignCell(int, int) override {}
    void repaintAll() override {}
    void loadTileBitmap(const std::string& path) override { bitmaps.push_back(path); }
    morvane::MessageAnswer messageBox(std::string_view, std::string_view, morvane::MessageIcon,
                                      morvane::MessageButtons) override {
        return morvane::MessageAnswer::Ok;
    }
    std::string askWinnerName() override { return "Tester"; }
    morvane::WonChoice showWonDialog(std::string_view) override { return morvane::WonChoice::Ok; }
    void showHallOfFame(const morvane::HallOfFameRows&) override {}
    void startClock() override {}
    void stopClock() override {}
};

// A copy of the Games folder to play in, since a win writes the hall of fame into the game file.
class GamesCopy {
public:
    GamesCopy() {
        m_folder = std::filesystem::temp_directory_path() / ("morvane-samples-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_folder);
        std::filesystem::copy(kShippedArt / "Games", m_folder, std::filesystem::copy_options::recursive);
        ::setenv("XDG_CONFIG_HOME", (m_folder / "config").c_str(), 1);
    }
    ~GamesCopy() {
        std::error_code error;
        std::filesystem::remove_all(m_folder, error);
    }
    std::filesystem::path game(const char* name) const { return m_folder / name; }

private:
    std::filesystem::path m_folder;
};

// Deals a game with a seed and takes the first shown move until the board is clear or no move
// is left; gives the tiles left.
int playByShowMoves(morvane::Game& game, const std::filesystem::path& file, std::uint32_t seed) {
    game.seedRandom(seed);
    game.readGameFile(file);
    for (int pair = 0; pair < morvane::kMaxTiles / 2 && game.tilesLeft() > 0; ++pair) {
        game.showMoves();
        if (!game.moves().active()) {
            break;
        }
        game.doIt();
    }
    return game.tilesLeft();
}

TEST(MorvaneSampleGamesTest, EachGameHasItsOwnRulesTilesAndSoundsAndFillsItsLayout) {
    const GamesCopy games;
    for (const char* name : {"Lantern.RVQ", "Terrace.RVQ"}) {
        SCOPED_TRACE(name);
        PlayingHost host;
        morvane::Game game(host, kShippedArt);
        game.readGameFile(games.game(name));
        const morvane::GameSettings& settings = game.settings();
        EXPECT_NE(settings.rules, morvane::MoveRules{});
        EXPECT_FALSE(settings.layoutIsDefault || settings.bitmapIsDefault || settings.tileSetIsDefault ||
                     settings.soundsAreDefault);
        EXPECT_EQ(game.numberOfTiles(), morvane::countSpaces(settings.layout));
        EXPECT_EQ(game.tilesLeft(), game.numberOfTiles());
        ASSERT_FALSE(host.bitmaps.empty());
        EXPECT_TRUE(std::filesystem::is_regular_file(host.bitmaps.back())) << host.bitmaps.back();
        for (const std::string& sound : settings.sounds) {
            EXPECT_TRUE(std::filesystem::is_regular_file(games.game(sound.c_str()))) << sound;
        }
    }
}

TEST(MorvaneSampleGamesTest, AFixedDealIsClearedByShowMovesAndSoundsTheWin) {
    const GamesCopy games;
    for (const char* name : {"Lantern.RVQ", "Terrace.RVQ"}) {
        SCOPED_TRACE(name);
        PlayingHost host;
        morvane::Game game(host, kShippedArt);
        EXPECT_EQ(playByShowMoves(game, games.game(name), 3), 0);
        ASSERT_FALSE(host.sounds.empty());
        EXPECT_EQ(host.sounds.back().first, SoundSlot::Won);
        EXPECT_TRUE(std::filesystem::is_regular_file(host.sounds.back().second)) << host.sounds.back().second;
    }
}

// Even a player who always takes the first move shown clears a fair share of the deals.
TEST(MorvaneSampleGamesTest, ManyDealsAreClearedByTheFirstMoveShown) {
    const GamesCopy games;
    for (const char* name : {"Lantern.RVQ", "Terrace.RVQ"}) {
        PlayingHost host;
        morvane::Game game(host, kShippedArt);
        int cleared = 0;
        for (std::uint32_t seed = 1; seed <= 40; ++seed) {
            cleared += playByShowMoves(game, games.game(name), seed) == 0 ? 1 : 0;
        }
        EXPECT_GE(cleared, 10) << name;
    }
}

}  // namespace
