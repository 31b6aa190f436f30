#include "pocketquillet/game/pocket_game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "pocketquillet/game/hiscore_file.h"
#include "pocketquillet/tests/test_support.h"

namespace pocketquillet {
namespace {

using test::drawsFor;

class PocketGameTest : public ::testing::Test {
protected:
    void create(PlayMode mode, Skill skill) {
        profile.set(u"MAIN", u"PlayMode", decimalText(static_cast<std::uint32_t>(mode)));
        profile.set(u"MAIN", u"Skill", decimalText(static_cast<std::uint32_t>(skill)));
        game = std::make_unique<PocketGame>(host, random, profile, folder.path() / "HISCORE.QZO");
        host.game = game.get();
    }

    // Board 1 gets stones in the first `cells` cells of row 0, dealt with these faces.
    void useTopRow(const std::vector<int>& faces) {
        profile.set(u"Board1", u"Lane1", std::u16string(faces.size(), u'1'));
        for (int row = 2; row <= kRows; ++row) {
            profile.set(u"Board1", u"Lane" + decimalText(static_cast<std::uint32_t>(row)), u"");
        }
        profile.set(u"Board1", u"StartStone", u"0");
        random.draws = drawsFor(faces, 0);
    }

    void click(Cell first, Cell second) {
        game->clickCell(first);
        game->clickCell(second);
    }

    int count(Sound sound) const {
        return static_cast<int>(std::count(host.sounds.begin(), host.sounds.end(), sound));
    }

    test::TempFolder folder;
    test::RecordingHost host;
    test::ScriptedRandom random;
    test::ScriptedProfile profile;
    std::unique_ptr<PocketGame> game;
};

// The face of each match group in a full board: groups 0..33 are faces 1..34, group 34 the
// singles 35..38 and group 35 the singles 39..42.
std::vector<int> facesOfGroups(const std::vector<int>& groups) {
    std::array<int, 36> used{};
    std::vector<int> faces;
    for (const int group : groups) {
        const int n = used[group]++;
        faces.push_back(group < 34 ? group + 1 : (group == 34 ? 35 : 39) + n);
    }
    return faces;
}

// A full board on which no two stones can go: no side holds two of a group and no two
// neighbours match.
std::vector<int> lockedBoardGroups() {
    std::vector<int> groups;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            groups.push_back((5 * x + 2 * y) % 18 + 18 * (y % 2));
        }
    }
    return groups;
}

TEST_F(PocketGameTest, ClicksSelectTakeBackRejectAndRemove) {
    useTopRow({1, 1, 1, 1, 2, 2, 2, 2});
    create(PlayMode::Tournament, Skill::Novice);
    game->startGame();
    ASSERT_EQ(game->state(), GameState::Running);
    EXPECT_EQ(game->stonesLeft(), 8);
    EXPECT_EQ(game->threshold(), 4);
    EXPECT_EQ(host.sounds.back(), Sound::Dealt);

    game->clickCell({10, 0});  // an empty cell
    game->clickCell({18, 0});  // off the board
    EXPECT_EQ(count(Sound::NoStone), 1);
    click({0, 0}, {0, 0});
    EXPECT_EQ(count(Sound::Select), 1);
    EXPECT_EQ(count(Sound::Back), 1);
    EXPECT_FALSE(game->selection());

    click({0, 0}, {4, 0});  // faces 1 and 2: a fault, and no points to lose
    EXPECT_EQ(count(Sound::Fault), 1);
    EXPECT_EQ(game->player(0).points, 0u);
    EXPECT_FALSE(game->selection());

    click({0, 0}, {3, 0});  // both leave by the top edge: three columns apart
    EXPECT_EQ(game->player(0).points, 15u);
    EXPECT_EQ(game->stonesLeft(), 6);
    EXPECT_TRUE(game->board().isEmpty({0, 0}));
    EXPECT_TRUE(game->board().isEmpty({3, 0}));
    ASSERT_TRUE(game->shownPath());
    EXPECT_EQ(game->shownPath()->kind, PathKind::TopEdge);
    EXPECT_EQ(host.sounds.back(), Sound::Pair);

    click({1, 0}, {4, 0});  // a fault costs 5 x 5 points, leaving 0 rather than less
    EXPECT_EQ(game->player(0).points, 0u);
    EXPECT_FALSE(game->shownPath());  // the next click erased the path
}

