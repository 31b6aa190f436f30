#include "pocketquillet/view/status_lines.h"

#include <gtest/gtest.h>

#include <memory>

#include "pocketquillet/game/pocket_game.h"
#include "pocketquillet/tests/test_support.h"

namespace pocketquillet {
namespace {

// Where a line of the status box is expected: its column's left, its row's top, and its text.
struct Expected {
    int x;
    int y;
    std::string text;
};

// In a 640 x 400 client with characters of 8 x 14 the lines start at 353, 367 and 381.
constexpr int kLine0 = 353;
constexpr int kLine1 = 367;
constexpr int kLine2 = 381;

class StatusLinesTest : public ::testing::Test {
protected:
    // Board 1 holds eight stones in row 0: faces 1, 1, 1, 1, 2, 2, 2, 2; Novice skill.
    void start(PlayMode mode) {
        profile.set(u"MAIN", u"PlayMode", decimalText(static_cast<std::uint32_t>(mode)));
        profile.set(u"MAIN", u"Skill", u"0");
        test::useTopRowBoard(profile, random);
        game = std::make_unique<PocketGame>(host, random, profile, folder.path() / "HISCORE.QZO");
        host.game = game.get();
        game->startGame();
        ASSERT_EQ(game->state(), GameState::Running);
    }

    StatusLines lines() const {
        return statusLines(*game, BoardGeometry({640, 400, 0, StatusMetrics{8, 14}, true, game->extent()}));
    }

    void expectLines(const std::vector<Expected>& expected) const {
        const StatusLines now = lines();
        ASSERT_EQ(now.count, static_cast<int>(expected.size()));
        for (int i = 0; i < now.count; ++i) {
            const StatusLine& line = now.lines[static_cast<std::size_t>(i)];
            EXPECT_EQ(line.text, expected[i].text);
            EXPECT_EQ(line.origin, (Point{expected[i].x, expected[i].y})) << line.text;
        }
    }

    void setLanguage(Language language) {
        Options options = game->options();
        options.language = language;
        game->applyOptions(options);
    }

    test::TempFolder folder;
    test::RecordingHost host;
    test::ScriptedRandom random;
    test::ScriptedProfile profile;
    std::unique_ptr<PocketGame> game;
};

TEST_F(StatusLinesTest, SolitaireShowsStonesRemovedAndLeft) {
    start(PlayMode::Solitaire);
    const std::optional<StonePair> pair = findPair(game->board());
    ASSERT_TRUE(pair);
    game->clickCell(pair->first);
    game->clickCell(pair->second);
    expectLines({{15, kLine0, " Stones               : 2   "}, {15, kLine1, " Stones Left          : 142 "}});
    setLanguage(Language::German);
    expectLines({{15, kLine0, " Steine               : 2   "}, {15, kLine1, " Steine übrig         : 142 "}});
}

TEST_F(StatusLinesTest, TournamentShowsStonesToTheNextRoundHelpsPointsAndRound) {
    start(PlayMode::Tournament);
    game->clickCell({0, 0});
    game->clickCell({3, 0});  // both leave by the top edge, three columns apart: 3 x 5 points
    const int second = 28 * 8 + 15;
    expectLines({
        {15, kLine0, " Stones               : 2   "},
        {15, kLine1, " Stones Left          : 6   "},
        {15, kLine2, " Stones to next round : 2   "},
        {second, kLine0, " Helps Left  : 4      "},
        {second, kLine1, " Points      : 15     "},
        {second, kLine2, " Round       : 1   "},
    });
    for (const StatusLine& line : lines().lines) {
        EXPECT_EQ(line.colour, standardColour(kDarkRedIndex));
        EXPECT_EQ(line.shadow, standardColour(kWhiteIndex));
        EXPECT_EQ(line.shadowBackground, standardColour(kSilverIndex));
    }
}

TEST_F(StatusLinesTest, ChallengeShowsBothPlayersTheTurnClockAndThePause) {
    host.challengeNames = ChallengeNames{u"Ann", u"A name much longer than the column"};
    start(PlayMode::Challenge);
    game->clickCell({0, 0});
    game->clickCell({3, 0});  // Ann: 15 points for the pair and 60 for the seconds left
    const int second = 17 * 8 + 15;
    const int clock = 34 * 8 + 15;
    expectLines({
        {15, kLine0, "Ann              "},
        {15, kLine1, " Stones  : 2      "},
        {15, kLine2, " Points  : 75     "},
        {second, kLine0, "A name much longe"},
        {second, kLine1, " Stones  : 0      "},
        {second, kLine2, " Points  : 0      "},
        {clock, kLine0, " Secs left   : 60  "},
        {clock, kLine1, " Round       : 1   "},
        {clock, kLine2, " 2 next round: 2   "},
    });
    const StatusLines now = lines();
    EXPECT_EQ(now.lines[0].shadowBackground, standardColour(kSilverIndex));
    EXPECT_EQ(now.lines[3].shadow, standardColour(kSilverIndex));  // the current player
    EXPECT_EQ(now.lines[3].shadowBackground, standardColour(kYellowIndex));
    EXPECT_EQ(now.lines[6].shadowBackground, standardColour(kDarkRedIndex));

    game->tick();
    const std::bitset<kMostStatusLines> changed = changedLines(now, lines());
    EXPECT_EQ(changed, std::bitset<kMostStatusLines>().set(6)) << "only the clock changed";
    EXPECT_EQ(lines().lines[6].text, " Secs left   : 59  ");

    game->pauseGame();
    EXPECT_EQ(lines().lines[6].text, "  PAUSED PAUSED    ");
    EXPECT_EQ(lines().lines[6].shadowBackground, standardColour(kSilverIndex));
    setLanguage(Language::German);
    EXPECT_EQ(lines().lines[6].text, "  PAUSE  PAUSE     ");
    game->pauseGame();
    EXPECT_EQ(lines().lines[6].text, " Seks übrig  : 59  ");
}

TEST(StatusFormatTest, PadsByCharactersAndKeepsLongValuesWhole) {
    EXPECT_EQ(formatStatus(" Stones Left          : %-4d", 7), " Stones Left          : 7   ");
    EXPECT_EQ(formatStatus(" Points      : %-7lu", 12345678), " Points      : 12345678");
    EXPECT_EQ(formatStatus(" 2 next round: %-4d", -3), " 2 next round: -3  ");
    EXPECT_EQ(formatStatus("%-17s", "Jürgen"), "Jürgen           ");
    EXPECT_EQ(characterCount("Jürgen"), 6);
}

}  // namespace
}  // namespace pocketquillet
