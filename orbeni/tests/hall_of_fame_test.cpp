#include <gtest/gtest.h>

#include <filesystem>

#include "fresh_file.h"
#include "orbeni/game/hall_of_fame.h"
#include "platform/profile/profile.h"

namespace orbeni {
namespace {

using test::freshFile;

HallOfFame defaultTable() {
    HallOfFame hall;
    hall.resetSlot(1);
    return hall;
}

TEST(HallOfFame, EntriesAreEighteenCharacters) {
    EXPECT_EQ(HallOfFame::defaultEntry(1), "---       300    0");
    EXPECT_EQ(HallOfFame::defaultEntry(10), "---       840    0");
    EXPECT_EQ(HallOfFame::makeEntry("Alexander", 305, 40), "Alexande  305   40");
    EXPECT_EQ(HallOfFame::makeEntry("Bo", 5, 0), "Bo          5    0");
    EXPECT_EQ(HallOfFame::totalTime("Bo          5    0"), 5);
    EXPECT_EQ(HallOfFame::penaltyTime("Alexande  305   40"), 40);
    EXPECT_EQ(HallOfFame::totalTime("damaged"), 9999);
    EXPECT_EQ(formatMinutes(305), "05:05");
    EXPECT_EQ(HallOfFame::sectionName("my big layout"), "mybiglayout");
}

TEST(HallOfFame, NamesAreCutAndPaddedByCharacters) {
    const struct {
        const char* name;
        const char* field;
    } cases[] = {
        {"J\u00fcrgen M\u00fcller", "J\u00fcrgen M"},
        {"M\u00fcller", "M\u00fcller  "},
        {"\u00c4\u00d6\u00dc\u00e4\u00f6\u00fc\u00df\u00e9\u00e8",
         "\u00c4\u00d6\u00dc\u00e4\u00f6\u00fc\u00df\u00e9"},
        {"\u5c71\u7530", "\u5c71\u7530      "},
        {"Alexander", "Alexande"},
    };
    HallOfFame hall = defaultTable();
    int seconds = 199;
    for (const auto& one : cases) {
        const std::string entry = HallOfFame::makeEntry(one.name, 201, 40);
        EXPECT_EQ(entry, std::string(one.field) + "  201   40") << one.name;
        EXPECT_EQ(HallOfFame::entryName(entry), one.field) << one.name;
        EXPECT_EQ(HallOfFame::totalTime(entry), 201) << one.name;
        EXPECT_EQ(HallOfFame::penaltyTime(entry), 40) << one.name;
        ASSERT_EQ(hall.AddHall(1, "Someone", seconds, 0), 1);
        hall.renameLastEntry(1, one.name);
        EXPECT_EQ(hall.entry(1, 1), std::string(one.field) + "  " + std::to_string(seconds--) + "    0")
            << one.name;
        EXPECT_EQ(hall.GenerateList(1)[0].name, one.field) << one.name;
    }
}

TEST(HallOfFame, EveryNameReadsBackFromTheFileWithItsTime) {
    const auto file = freshFile("orbeni-test-hallfame-names.ini");
    const std::vector<std::string> names = {"Classic"};
    const char* const players[] = {"", " Bob", "  ", "\"quoted\"", "'x", "J\u00fcrgen M\u00fcller"};
    HallOfFame hall = defaultTable();
    int seconds = 100;
    for (const char* player : players) {
        hall.AddHall(1, player, seconds++, 0);
    }
    {
        platform::Profile profile(file);
        ASSERT_TRUE(hall.save(profile, names));
    }
    HallOfFame reread;
    reread.load(platform::Profile(file), names);
    for (int rank = 1; rank <= 6; ++rank) {
        EXPECT_EQ(reread.entry(1, rank), hall.entry(1, rank)) << rank;
        EXPECT_EQ(HallOfFame::totalTime(reread.entry(1, rank)), 99 + rank) << rank;
    }
    std::filesystem::remove(file);
}

TEST(HallOfFame, LayoutsWhoseNamesMeetInOneSectionKeepTheirOwnEntries) {
    EXPECT_EQ(HallOfFame::sectionNames({"Twin towers", "Twintowers", "My Layout", "Classic"}),
              (std::vector<std::string>{"Twin towers", "Twintowers", "MyLayout", "Classic"}));
    EXPECT_EQ(HallOfFame::sectionNames({"A b", "Ab c", "a B", "Rivers"}),
              (std::vector<std::string>{"A b", "Abc", "a B 2", "Rivers 2"}));
}

TEST(HallOfFame, RankTenMustBeBeatenStrictly) {
    HallOfFame hall = defaultTable();
    EXPECT_FALSE(hall.qualifies(1, 840));
    EXPECT_EQ(hall.AddHall(1, "Late", 840, 0), 0);
    EXPECT_TRUE(hall.qualifies(1, 839));
    EXPECT_EQ(hall.AddHall(1, "Quick", 839, 0), 10);
    EXPECT_EQ(hall.AddHall(1, "Best", 10, 0), 1);
    EXPECT_EQ(hall.entry(1, 2), HallOfFame::defaultEntry(1));
    EXPECT_EQ(hall.entry(1, 10), HallOfFame::defaultEntry(9));  // "Quick" fell off the end
    EXPECT_EQ(hall.LastRank(), 1);
}

TEST(HallOfFame, EqualTimesRankBySmallerPenaltyThenByAge) {
    HallOfFame hall = defaultTable();
    hall.AddHall(1, "First", 200, 40);
    EXPECT_EQ(hall.AddHall(1, "Cleaner", 200, 0), 1);
    EXPECT_EQ(hall.AddHall(1, "Later", 200, 40), 3);
    EXPECT_EQ(hall.entry(1, 2), HallOfFame::makeEntry("First", 200, 40));
    EXPECT_EQ(hall.AddHall(1, "Again", 200, 0), 2);
    hall.renameLastEntry(1, "Renamed");
    EXPECT_EQ(hall.entry(1, 2), HallOfFame::makeEntry("Renamed", 200, 0));
}

TEST(HallOfFame, DialogListsAndLayoutLines) {
    HallOfFame hall;
    const auto rows = hall.GenerateList(7);
    EXPECT_EQ(rows[0].name, "---     ");
    EXPECT_EQ(rows[0].time, "04:00");
    EXPECT_EQ(rows[9].time, "08:30");
    EXPECT_EQ(rows[9].penalty, "00:00");
    EXPECT_EQ(HallOfFame::LayoutComboBoxChange(3, 3), kRiversSlot);
    EXPECT_EQ(HallOfFame::LayoutComboBoxChange(0, 3), 1);
    EXPECT_EQ(HallOfFame::LayoutComboBoxChange(-1, 3), 0);
}

TEST(HallOfFame, FileKeepsUsedSectionsUnderNamesWithoutSpaces) {
    const auto file = freshFile("orbeni-test-hallfame.ini");
    const std::vector<std::string> names = {"My Layout", "Pyramid"};
    {
        platform::Profile profile(file);
        profile.writeString("Pyramid", "Rank1", HallOfFame::defaultEntry(1));
        HallOfFame hall;
        hall.load(profile, names);
        hall.AddHall(1, "Ann", 100, 0);
        ASSERT_TRUE(hall.save(profile, names));
    }
    platform::Profile profile(file);
    EXPECT_EQ(profile.readString("MyLayout", "Rank1", ""), HallOfFame::makeEntry("Ann", 100, 0));
    EXPECT_EQ(profile.readString("MyLayout", "Rank10", ""), HallOfFame::defaultEntry(9));
    EXPECT_TRUE(profile.keys("Pyramid").empty());
    EXPECT_EQ(profile.keys("Rivers").size(), 10u);

    HallOfFame reread;
    reread.load(profile, names);
    EXPECT_EQ(reread.entry(1, 1), HallOfFame::makeEntry("Ann", 100, 0));
    reread.resetSlot(1);
    ASSERT_TRUE(reread.save(profile, names));
    EXPECT_TRUE(platform::Profile(file).keys("MyLayout").empty());
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace orbeni
