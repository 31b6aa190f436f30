#include "pocketquillet/game/board_definition.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "pocketquillet/tests/test_support.h"

namespace pocketquillet {
namespace {

using test::ScriptedProfile;
using test::ScriptedRandom;

// Draws of a small linear congruential generator, so that the deal takes many different paths.
std::deque<std::uint32_t> mixedDraws(int count) {
    std::deque<std::uint32_t> draws;
    std::uint32_t state = 12345;
    for (int i = 0; i < count; ++i) {
        state = state * 1664525u + 1013904223u;
        draws.push_back(state);
    }
    return draws;
}

std::array<int, kFaceCount + 1> faceCounts(const BoardGrid& grid) {
    std::array<int, kFaceCount + 1> counts{};
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            ++counts[grid.face({x, y})];
        }
    }
    return counts;
}

void setAllLanes(ScriptedProfile& profile, const std::u16string& lane) {
    for (int row = 1; row <= kRows; ++row) {
        profile.set(u"Board1", u"Lane" + decimalText(row), lane);
    }
}

TEST(BoardDefinitionTest, DefaultBoardDealsEveryStoneOnce) {
    const DefaultProfile profile;
    const BoardDefinition board = loadBoard(profile, 0, Lanes::FromDefinition);
    EXPECT_EQ(stoneCellCount(board.lanes), kStoneCount);
    EXPECT_EQ(extentOf(board.lanes), (BoardExtent{0, 18, 0, 8}));
    EXPECT_EQ(board.startStone, 1);
    EXPECT_EQ(board.stoneSize.width, 25);
    EXPECT_EQ(board.stoneSize.height, 25);
    EXPECT_EQ(maxBoards(profile), 1);

    for (const auto& draws : {mixedDraws(kStoneCount), std::deque<std::uint32_t>{}}) {
        ScriptedRandom random;
        random.draws = draws;
        BoardGrid grid;
        EXPECT_EQ(dealStones(grid, board, random), kStoneCount);
        EXPECT_EQ(random.drawsTaken, kStoneCount);
        const auto counts = faceCounts(grid);
        EXPECT_EQ(counts[0], 0);
        for (int face = 1; face <= kFaceCount; ++face) {
            EXPECT_EQ(counts[face], face <= 34 ? 4 : 1) << "face " << face;
        }
    }
}

TEST(BoardDefinitionTest, DealDrawsFromTheWindowThatStartsAtStartStone) {
    struct Case {
        int startStone;
        int firstEntry;
    };
    // 140 cells: the window holds entries 4..143 from StartStone 1, entries 0..139 from 0.
    for (const Case c : {Case{1, 4}, Case{0, 0}}) {
        ScriptedProfile profile;
        setAllLanes(profile, u"111111111111111111");
        profile.set(u"Board1", u"Lane8", u"111111111111110000");
        profile.set(u"Board1", u"StartStone", decimalText(static_cast<std::uint32_t>(c.startStone)));
        const BoardDefinition board = loadBoard(profile, 0, Lanes::FromDefinition);
        ASSERT_EQ(stoneCellCount(board.lanes), 140);
        ScriptedRandom random;
        random.draws = mixedDraws(140);
        BoardGrid grid;
        ASSERT_EQ(dealStones(grid, board, random), 140);
        std::array<int, kFaceCount + 1> expected{};
        for (int entry = c.firstEntry; entry < c.firstEntry + 140; ++entry) {
            ++expected[faceSequenceEntry(entry)];
        }
        expected[0] = 4;
        EXPECT_EQ(faceCounts(grid), expected) << "StartStone " << c.startStone;
        EXPECT_EQ(grid.face({17, 7}), 0);
    }
}

TEST(BoardDefinitionTest, StartStoneOutsideTheSequenceCountsAsZero) {
    for (const std::u16string value : {u"35", u"99"}) {
        ScriptedProfile profile;
        profile.set(u"Board1", u"StartStone", value);
        EXPECT_EQ(loadBoard(profile, 0, Lanes::FromDefinition).startStone, 0);
    }
    ScriptedProfile profile;
    profile.set(u"Board1", u"StartStone", u"34");
    EXPECT_EQ(loadBoard(profile, 0, Lanes::FromDefinition).startStone, 34);
}

TEST(BoardDefinitionTest, LanesMarkCellsAndSetTheExtent) {
    struct Case {
        std::u16string lane;
        BoardExtent extent;
        int cells;
    };
    const Case cases[] = {
        {u"000000000111111111", {9, 18, 0, 8}, 9 * 8},
        {u"11", {0, 2, 0, 8}, 2 * 8},              // the missing characters are empty
        {u"0000x0000000000000", {4, 5, 0, 8}, 8},  // any character but '0' marks a stone
        {u"", {0, 18, 0, 8}, 0},                   // an empty mask counts as the whole board
    };
    for (const Case& c : cases) {
        ScriptedProfile profile;
        setAllLanes(profile, c.lane);
        const BoardDefinition board = loadBoard(profile, 0, Lanes::FromDefinition);
        EXPECT_EQ(extentOf(board.lanes), c.extent) << utf16ToUtf8(c.lane);
        EXPECT_EQ(stoneCellCount(board.lanes), c.cells) << utf16ToUtf8(c.lane);
        ScriptedRandom random;
        BoardGrid grid;
        EXPECT_EQ(dealStones(grid, board, random), c.cells);
        EXPECT_EQ(grid.stoneCount(), c.cells);
    }
}

TEST(BoardDefinitionTest, BoardsAreLookedUpByNumberWithTheirStoneSet) {
    ScriptedProfile profile;
    profile.set(u"MAIN", u"MaxBoards", u"0");
    EXPECT_EQ(maxBoards(profile), 1);  // no board at all would leave no round to play
    profile.set(u"Board2", u"Lane3", u"000000000000000001");
    profile.set(u"Board2", u"StoneSet", u"BIGSTONE");
    profile.set(u"BIGSTONE", u"StoneXL", u"40");
    profile.set(u"BIGSTONE", u"StoneYL", u"30");
    const BoardDefinition second = loadBoard(profile, 1, Lanes::FromDefinition);
    EXPECT_EQ(second.lanes[2][17], 1);
    EXPECT_EQ(second.lanes[2][16], 0);
    EXPECT_EQ(second.stoneSize.width, 40);
    EXPECT_EQ(second.stoneSize.height, 30);
    // Solitaire fills every cell whatever the lanes say.
    EXPECT_EQ(stoneCellCount(loadBoard(profile, 1, Lanes::AllCells).lanes), kStoneCount);
}

TEST(BoardDefinitionTest, DefaultProfileAnswersDefaultsAndKeepsNothing) {
    DefaultProfile profile;
    profile.writeText(u"MAIN", u"Skill", u"2");
    EXPECT_EQ(profile.readNumber(u"MAIN", u"Skill", 1), 1);
    EXPECT_EQ(profile.readText(u"MAIN", u"StartPic", u"DEFSTART", 41), u"DEFSTART");
    EXPECT_EQ(profile.readText(u"Board1", u"Lane1", u"111111111111111111111", 20), u"1111111111111111111");
    EXPECT_EQ(kSettingsFileName, u"vellmar.ini");
}

}  // namespace
}  // namespace pocketquillet
