#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <fstream>
#include <sstream>

#include "morvane/game/layout.h"
#include "morvane/game/sounds.h"
#include "morvane/game/tile_set.h"
#include "morvane/gamefile/game_file.h"
#include "recording_host.h"

namespace morvane {
namespace {

std::string fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeText(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

// Lines joined with the CR LF endings the profile files use.
std::string lines(std::initializer_list<const char*> all) {
    std::string text;
    for (const char* line : all) {
        text.append(line).append("\r\n");
    }
    return text;
}

GameSettings builtInGame() {
    GameSettings settings;
    settings.layoutIsDefault = true;
    buildBuiltInLayout(settings);
    settings.bitmapIsDefault = true;
    settings.tileSetIsDefault = true;
    applyBuiltInTileSet(settings);
    settings.soundsAreDefault = true;
    applyBuiltInSounds(settings, "/opt/morvane");
    return settings;
}

GameSettings customGame() {
    GameSettings settings;
    settings.layout.set(0, 0, 0, 1);
    settings.layout.set(28, 3, 1, 1);
    settings.hlimit = 28;
    settings.vlimit = 3;
    settings.bitmapPath = "tiles.bmp";
    settings.width = 40;
    settings.height = 50;
    settings.depth = 5;
    settings.tileSet.suits = 1;
    settings.tileSet.indis = 1;
    settings.tileSet.sizes[0] = 2;
    settings.tileSet.sizes[10] = 3;
    settings.tileSet.sizes[15] = 7;  // beyond INDIS, still stored
    settings.sounds = {"s.wav", "d.wav", "u.wav", "mm.wav", "m.wav", "w.wav"};
    settings.rules = {false, true, true, false, true};
    return settings;
}

TEST(GameFileWrite, BuiltInGameText) {
    TemporaryHome home;
    std::filesystem::path file = home.folder() / "builtin.rvq";
    writeText(file, "[HOF]\r\nNAME1=old\r\n");
    ASSERT_TRUE(writeGameFile(file, builtInGame()));
    EXPECT_EQ(fileText(file),
              lines({"[LAYOUT]", "DEFAULT=1", "[TILE]", "FILE=DEFAULT", "DEFAULT=1", "[SOUND]", "DEFAULT=1",
                     "[GAME]", "MOVELEFT=1", "MOVERIGHT=1", "MOVEUP=0", "MOVEDOWN=0", "MOVELIFT=0"}));
}

TEST(GameFileWrite, CustomGameText) {
    TemporaryHome home;
    std::filesystem::path file = home.folder() / "custom.rvq";
    ASSERT_TRUE(writeGameFile(file, customGame()));
    EXPECT_EQ(fileText(file), lines({"[LAYOUT]",
                                     "HLIMIT=28",
                                     "VLIMIT=3",
                                     "ROW0000=10000000000000000000000000000",
                                     "ROW0301=00000000000000000000000000001",
                                     "[TILE]",
                                     "FILE=tiles.bmp",
                                     "WIDTH=40",
                                     "HEIGHT=50",
                                     "DEPTH=5",
                                     "SUITS=1",
                                     "INDIS=1",
                                     "SUITSIZE00=2",
                                     "SUITSIZE01=0",
                                     "SUITSIZE02=0",
                                     "SUITSIZE03=0",
                                     "SUITSIZE04=0",
                                     "SUITSIZE05=0",
                                     "SUITSIZE06=0",
                                     "SUITSIZE07=0",
                                     "SUITSIZE08=0",
                                     "SUITSIZE09=0",
                                     "SUITSIZE10=3",
                                     "SUITSIZE11=0",
                                     "SUITSIZE12=0",
                                     "SUITSIZE13=0",
                                     "SUITSIZE14=0",
                                     "SUITSIZE15=7",
                                     "SUITSIZE16=0",
                                     "SUITSIZE17=0",
                                     "SUITSIZE18=0",
                                     "SUITSIZE19=0",
                                     "[SOUND]",
                                     "SELECT=s.wav",
                                     "DESELECT=d.wav",
                                     "MATCH=m.wav",
                                     "UNFREE=u.wav",
                                     "MISMATCH=mm.wav",
                                     "WON=w.wav",
                                     "[GAME]",
                                     "MOVELEFT=0",
                                     "MOVERIGHT=1",
                                     "MOVEUP=1",
                                     "MOVEDOWN=0",
                                     "MOVELIFT=1"}));
}

TEST(GameFileRead, WrittenGamesReadBackTheSame) {
    TemporaryHome home;
    for (const GameSettings& settings : {builtInGame(), customGame()}) {
        const std::filesystem::path file = home.folder() / "round.rvq";
        ASSERT_TRUE(writeGameFile(file, settings));
        EXPECT_EQ(readGameFile(file, "/opt/morvane"), settings);
    }
}

TEST(GameFileRead, FlagsAndDefaultsOfHandWrittenFiles) {
    TemporaryHome home;
    const std::filesystem::path file = home.folder() / "hand.rvq";
    struct Case {
        std::string text;
        bool bitmapIsDefault;
        std::string bitmapPath;
        bool tileSetIsDefault;
        MoveRules rules;
    };
    const MoveRules noGameSection{true, true, true, true, false};
    const Case cases[] = {
        {"[TILE]\nFILE=default\nDEFAULT=1\n", false, "default", true, noGameSection},
        {"[TILE]\nFILE=DEFAULT\nDEFAULT=2\n", true, "DEFAULT", false, noGameSection},
        {"[TILE]\nDEFAULTBITMAP=3\nFILE=x.bmp\n", true, "DEFAULT", false, noGameSection},
        {"[GAME]\nMOVELEFT=0\nMOVEDOWN=0\nMOVELIFT=5\n", false, "", false, {false, true, true, false, true}},
    };
    for (const Case& c : cases) {
        writeText(file, c.text);
        const GameSettings settings = readGameFile(file, "/opt");
        EXPECT_EQ(settings.bitmapIsDefault, c.bitmapIsDefault) << c.text;
        EXPECT_EQ(settings.bitmapPath, c.bitmapPath) << c.text;
        EXPECT_EQ(settings.tileSetIsDefault, c.tileSetIsDefault) << c.text;
        EXPECT_EQ(settings.rules, c.rules) << c.text;
    }
}

TEST(GameFileRead, MissingFileOrFolderGivesTheReaderDefaults) {
    TemporaryHome home;
    EXPECT_EQ(readGameFile(home.folder(), "/opt"), readGameFile(home.folder() / "none.rvq", "/opt"));
    EXPECT_FALSE(writeGameFile(home.folder(), GameSettings{}));
    EXPECT_TRUE(std::filesystem::is_directory(home.folder()));
    const GameSettings settings = readGameFile(home.folder() / "none.rvq", "/opt");
    EXPECT_EQ(settings.hlimit, 1);
    EXPECT_EQ(settings.vlimit, 1);
    EXPECT_EQ(countSpaces(settings.layout), 0);
    EXPECT_FALSE(settings.bitmapIsDefault);
    EXPECT_EQ(countTiles(settings.tileSet), 0);
    EXPECT_EQ(settings.sound(SoundSlot::Select), "");
}

TEST(GameFileWrite, ASaveThatCannotBeWrittenKeepsTheOldGameWhole) {
    TemporaryHome home;
    const std::filesystem::path file = home.folder() / "game.rvq";
    writeText(file, "[GAME]\nMOVELIFT=1\n[HOF]\nNAME1=Ann\nTIME1=99\n");
    const std::string before = fileText(file);
    // A disk that takes no more than 200 bytes a file, as a full one would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 200;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = writeGameFile(file, customGame());
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(saved);
    EXPECT_EQ(fileText(file), before);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(home.folder())) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"game.rvq"}) << "no half-written file is left";

