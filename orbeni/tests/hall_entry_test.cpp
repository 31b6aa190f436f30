#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fresh_file.h"
#include "orbeni/game/hall_entry.h"
#include "orbeni/game/host.h"
#include "orbeni/game/options.h"
#include "platform/profile/profile.h"
#include "recording_host.h"

namespace orbeni {
namespace {

using test::freshFile;

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

struct HallFixture {
    test::RecordingHost host;
    Options options;
    HallEntry hall{host, options};
};

// A won game is told of with its time when the hall of fame is on, and enters the list when it
// beats rank 10; then the dialog opens for its name.
TEST(HallEntry, AWonGameEntersTheListOnlyWhenItBeatsRankTen) {
    const struct {
        const char* what;
        bool enableHall;
        int rankTenSeconds;
        const char* told;
        bool entered;
    } cases[] = {
        {"an empty list", true, 0,
         "ask You made a high score !: Congratulations !! You WON !\r\nYour time is : 02:05", true},
        {"a slower rank 10", true, 126,
         "ask You made a high score !: Congratulations !! You WON !\r\nYour time is : 02:05", true},
        {"an equal rank 10", true, 125,
         "ask Board finished: Congratulations !! You WON !\r\nYour time is : 02:05", false},
        {"the hall of fame off", false, 0, "ask Board finished: Congratulations !! You WON !", false},
    };
    for (const auto& c : cases) {
        HallFixture fixture;
        fixture.options.enableHall = c.enableHall;
        for (int rank = 1; rank <= kRanks && c.rankTenSeconds > 0; ++rank) {
            fixture.hall.hallOfFame().AddHall(4, "Earlier", c.rankTenSeconds, 0);
        }
        fixture.hall.announceWin(4, 125, 40);
        EXPECT_EQ(fixture.host.count(c.told), 1) << c.what;
        EXPECT_EQ(fixture.host.count("scores new entry"), c.entered ? 1 : 0) << c.what;
        EXPECT_EQ(fixture.host.count("hall panel"), c.entered ? 2 : 0) << c.what;
        EXPECT_EQ(fixture.hall.hallOfFame().entry(4, 1) == HallOfFame::makeEntry("Player1", 125, 40),
                  c.entered)
            << c.what;
    }
}

TEST(HallEntry, TheFileIsWrittenRightAfterAnEntryARenameAndADeletion) {
    const auto file = freshFile("Hallfame.ini");
    HallFixture fixture;
    fixture.hall.loadHallOfFame(file, {"Small One"});
    fixture.host.scoresName = "Zoe";
    fixture.hall.announceWin(1, 3, 0);
    EXPECT_EQ(fixture.hall.playerName(), "Zoe");
    EXPECT_NE(contents(file).find("Rank1=Zoe         3    0"), std::string::npos);

    // A name changed in the dialog renames the last entry; the same name writes nothing.
    fixture.host.scoresName = "Ann";
    fixture.hall.ShowScores(1, ScoresOpening::Browse);
    EXPECT_NE(contents(file).find("Rank1=Ann         3    0"), std::string::npos);
    std::filesystem::remove(file);
    fixture.hall.ShowScores(1, ScoresOpening::Browse);
    EXPECT_FALSE(std::filesystem::exists(file));

    fixture.host.answers = {Button::Cancel};
    fixture.hall.DeleteHighscores1Click(1);
    EXPECT_FALSE(std::filesystem::exists(file));
    fixture.hall.DeleteHighscores1Click(1);
    EXPECT_EQ(contents(file).find("[SmallOne]"), std::string::npos);
    EXPECT_NE(contents(file).find("[Rivers]"), std::string::npos);
    std::filesystem::remove(file);
}

TEST(HallEntry, LayoutsWhoseNamesMeetInOneSectionKeepTheirOwnEntries) {
    const auto file = freshFile("twins.ini");
    {
        platform::Profile profile(file);
        profile.writeString("Twintowers", "Rank1", HallOfFame::makeEntry("Old", 90, 0));
    }
    HallFixture fixture;
    fixture.hall.loadHallOfFame(file, {"Classic", "Twin towers"});
    EXPECT_EQ(fixture.hall.hallOfFame().entry(2, 1), HallOfFame::makeEntry("Old", 90, 0));
    fixture.hall.loadHallSlot(3, "Twintowers");
    EXPECT_EQ(fixture.hall.hallOfFame().entry(3, 1), HallOfFame::defaultEntry(1));
    fixture.hall.hallOfFame().AddHall(3, "New", 80, 0);
    ASSERT_TRUE(fixture.hall.saveHallOfFame());

    HallOfFame reread;
    reread.load(platform::Profile(file), {"Classic", "Twin towers", "Twintowers"});
    EXPECT_EQ(reread.entry(2, 1), HallOfFame::makeEntry("Old", 90, 0));
    EXPECT_EQ(reread.entry(3, 1), HallOfFame::makeEntry("New", 80, 0));
    std::filesystem::remove(file);
}

// A saved game finds its layout's slot again by name, in whatever place today's list has it.
TEST(HallEntry, LayoutsAreFoundByNameAndBySlot) {
    HallFixture fixture;
    EXPECT_FALSE(fixture.hall.saveHallOfFame()) << "no file was read, so none is written";
    fixture.hall.loadHallSlot(2, "Beta");
    fixture.hall.loadHallSlot(1, "Alpha");
    const struct {
        const char* name;
        int slot;
    } cases[] = {{"Alpha", 1}, {"Beta", 2}, {"Gamma", 0}, {"alpha", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(fixture.hall.slotOfLayout(c.name), c.slot) << c.name;
        if (c.slot != 0) {
            EXPECT_EQ(fixture.hall.layoutName(c.slot), c.name);
        }
    }
    for (const int unlisted : {0, 3, kRiversSlot}) {
        EXPECT_EQ(fixture.hall.layoutName(unlisted), "") << unlisted;
    }
}

}  // namespace
}  // namespace orbeni
