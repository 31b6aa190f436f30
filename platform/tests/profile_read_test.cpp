#include <climits>

#include "platform/profile/profile.h"
#include "platform/profile/settings_folder.h"
#include "platform/tests/profile_test_support.h"

namespace platform {
namespace {

using ProfileReadTest = testing::ProfileFileTest;

constexpr std::string_view kHandWritten =
    "; written by hand\r\n"
    "orphan=before any section\r\n"
    "[Options]\r\n"
    "  Sound = On  \r\n"
    "Name=\"  quoted  \"\r\n"
    "Single='x'\r\n"
    "Mixed=\"x'\r\n"
    "Empty=\r\n"
    "just a line\r\n"
    ";Hidden=1\r\n"
    "Sound=second\r\n"
    "Number=  -42abc\r\n"
    "Plus=+7\r\n"
    "Letters=abc\r\n"
    "Huge=99999999999\r\n"
    "QuotedNumber=\"12\"\r\n"
    "[ options ]\n"
    "Later=from the duplicate section\n"
    "[Other]\n"
    "Sound=other\n"
    "Equals=a=b";

TEST_F(ProfileReadTest, ReadsValuesAsWindowsDoes) {
    const Profile profile(fileWith(kHandWritten));
    struct Case {
        std::string_view section, key, expected;
    };
    const Case cases[] = {
        {"Options", "Sound", "On"},         // spaces trimmed, first key wins
        {"OPTIONS", "sOUND", "On"},         // names ignore case
        {"Options", "Name", "  quoted  "},  // one pair of quotes removed, inner spaces kept
        {"Options", "Single", "x"},        {"Options", "Mixed", "\"x'"},  // quotes that do not match stay
        {"Options", "Empty", ""},          {"Options", "just a line", "default"},
        {"Options", ";Hidden", "default"}, {"Options", "Hidden", "default"},
        {"Options", "Later", "default"},  // only the first of duplicate sections is looked in
        {"Options", "orphan", "default"},  {"Other", "Sound", "other"},  // LF lines read too
        {"Other", "Equals", "a=b"},                                      // last line without a line ending
        {"Missing", "Sound", "default"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(profile.readString(c.section, c.key, "default"), c.expected) << c.section << "/" << c.key;
    }
}

TEST_F(ProfileReadTest, CapacityLimitsTheTextAsABufferWould) {
    const Profile profile(fileWith("[S]\r\nKey=abcdef\r\n"));
    EXPECT_EQ(profile.readString("S", "Key", "", 4), "abc");
    EXPECT_EQ(profile.readString("S", "Key", "", 7), "abcdef");
    EXPECT_EQ(profile.readString("S", "Key", "", 1), "");
    EXPECT_EQ(profile.readString("S", "Key", "", 0), "");
    EXPECT_EQ(profile.readString("S", "Missing", "default", 4), "def");
}

TEST_F(ProfileReadTest, ReadsIntegersFromTheLeadingDigits) {
    const Profile profile(fileWith(kHandWritten));
    struct Case {
        std::string_view key;
        int expected;
    };
    const Case cases[] = {
        {"Number", -42}, {"Plus", 7},       {"Letters", 0},       {"Empty", 99},
        {"Missing", 99}, {"Huge", INT_MAX}, {"QuotedNumber", 12},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(profile.readInt("Options", c.key, 99), c.expected) << c.key;
    }
}

TEST_F(ProfileReadTest, ListsSectionsAndKeysInFileOrder) {
    const Profile profile(fileWith(kHandWritten));
    EXPECT_EQ(profile.sections(), (std::vector<std::string>{"Options", "options", "Other"}));
    EXPECT_EQ(profile.keys("other"), (std::vector<std::string>{"Sound", "Equals"}));
    EXPECT_TRUE(profile.keys("Missing").empty());
}

TEST_F(ProfileReadTest, AMissingFileGivesEveryDefault) {
    const Profile profile(m_folder / "none.ini");
    EXPECT_EQ(profile.readString("S", "K", "default"), "default");
    EXPECT_EQ(profile.readInt("S", "K", -5), -5);
    EXPECT_TRUE(profile.sections().empty());
}

TEST_F(ProfileReadTest, AFolderInPlaceOfTheFileReadsAsMissingAndCannotBeWritten) {
    std::filesystem::create_directories(m_folder / "Game.RVQ");
    Profile profile(m_folder / "Game.RVQ");
    EXPECT_EQ(profile.readString("GAME", "NAME", "default"), "default");
    EXPECT_TRUE(profile.sections().empty());
    EXPECT_FALSE(profile.writeString("GAME", "NAME", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(m_folder / "Game.RVQ"));
}

TEST_F(ProfileReadTest, SeesChangesMadeByOthersToTheFile) {
    const auto file = fileWith("[S]\r\nK=1\r\n");
    const Profile profile(file);
    EXPECT_EQ(profile.readInt("S", "K", 0), 1);
    fileWith("[S]\r\nK=22\r\n");
    EXPECT_EQ(profile.readInt("S", "K", 0), 22);
}

TEST_F(ProfileReadTest, PlainFileNamesLiveInTheProgramsSettingsFolder) {
    ::setenv("XDG_CONFIG_HOME", m_folder.c_str(), 1);
    EXPECT_EQ(Profile("Orbeni.ini", "orbeni").path(), m_folder / "orbeni" / "Orbeni.ini");
    EXPECT_EQ(Profile("./Orbeni.ini", "orbeni").path(), std::filesystem::path("./Orbeni.ini"));
    ::setenv("XDG_CONFIG_HOME", "relative/folder", 1);  // not absolute: ignored, as XDG says
    ::setenv("HOME", m_folder.c_str(), 1);
    EXPECT_EQ(settingsFolder("morvane"), m_folder / ".config" / "morvane");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(settingsFolder("morvane"), m_folder / ".config" / "morvane");
}

}  // namespace
}  // namespace platform
