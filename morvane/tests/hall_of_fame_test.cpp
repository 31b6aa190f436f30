#include <fstream>

#include "game_fixture.h"
#include "morvane/game/hall_of_fame.h"
#include "platform/profile/profile.h"

namespace morvane {
namespace {

TEST(Authentication, SignedBytesAndTime) {
    struct Case {
        std::string name;
        int seconds;
        int auth;
    };
    const Case cases[] = {
        {"abc", 100, 547},
        {"", 0, 0},
        {"", 2, 8},           // 26 / 3 rounds towards zero
        {"\xE9", 0, 16 - 2},  // 0xE9 is -23: 16 x 1 + (-23 >> 4)
        {"\x80\xFF", 3, -8 + 112 - 1 + 13},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(authentication(c.name, c.seconds), c.auth) << c.name;
    }
    EXPECT_EQ(timeText(125), "2:05");
    EXPECT_EQ(timeText(0), "0:00");
}

// A hall of fame full of entries of the given times.
void fillHallOfFame(const std::filesystem::path& file, std::initializer_list<int> times) {
    platform::Profile profile(file);
    int k = 1;
    for (int time : times) {
        profile.writeString("HOF", "NAME" + std::to_string(k), "P" + std::to_string(k));
        profile.writeInt("HOF", "TIME" + std::to_string(k), time);
        profile.writeInt("HOF", "AUTH" + std::to_string(k), 0);
        ++k;
    }
}

class HallOfFameTest : public GameTest {
protected:
    // Wins a two-tile game after the given number of seconds.
    void winAfter(int seconds, const char* name) {
        game.restartGame();
        for (int s = 0; s < seconds; ++s) {
            game.tick();
        }
        host.names.assign({name});
        removeAPair();
    }
};

TEST_F(HallOfFameTest, TiesGoAfterAndTheTenthDropsOut) {
    const std::filesystem::path file = load(rowGame(2, kSidesOnly));
    fillHallOfFame(file, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100});

    winAfter(100, "equal to tenth");
    EXPECT_EQ(host.calls.back(), "won dialog 1:40");

    winAfter(30, "Tie");
    HallOfFame entries = readHallOfFame(platform::Profile(file));
    EXPECT_EQ(entries[2].name, "P3");
    EXPECT_EQ(entries[3].name, "Tie");
    EXPECT_EQ(entries[3].time, 30);
    EXPECT_EQ(entries[3].authentication, authentication("Tie", 30));
    EXPECT_EQ(entries[9].name, "P9");
    EXPECT_EQ(host.lastHallOfFame[3].name, "Tie");
    EXPECT_EQ(host.lastHallOfFame[3].time, "0:30");

    winAfter(89, "");
    entries = readHallOfFame(platform::Profile(file));
    EXPECT_EQ(entries[9].name, "* ANONYMOUS *");
    EXPECT_EQ(entries[9].authentication, authentication("* ANONYMOUS *", 89));
    EXPECT_NE(entries[9].authentication, authentication("", 89));
    EXPECT_EQ(entries[8].name, "P8");
}

TEST_F(HallOfFameTest, EmptyEntriesAndTheSlowestTime) {
    const std::filesystem::path file = load(rowGame(2, kSidesOnly));
    const std::string longName(60, 'n');
    winAfter(32767, "late");
    EXPECT_EQ(host.calls.back(), "won dialog 546:07");
    host.wonChoice = WonChoice::ViewHallOfFame;
    winAfter(40000, "later");
    EXPECT_EQ(host.calls.back(), "hall of fame");

    winAfter(32766, longName.c_str());
    HallOfFame entries = readHallOfFame(platform::Profile(file));
    EXPECT_EQ(entries[0].name, std::string(49, 'n'));
    EXPECT_EQ(entries[1].name, "");
    // An emptied middle entry counts as the slowest time and is taken by the next win.
    platform::Profile(file).writeString("HOF", "NAME1", "");
    fillHallOfFame(file, {5});
    platform::Profile(file).writeString("HOF", "NAME2", "x");
    platform::Profile(file).writeInt("HOF", "TIME2", 50);
    winAfter(60, "third");
    entries = readHallOfFame(platform::Profile(file));
    EXPECT_EQ(entries[2].name, "third");
}

TEST_F(HallOfFameTest, WhereEachGameKeepsItsHallOfFame) {
    // A design-mode game has none.
    load(rowGame(2, kSidesOnly));
    game.enterDesignMode();
    game.exitDesignMode();
    EXPECT_EQ(game.gameName(), "");
    game.hallOfFame();
    EXPECT_EQ(host.messages.back(), "Att: No HOF Available: No Game File Specified");
    host.calls.clear();
    removeAPair();
    EXPECT_EQ(host.messages.back(), "Congratulations: You won!!");
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "ask name"), 0);

    // The built-in game keeps its own in MORVAN.INI of the settings folder.
    game.defaultGame();
    EXPECT_EQ(game.gameName(), "DEFAULT");
    const std::filesystem::path morvan = home.folder() / "config" / "morvane" / "MORVAN.INI";
    fillHallOfFame(morvan, {77});
    game.hallOfFame();
    EXPECT_EQ(host.lastHallOfFame[0].name, "P1");
    EXPECT_EQ(host.lastHallOfFame[0].time, "1:17");
    EXPECT_EQ(host.lastHallOfFame[1].name, "");
}

}  // namespace
}  // namespace morvane