TEST_F(PocketGameTest, ProfiOpensNextRoundOnlyAtTheLastStone) {
    profile.set(u"MAIN", u"AllowNextRound", u"off");
    create(PlayMode::Tournament, Skill::Profi);
    EXPECT_FALSE(game->isEnabled(Command::NextRound));
    game->startGame();
    EXPECT_EQ(game->stonesTotal(), kStoneCount);
    EXPECT_EQ(game->threshold(), 1);
    EXPECT_FALSE(game->isEnabled(Command::NextRound));
    EXPECT_EQ(game->pointsFactor(), 15u);

    profile.set(u"MAIN", u"AllowNextRound", u"On");
    create(PlayMode::Tournament, Skill::Profi);
    game->startGame();
    EXPECT_TRUE(game->isEnabled(Command::NextRound));
    game->nextRound();
    EXPECT_EQ(game->roundCounter(), 1);
}

TEST_F(PocketGameTest, MenuStatesFollowTheGame) {
    create(PlayMode::Challenge, Skill::Advanced);
    EXPECT_FALSE(game->needsTicks());
    const Command idleOn[] = {Command::StartGame, Command::AllowHelp, Command::AllowNextRound};
    const Command idleOff[] = {Command::EndGame, Command::PauseGame, Command::NextRound, Command::NextMove};
    for (const Command c : idleOn) {
        EXPECT_TRUE(game->isEnabled(c));
    }
    for (const Command c : idleOff) {
        EXPECT_FALSE(game->isEnabled(c));
    }
    game->startGame();
    for (const Command c : idleOn) {
        EXPECT_FALSE(game->isEnabled(c));
    }
    EXPECT_TRUE(game->isEnabled(Command::EndGame));
    EXPECT_TRUE(game->isEnabled(Command::PauseGame));
    EXPECT_TRUE(game->isEnabled(Command::NextMove));
    EXPECT_TRUE(game->needsTicks());
    game->pauseGame();
    EXPECT_FALSE(game->needsTicks());  // a held turn does not count down
    game->pauseGame();

    const bool helpBefore = game->isChecked(Command::AllowHelp);
    game->toggleOption(Command::AllowHelp);  // disabled while a game runs
    EXPECT_EQ(game->isChecked(Command::AllowHelp), helpBefore);
    game->toggleOption(Command::Sound);
    EXPECT_FALSE(game->isChecked(Command::Sound));
    const auto soundsBefore = host.sounds.size();
    game->clickCell({0, 0});
    EXPECT_EQ(host.sounds.size(), soundsBefore);  // Sound off: nothing plays
}

TEST_F(PocketGameTest, HumanWhoWaitsLosesTheTurnWithTheGong) {
    create(PlayMode::Challenge, Skill::Advanced);
    game->startGame();
    EXPECT_EQ(game->player(0).name, u"Ann");
    EXPECT_EQ(game->secondsLeft(), 30);
    for (int second = 1; second < 30; ++second) {
        game->tick();
    }
    EXPECT_EQ(game->currentPlayer(), 0);
    EXPECT_EQ(game->secondsLeft(), 1);
    EXPECT_EQ(count(Sound::Gong), 0);
    game->tick();
    EXPECT_EQ(game->currentPlayer(), 1);
    EXPECT_EQ(game->secondsLeft(), 30);
    EXPECT_EQ(count(Sound::Gong), 1);

    game->pauseGame();  // a held game's clock stands still
    game->tick();
    EXPECT_EQ(game->secondsLeft(), 30);
    game->pauseGame();
    game->tick();
    EXPECT_EQ(game->secondsLeft(), 29);
}