    ASSERT_TRUE(writeGameFile(file, customGame()));
    EXPECT_EQ(fileText(file).find("[HOF]"), std::string::npos) << "a saved game starts a new hall of fame";
}

TEST(GameFileRead, DamagedLayoutStaysInsideTheBoard) {
    TemporaryHome home;
    const std::filesystem::path file = home.folder() / "damaged.rvq";
    std::string longRow(99, '1');
    writeText(file, "[LAYOUT]\nHLIMIT=75\nVLIMIT=-3\nROW0000=" + longRow + "\nROW0100=11\nROW0001=1x21\n");
    GameSettings settings = readGameFile(file, "/opt");
    EXPECT_EQ(settings.hlimit, 39);
    EXPECT_EQ(settings.vlimit, 0);
    EXPECT_EQ(countSpaces(settings.layout), 40 + 2);  // row 1 lies beyond VLIMIT; 'x' and '2' are empty
    EXPECT_EQ(settings.layout.at(3, 0, 1), 1);
    EXPECT_EQ(settings.layout.at(1, 0, 1), 0);

    writeText(file, "[LAYOUT]\nHLIMIT=10\nVLIMIT=0\nROW0000=1010\n");
    settings = readGameFile(file, "/opt");
    EXPECT_EQ(countSpaces(settings.layout), 2);  // the short row leaves columns 4..10 empty
}

}  // namespace
}  // namespace morvane
