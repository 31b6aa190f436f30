#include "orbeni/view/orbeni_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/profile/profile.h"

namespace orbeni {
namespace {

constexpr ScreenSize kScreen{1280, 1024};

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = std::filesystem::temp_directory_path() /
                   ("orbeni-settings-" +
                    std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::filesystem::path file() const { return m_folder / kSettingsFileName; }
    void writeFile(const std::string& text) const { std::ofstream(file(), std::ios::binary) << text; }
    std::vector<std::string> keysInFile() const {
        std::ifstream in(file());
        std::vector<std::string> keys;
        for (std::string line; std::getline(in, line);) {
            if (const auto equals = line.find('='); equals != std::string::npos) {
                keys.push_back(line.substr(0, equals));
            }
        }
        return keys;
    }

    std::filesystem::path m_folder;
};

TEST_F(SettingsFile, MissingFileGivesTheFirstRunSettings) {
    const platform::Profile profile(file());
    const OrbeniSettings settings = readSettings(profile, kScreen);
    EXPECT_EQ(settings.highlight, 1);
    EXPECT_TRUE(settings.maximized);
    EXPECT_EQ(settings.background, 4);
    EXPECT_EQ(settings.tileset, 3);
    EXPECT_EQ(settings.boardNumber, 1);
    EXPECT_EQ(settings.currentPlayer, "Player1");
    EXPECT_TRUE(settings.options.startDirectly);
    EXPECT_EQ(settings.options, Options{});
    EXPECT_EQ(settings.previousRes, 1280);
    EXPECT_EQ(settings.bounds, (WindowBounds{285, 227, 710, 570}));
}

TEST_F(SettingsFile, WritesEveryKeyInOrderAndReadsThemBack) {
    OrbeniSettings settings;
    settings.highlight = 3;
    settings.options.invertSelection = true;
    settings.currentPlayer = "Ann";
    settings.lastLoadedTileset = "/tiles/my tiles.bmp";
    settings.keyboardLayout = 7;
    settings.options.showToolbar = false;
    settings.randomSeed = 2147483647;
    settings.bounds = {-4, 12, 800, 600};
    settings.previousRes = 1920;
    settings.maximized = false;
    settings.options.scaleBoard = true;
    settings.options.warnUnwinnable = true;
    platform::Profile profile(file());
    ASSERT_TRUE(writeSettings(profile, settings));

    const std::vector<std::string> expected{"Highlight",
                                            "Invert",
                                            "ShowMoves",
                                            "PlayMusic",
                                            "PlaySounds",
                                            "NeverWarn",
                                            "CurrentPlayer1",
                                            "Background",
                                            "BoardNumber",
                                            "MidiNumber",
                                            "SetRes800",
                                            "StartDirectly",
                                            "Tileset",
                                            "LastLoadedTileset",
                                            "LastLoadedBackground",
                                            "KeyboardLayout",
                                            "StartMusic",
                                            "ShowHallOfFame",
                                            "ShowToolbar",
                                            "ShowStatus",
                                            "CoolMouse",
                                            "CoolStatus",
                                            "CoolToolbar",
                                            "TileRivers",
                                            "ShowTime",
                                            "EnableHall",
                                            "Vertical",
                                            "Winnable",
                                            "Shuffable",
                                            "Animate",
                                            "ShowTile",
                                            "OnlyPossible",
                                            "RandomMusic",
                                            "RandomSeed",
                                            "XPos",
                                            "YPos",
                                            "WPos",
                                            "HPos",
                                            "PreviousRes",
                                            "Maximized",
                                            "ScaleBoard",
                                            "WarnUnwinnable",
                                            "HintsKeepWinnable"};
    EXPECT_EQ(keysInFile(), expected);
    EXPECT_EQ(readSettings(platform::Profile(file()), kScreen), settings);
}

TEST_F(SettingsFile, IntegersAreDecimalOrHexadecimalAndDamageGivesTheDefault) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"42", 42},         {"-3", -3},         {"+5", 5},           {"0x1F", 31},  {"0XfF", 255},
        {"0xFFFFFFFF", -1}, {"0x", 99},         {"0x1G", 99},        {"12abc", 99}, {"abc", 99},
        {"", 99},           {"2147483648", 99}, {"0x100000000", 99}, {"+-1", 99},   {"1.5", 99},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseSettingsInt(c.text, 99), c.value) << c.text;
    }
    writeFile("[Orbeni]\nHighlight=zwei\nShowMoves=0x0\nBoardNumber= 0x0A \nMaximized=\n");
    const OrbeniSettings settings = readSettings(platform::Profile(file()), kScreen);
    EXPECT_EQ(settings.highlight, 1);
    EXPECT_FALSE(settings.options.showMoves);
    EXPECT_EQ(settings.boardNumber, 10);
    EXPECT_TRUE(settings.maximized);
}