TEST_F(PocketGameTest, ComputerMovesWithTheChanceOfItsSkill) {
    for (const Skill skill : {Skill::Novice, Skill::Advanced, Skill::Profi}) {
        int moves = 0;
        for (std::uint32_t draw = 0; draw < 10; ++draw) {
            host.challengeNames = ChallengeNames{u"Computer", u"Bob"};
            useTopRow({1, 1, 1, 1, 2, 2, 2, 2});
            create(PlayMode::Challenge, skill);
            game->startGame();
            const int turn = game->secondsLeft();
            game->clickCell({0, 0});  // the human may not play the computer's turn
            EXPECT_FALSE(game->selection());
            random.draws = {draw + 10};
            game->tick();
            if (game->stonesLeft() == 6) {
                ++moves;
                EXPECT_EQ(game->currentPlayer(), 1);
                EXPECT_EQ(game->player(0).stonesRemoved, 2);
                // Side by side in one row the pair leaves by the left edge for no points; the
                // computer gains the seconds left of its turn.
                EXPECT_EQ(game->shownPath()->kind, PathKind::LeftEdge);
                EXPECT_EQ(game->player(0).points, static_cast<std::uint32_t>(turn - 2));
            } else {
                EXPECT_EQ(game->currentPlayer(), 0);
                EXPECT_EQ(game->secondsLeft(), turn - 1);
            }
        }
        EXPECT_EQ(moves, static_cast<int>(skill) + 1) << "skill " << static_cast<int>(skill);
    }
}

TEST_F(PocketGameTest, SolitaireBoardClearedAsksOnceAgain) {
    std::vector<int> faces;
    for (int face = 1; face <= 34; ++face) {
        faces.insert(faces.end(), 4, face);
    }
    for (int face = 35; face <= 42; ++face) {
        faces.push_back(face);
    }
    random.draws = drawsFor(faces, 1);
    create(PlayMode::Solitaire, Skill::Advanced);
    game->startGame();
    ASSERT_EQ(game->board().face({0, 0}), 1);
    ASSERT_EQ(game->board().face({17, 7}), 42);
    for (int pair = 0; pair < kStoneCount / 2; ++pair) {
        ASSERT_TRUE(host.questions.empty()) << "pair " << pair;
        click({(2 * pair) % kColumns, (2 * pair) / kColumns},
              {(2 * pair + 1) % kColumns, (2 * pair) / kColumns});
    }
    EXPECT_EQ(game->stonesLeft(), 0);
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0], "Super, now the sun can shine ! Once again ?");
    EXPECT_EQ(host.captions[0], "Pocket Quillet");
    EXPECT_EQ(host.statesWhileAsking[0], GameState::Held);
    EXPECT_EQ(count(Sound::BoardDone), 1);
    EXPECT_EQ(game->state(), GameState::Idle);
    EXPECT_FALSE(host.closed);
}

TEST_F(PocketGameTest, SolitaireWithoutAConnectingPairIsLost) {
    // Moving group 3 next to its own kind at (7, 2) leaves exactly one pair that can go.
    std::vector<int> groups = lockedBoardGroups();
    std::swap(groups[2 * kColumns + 8], groups[4 * kColumns + 17]);
    random.draws = drawsFor(facesOfGroups(groups), 1);
    create(PlayMode::Solitaire, Skill::Advanced);
    game->startGame();
    host.answers = {Answer::No};
    click({7, 2}, {8, 2});
    EXPECT_EQ(game->stonesLeft(), 142);
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0], "Sorry, but no combination left ! Once again ?");
    EXPECT_EQ(count(Sound::BoardDone), 0);
    EXPECT_TRUE(host.closed);

    // The hint on a board without a free pair asks the same way.
    host.questions.clear();
    random.draws = drawsFor(facesOfGroups(lockedBoardGroups()), 1);
    create(PlayMode::Solitaire, Skill::Advanced);
    game->startGame();
    game->nextMove();
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0], "No free pair ! Once again ?");
    EXPECT_EQ(game->state(), GameState::Idle);
}

