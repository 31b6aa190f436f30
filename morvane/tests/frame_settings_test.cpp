#include "morvane/game/frame_settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/profile/profile.h"
#include "recording_host.h"

namespace morvane {
namespace {

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class FrameSettingsTest : public ::testing::Test {
protected:
    TemporaryHome home;
    platform::Profile settings{kSettingsFile, "morvane"};
};

TEST_F(FrameSettingsTest, TheSettingsLiveInTheSettingsFolderAndReadBackByteForByte) {
    EXPECT_EQ(settings.path(), home.folder() / "config" / "morvane" / "MORVANE.INI");
    const StartupGame startup =
        recordStartup(settings, "games/Lantern.RVQ", "/usr/games/morvane", "/home/ann");
    EXPECT_EQ(startup.game, "/home/ann/games/Lantern.RVQ");
    EXPECT_EQ(startup.programFolder, "/usr/games/morvane/");
    ASSERT_TRUE(writeWindowPlacement(settings, {WindowMode::Maximized, {100, 50, 640, 480}}));
    ASSERT_TRUE(writeFullScreen(settings, true));
    ASSERT_TRUE(turnFullScreenReminderOff(settings));
    EXPECT_EQ(contents(settings.path()),
              "[PASSDATA]\r\n"
              "CMDLINE=/home/ann/games/Lantern.RVQ\r\n"
              "HELPPATH=/usr/games/morvane/\r\n"
              "[WINDOWPOS]\r\n"
              "WINMODE=MAX\r\n"
              "WINLEFT=100\r\n"
              "WINTOP=50\r\n"
              "WINRIGHT=740\r\n"
              "WINBOTTOM=530\r\n"
              "FULLSCREEN=1\r\n"
              "[REMINDERS]\r\n"
              "FULLSCREEN=0\r\n");

    const platform::Profile again(kSettingsFile, "morvane");
    EXPECT_EQ(readWindowPlacement(again), (WindowPlacement{WindowMode::Maximized, {100, 50, 640, 480}}));
    EXPECT_TRUE(fullScreenIsOn(again));
    EXPECT_FALSE(fullScreenReminderWanted(again));
}

TEST_F(FrameSettingsTest, TheCommandLineIsRecordedAbsoluteAndTheBuiltInGameAsEmpty) {
    const struct {
        const char* commandLine;
        const char* game;
    } cases[] = {
        {"", ""},
        {"/srv/games/Terrace.RVQ", "/srv/games/Terrace.RVQ"},
        {"Terrace.RVQ", "/home/ann/Terrace.RVQ"},
        {"../bob/./Terrace.RVQ", "/home/bob/Terrace.RVQ"},
        {"\"My Games/Terrace.RVQ\"", "/home/ann/My Games/Terrace.RVQ"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(recordStartup(settings, c.commandLine, "/opt/morvane", "/home/ann").game, c.game)
            << c.commandLine;
        EXPECT_EQ(settings.readString("PASSDATA", "CMDLINE", "?"), c.game) << c.commandLine;
    }
}

TEST_F(FrameSettingsTest, EnteringTheGameFolderMakesItsRelativeNamesResolve) {
    const std::filesystem::path folder = home.folder() / "games";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "tiles.bmp") << "x";
    ASSERT_TRUE(enterGameFolder(folder / "Lantern.RVQ"));
    EXPECT_TRUE(std::filesystem::exists("tiles.bmp"));
    EXPECT_FALSE(enterGameFolder(home.folder() / "missing" / "Lantern.RVQ"));
    EXPECT_EQ(std::filesystem::current_path(), folder);
}

TEST_F(FrameSettingsTest, DamagedOrMissingValuesGiveTheDefaults) {
    EXPECT_EQ(readWindowPlacement(settings), WindowPlacement{});
    EXPECT_FALSE(fullScreenIsOn(settings));
    EXPECT_TRUE(fullScreenReminderWanted(settings));
    std::filesystem::create_directories(settings.path().parent_path());
    std::ofstream(settings.path()) << "[WINDOWPOS]\nWINMODE=sideways\nWINLEFT=abc\nWINTOP=-\n"
                                      "WINRIGHT=30\nWINBOTTOM=-400\nFULLSCREEN=yes\n";
    const WindowPlacement placement = readWindowPlacement(settings);
    EXPECT_EQ(placement.mode, WindowMode::Normal);
    EXPECT_EQ(placement.normal, (platform::Rect{0, 0, 30, 0}));
    EXPECT_FALSE(fullScreenIsOn(settings));
}

TEST(WindowOnScreenTest, AWindowOffTheScreenIsBroughtBack) {
    const platform::Rect screen{0, 0, 1280, 1024};
    const struct {
        const char* what;
        platform::Rect window, expected;
    } cases[] = {
        {"on the screen", {100, 100, 800, 600}, {100, 100, 800, 600}},
        {"left of the screen", {-3000, 100, 800, 600}, {0, 100, 800, 600}},
        {"below the screen", {100, 5000, 800, 600}, {100, 424, 800, 600}},
        {"half off to the right", {1000, 0, 800, 600}, {480, 0, 800, 600}},
        {"larger than the screen", {-10, -10, 3000, 2000}, {0, 0, 1280, 1024}},
        {"without a size", {5000, 5000, 0, 0}, {5000, 5000, 0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(broughtOnScreen(c.window, screen), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace morvane