TEST_F(SettingsFile, StringsAreReadUpTo1023Characters) {
    writeFile("[Orbeni]\nCurrentPlayer1=" + std::string(2000, 'n') + "\n");
    EXPECT_EQ(readSettings(platform::Profile(file()), kScreen).currentPlayer, std::string(1023, 'n'));
}

TEST_F(SettingsFile, PlayerNamesWithBlanksAtTheEndsReadBackAsWritten) {
    for (const char* name : {" Bob", "Ann ", "  ", "J\u00fcrgen"}) {
        OrbeniSettings settings;
        settings.currentPlayer = name;
        platform::Profile profile(file());
        ASSERT_TRUE(writeSettings(profile, settings));
        EXPECT_EQ(readSettings(platform::Profile(file()), kScreen).currentPlayer, name);
    }
}

TEST_F(SettingsFile, FilesLoadedFromDiskAreForgottenWhenGone) {
    std::ofstream(m_folder / "tiles.bmp") << "BM";
    OrbeniSettings settings;
    settings.lastLoadedTileset = (m_folder / "tiles.bmp").string();
    settings.lastLoadedBackground = (m_folder / "gone.bmp").string();
    forgetMissingFiles(settings, m_folder);
    EXPECT_EQ(settings.lastLoadedTileset, (m_folder / "tiles.bmp").string());
    EXPECT_EQ(settings.lastLoadedBackground, "");
    settings.lastLoadedTileset = "tiles.bmp";
    forgetMissingFiles(settings, m_folder);
    EXPECT_EQ(settings.lastLoadedTileset, "tiles.bmp");
}

TEST(WindowBoundsRule, StoredBoundsOnlyOnAScreenOfTheSameWidth) {
    OrbeniSettings stored;
    stored.bounds = {10, 20, 900, 650};
    const struct {
        int previousRes;
        ScreenSize screen;
        WindowBounds bounds;
    } cases[] = {
        {1280, {1280, 1024}, {10, 20, 900, 650}}, {1024, {1280, 1024}, {285, 227, 710, 570}},
        {1280, {640, 480}, {0, 0, 640, 480}},     {640, {640, 480}, {10, 20, 900, 650}},
        {1280, {801, 601}, {45, 15, 710, 570}},   {1280, {700, 500}, {-5, -35, 710, 570}},
    };
    for (const auto& c : cases) {
        stored.previousRes = c.previousRes;
        EXPECT_EQ(startBounds(stored, c.screen), c.bounds) << c.previousRes << " " << c.screen.width;
    }
}