TEST_F(PocketGameTest, EndGameEntersTheTournamentScore) {
    useTopRow({1, 1, 1, 1, 2, 2, 2, 2});
    create(PlayMode::Tournament, Skill::Advanced);
    game->startGame();
    click({0, 0}, {3, 0});
    ASSERT_EQ(game->player(0).points, 30u);
    host.hiscoreName = u"A name of twenty chr";
    game->endGame();
    EXPECT_EQ(host.questions.back(), "Quit this game ?");
    EXPECT_EQ(host.nameRequests, 1);
    EXPECT_EQ(game->state(), GameState::Idle);
    const HiscoreTable stored = readHiscoreFile(folder.path() / "HISCORE.QZO");
    EXPECT_EQ(stored.entry(0).name, u"A name of twent");
    EXPECT_EQ(stored.entry(0).points, 30u);

    // Ten stored scores of 30 leave no place for another 30: the view shows instead.
    HiscoreTable full;
    for (int i = 0; i < kHiscoreEntries; ++i) {
        full.insert(0, u"Eve", 30);
    }
    ASSERT_TRUE(writeHiscoreFile(folder.path() / "HISCORE.QZO", full));
    useTopRow({1, 1, 1, 1, 2, 2, 2, 2});
    game->startGame();
    click({0, 0}, {3, 0});
    game->endGame();
    EXPECT_EQ(host.nameRequests, 1);
    ASSERT_EQ(host.views.size(), 1u);
    EXPECT_EQ(host.views[0].headline, "Sorry, too less points to enter the Hiscore");
    EXPECT_EQ(readHiscoreFile(folder.path() / "HISCORE.QZO").entry(9).name, u"Eve");
}

TEST_F(PocketGameTest, TournamentHintsCostPointsAndEndTheGamePastTheLastHelp) {
    useTopRow({1, 1, 1, 1, 2, 2, 2, 2});
    create(PlayMode::Tournament, Skill::Advanced);
    game->startGame();
    click({0, 0}, {1, 0});  // left edge, no points
    click({2, 0}, {4, 0});  // a fault at 0 points
    for (int help = 4; help > 0; --help) {
        game->nextMove();
        EXPECT_EQ(game->player(0).helpsLeft, help - 1);
    }
    EXPECT_EQ(count(Sound::Help), 4);
    ASSERT_TRUE(game->shownPath());
    EXPECT_TRUE(host.questions.empty());

    host.answers = {Answer::No};
    game->nextMove();
    EXPECT_EQ(host.questions.back(), "No hints left ! Hint anyway ?");
    EXPECT_EQ(game->state(), GameState::Running);

    host.answers = {Answer::Yes};
    game->nextMove();  // shown, but past the last help the game is over
    EXPECT_EQ(count(Sound::Help), 5);
    EXPECT_EQ(game->state(), GameState::Idle);
    EXPECT_EQ(game->player(0).points, 0u);
}

TEST_F(PocketGameTest, ChallengeHintsWaitForTheOtherPlayersHelp) {
    useTopRow({1, 1, 1, 1, 2, 2, 2, 2});
    create(PlayMode::Challenge, Skill::Advanced);
    game->startGame();
    game->nextMove();  // Ann's one help
    EXPECT_EQ(game->player(0).helpsLeft, 0);
    game->nextMove();
    EXPECT_EQ(host.questions.back(), "No hints left in this round !");
    EXPECT_EQ(game->state(), GameState::Running);

    // Show Hiscore places both players' scores among the stored ones.
    click({0, 0}, {1, 0});
    EXPECT_EQ(game->currentPlayer(), 1);
    game->showHiscore();
    ASSERT_EQ(host.views.size(), 1u);
    EXPECT_EQ(host.views[0].rows[0].name, u"Ann");
    EXPECT_EQ(host.views[0].rows[0].source, RowSource::RunningGame);
    EXPECT_EQ(host.views[0].rows[1].name, u"");
    EXPECT_EQ(host.sounds.back(), Sound::Hiscore);
}

TEST_F(PocketGameTest, HiscoreBetweenRoundsPausesBeforeTheNextDeal) {
    profile.set(u"MAIN", u"Intermission", u"ON");
    useTopRow({1, 1, 1, 1, 2, 2, 2, 2});
    create(PlayMode::Tournament, Skill::Advanced);
    game->startGame();
    EXPECT_TRUE(host.views.empty());  // not before the first round
    useTopRow({1, 1, 1, 1, 2, 2, 2, 2});
    game->nextRound();
    ASSERT_EQ(host.views.size(), 1u);
    EXPECT_EQ(host.views[0].headline, "Well Done ! Now go on to next Round -2- ");
    EXPECT_EQ(count(Sound::BoardDone), 1);
    EXPECT_EQ(count(Sound::Hiscore), 0);
    EXPECT_EQ(game->state(), GameState::Running);
    EXPECT_EQ(game->stonesLeft(), 8);
}

}  // namespace
}  // namespace pocketquillet
