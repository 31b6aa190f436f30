#include "pocketquillet/game/board_definition.h"

#include <algorithm>

#include "pocketquillet/game/profile_access.h"
#include "pocketquillet/game/random_source.h"
#include "pocketquillet/game/text_encoding.h"

namespace pocketquillet {

namespace {

constexpr std::u16string_view kFullLane = u"111111111111111111";
constexpr int kLaneCapacity = 20;
constexpr int kStoneSetCapacity = 26;
constexpr int kLastStartStone = 34;

using FaceSequence = std::array<std::uint8_t, kStoneCount>;

FaceSequence faceSequence() {
    FaceSequence sequence{};
    for (int i = 0; i < kStoneCount; ++i) {
        sequence[i] = static_cast<std::uint8_t>(faceSequenceEntry(i));
    }
    return sequence;
}

}  // namespace

LaneMask laneMaskFrom(const std::array<std::u16string, kRows>& lanes) {
    LaneMask mask{};
    for (int y = 0; y < kRows; ++y) {
        const std::u16string& lane = lanes[y];
        for (int x = 0; x < kColumns && x < static_cast<int>(lane.size()); ++x) {
            mask[y][x] = static_cast<std::uint8_t>(lane[x] - u'0');
        }
    }
    return mask;
}

BoardExtent extentOf(const LaneMask& lanes) {
    BoardExtent extent{kColumns, 0, kRows, 0};
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            if (lanes[y][x] != 0) {
                extent = {std::min(extent.firstColumn, x), std::max(extent.endColumn, x + 1),
                          std::min(extent.firstRow, y), std::max(extent.endRow, y + 1)};
            }
        }
    }
    return extent.endColumn == 0 ? BoardExtent{} : extent;
}

int stoneCellCount(const LaneMask& lanes) {
    int count = 0;
    for (const auto& lane : lanes) {
        count +=
            static_cast<int>(std::count_if(lane.begin(), lane.end(), [](std::uint8_t v) { return v != 0; }));
    }
    return count;
}

int maxBoards(const ProfileAccess& profile) {
    return std::max(profile.readNumber(u"MAIN", u"MaxBoards", 1), 1);
}

BoardDefinition loadBoard(const ProfileAccess& profile, int boardIndex, Lanes lanes) {
    const std::u16string section = u"Board" + decimalText(static_cast<std::uint32_t>(boardIndex + 1));
    std::array<std::u16string, kRows> laneTexts;
    for (int y = 0; y < kRows; ++y) {
        laneTexts[y] = lanes == Lanes::AllCells ? std::u16string(kFullLane)
                                                : profile.readText(section, u"Lane" + decimalText(y + 1u),
                                                                   kFullLane, kLaneCapacity);
    }
    BoardDefinition board;
    board.lanes = laneMaskFrom(laneTexts);
    // A window start past the last face of four, or before the first, falls back to the sequence start.
    board.startStone = profile.readNumber(section, u"StartStone", 1);
    if (board.startStone > kLastStartStone || board.startStone < 0) {
        board.startStone = 0;
    }
    const std::u16string stoneSet = profile.readText(section, u"StoneSet", u"DEFSTONE", kStoneSetCapacity);
    board.stoneSize = {profile.readNumber(stoneSet, u"StoneXL", 25),
                       profile.readNumber(stoneSet, u"StoneYL", 25)};
    return board;
}

int dealStones(BoardGrid& grid, const BoardDefinition& board, RandomSource& random) {
    FaceSequence sequence = faceSequence();
    const int cells = stoneCellCount(board.lanes);
    const int windowStart = board.startStone * 4;
    int placed = 0;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns; ++x) {
            grid.setFace({x, y}, 0);
            if (board.lanes[y][x] == 0 || placed >= cells) {
                continue;
            }
            const auto remaining = static_cast<std::uint32_t>(cells - placed);
            const int k = static_cast<int>((random.nextRandom() % remaining + windowStart) % kStoneCount);
            grid.setFace({x, y}, sequence[k]);
            ++placed;
            // The last entry of the shrinking window takes the place of the one drawn.
            sequence[k] = sequence[(cells + windowStart - placed) % kStoneCount];
        }
    }
    return placed;
}

}  // namespace pocketquillet