// Each check mark has its key, and a key of the file changes only its own mark.
TEST_F(SettingsFile, EachCheckMarkKeyReadsAndWritesItsOwnOption) {
    const struct {
        const char* key;
        bool Options::*mark;
    } cases[] = {
        {"Invert", &Options::invertSelection},
        {"ShowMoves", &Options::showMoves},
        {"PlayMusic", &Options::playMusic},
        {"PlaySounds", &Options::playSounds},
        {"NeverWarn", &Options::neverWarn},
        {"SetRes800", &Options::setRes800},
        {"StartDirectly", &Options::startDirectly},
        {"StartMusic", &Options::startMusic},
        {"ShowHallOfFame", &Options::showHallOfFame},
        {"ShowToolbar", &Options::showToolbar},
        {"ShowStatus", &Options::showStatus},
        {"CoolMouse", &Options::coolMouse},
        {"CoolStatus", &Options::coolStatus},
        {"CoolToolbar", &Options::coolToolbar},
        {"TileRivers", &Options::tileRivers},
        {"ShowTime", &Options::showTime},
        {"EnableHall", &Options::enableHall},
        {"Vertical", &Options::Vertical},
        {"Winnable", &Options::Winnable},
        {"Shuffable", &Options::Shuffable},
        {"Animate", &Options::Animate},
        {"ShowTile", &Options::showCurrentTile},
        {"OnlyPossible", &Options::onlyPossibleMoves},
        {"RandomMusic", &Options::randomMusic},
        {"ScaleBoard", &Options::scaleBoard},
        {"WarnUnwinnable", &Options::warnUnwinnable},
        {"HintsKeepWinnable", &Options::hintsKeepWinnable},
    };
    for (const auto& c : cases) {
        const bool firstRun = Options{}.*c.mark;
        writeFile(std::string("[Orbeni]\n") + c.key + "=" + (firstRun ? "0" : "1") + "\n");
        OrbeniSettings settings = readSettings(platform::Profile(file()), kScreen);
        Options expected;
        expected.*c.mark = !firstRun;
        EXPECT_EQ(settings.options, expected) << c.key;

        std::filesystem::remove(file());
        settings = OrbeniSettings{};
        settings.options.*c.mark = !firstRun;
        platform::Profile profile(file());
        ASSERT_TRUE(writeSettings(profile, settings));
        std::ifstream in(file());
        std::stringstream text;
        text << in.rdbuf();
        EXPECT_NE(text.str().find(std::string("\n") + c.key + "=" + (firstRun ? "0" : "1") + "\r\n"),
                  std::string::npos)
            << c.key;
    }
}

// The first-run file, byte for byte: every key in its order with its first-run value.
TEST_F(SettingsFile, FirstRunSettingsAreWrittenAsBefore) {
    OrbeniSettings settings;
    settings.bounds = {285, 227, 710, 570};
    settings.previousRes = 1280;
    platform::Profile profile(file());
    ASSERT_TRUE(writeSettings(profile, settings));
    std::ifstream in(file(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(),
              "[Orbeni]\r\nHighlight=1\r\nInvert=0\r\nShowMoves=1\r\nPlayMusic=1\r\nPlaySounds=1\r\n"
              "NeverWarn=0\r\nCurrentPlayer1=Player1\r\nBackground=4\r\nBoardNumber=1\r\nMidiNumber=1\r\n"
              "SetRes800=0\r\nStartDirectly=1\r\nTileset=3\r\nLastLoadedTileset=\r\n"
              "LastLoadedBackground=\r\nKeyboardLayout=0\r\nStartMusic=1\r\nShowHallOfFame=1\r\n"
              "ShowToolbar=1\r\nShowStatus=1\r\nCoolMouse=1\r\nCoolStatus=1\r\nCoolToolbar=1\r\n"
              "TileRivers=1\r\nShowTime=1\r\nEnableHall=1\r\nVertical=0\r\nWinnable=0\r\nShuffable=1\r\n"
              "Animate=0\r\nShowTile=0\r\nOnlyPossible=0\r\nRandomMusic=0\r\nRandomSeed=0\r\nXPos=285\r\n"
              "YPos=227\r\nWPos=710\r\nHPos=570\r\nPreviousRes=1280\r\nMaximized=1\r\nScaleBoard=0\r\n"
              "WarnUnwinnable=0\r\nHintsKeepWinnable=0\r\n");
}

}  // namespace
}  // namespace orbeni
