#include <gtest/gtest.h>

#include <vector>

#include "morvane/game/crt_random.h"
#include "morvane/game/deal.h"
#include "morvane/game/free_rule.h"
#include "morvane/game/layout.h"
#include "morvane/game/tile_set.h"

namespace morvane {
namespace {

TEST(CrtRandom, FirstValuesAfterSeedOneAreTheRunTimeOnes) {
    CrtRandom random;
    random.srand(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358};
    for (int value : expected) {
        EXPECT_EQ(random.rand(), value);
    }
}

TEST(BuiltInLayout, HasItsSpacesLimitsAndLayerCounts) {
    GameSettings settings;
    buildBuiltInLayout(settings);
    EXPECT_EQ(countSpaces(settings.layout), 144);
    EXPECT_EQ(settings.hlimit, 28);
    EXPECT_EQ(settings.vlimit, 14);
    const int expected[kLayers] = {87, 36, 16, 4, 1, 0, 0, 0};
    for (int z = 0; z < kLayers; ++z) {
        int count = 0;
        for (int x = 0; x < kColumns; ++x) {
            for (int y = 0; y < kRows; ++y) {
                count += settings.layout.at(x, y, z);
            }
        }
        EXPECT_EQ(count, expected[z]) << "layer " << z;
    }
    EXPECT_EQ(settings.layout.at(13, 7, 4), 1);
}

TEST(Match, SuitTilesOnlyByCodeIndividualTilesByGroup) {
    const TileSet tileSet = builtInTileSet();
    struct Case {
        TileCode a;
        TileCode b;
        bool match;
    };
    const Case cases[] = {
        {0x11, 0x11, true}, {0x11, 0x12, false}, {0x53, 0x53, true},  {0x51, 0x52, false},
        {0x61, 0x64, true}, {0x72, 0x73, true},  {0x61, 0x71, false}, {0x64, 0x14, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(match(tileSet, c.a, c.b), c.match) << int(c.a) << " " << int(c.b);
    }
}

MoveRules only(bool left, bool right, bool up, bool down, bool lift) {
    return MoveRules{left, right, up, down, lift};
}

TEST(IsFree, LanesRunToTheEdgeAndCoversComeFromAbove) {
    struct Case {
        const char* what;
        std::vector<Position> others;
        MoveRules rules;
        bool free;
    };
    const Position tile{10, 10, 0};
    const MoveRules leftOnly = only(true, false, false, false, false);
    const Case cases[] = {
        {"alone, left", {}, leftOnly, true},
        {"far tile half a row above, left", {{1, 9, 0}}, leftOnly, false},
        {"far tile half a row below, left", {{0, 11, 0}}, leftOnly, false},
        {"far tile a full row below, left", {{0, 12, 0}}, leftOnly, true},
        {"tile on the right only, left", {{12, 10, 0}}, leftOnly, true},
        {"left lane on another layer", {{4, 10, 1}}, leftOnly, true},
        {"right lane blocked, right only", {{30, 11, 0}}, only(false, true, false, false, false), false},
        {"right lane beyond HLIMIT", {{36, 10, 0}}, only(false, true, false, false, false), true},
        {"up lane, half a column off", {{11, 0, 0}}, only(false, false, true, false, false), false},
        {"down lane open", {{12, 20, 0}}, only(false, false, false, true, false), true},
        {"boxed in, lift",
         {{8, 10, 0}, {12, 10, 0}, {10, 8, 0}, {10, 12, 0}},
         only(false, false, false, false, true),
         true},
        {"boxed in, all slides",
         {{8, 10, 0}, {12, 10, 0}, {10, 8, 0}, {10, 12, 0}},
         only(true, true, true, true, false),
         false},
        {"covered diagonally two layers up, lift",
         {{11, 9, 2}},
         only(false, false, false, false, true),
         false},
        {"no rules at all", {}, only(false, false, false, false, false), false},
    };
    for (const Case& c : cases) {
        Board play;
        play.set(tile, 0x11);
        for (const Position& other : c.others) {
            play.set(other, 0x12);
        }
        EXPECT_EQ(isFree(play, tile, c.rules, 34, 39), c.free) << c.what;
    }
}

TEST(IsFree, EdgeTilesAndTheTopLayer) {
    Board play;
    const MoveRules all = only(true, true, true, true, false);
    for (int z = 0; z < kLayers; ++z) {
        play.set(0, 0, z, 0x11);
        play.set(39, 39, z, 0x11);
    }
    EXPECT_TRUE(isFree(play, {0, 0, kTopLayer}, all, 39, 39));
    EXPECT_TRUE(isFree(play, {39, 39, kTopLayer}, all, 39, 39));
    EXPECT_FALSE(isFree(play, {39, 39, 6}, all, 39, 39));
}

TEST(Deal, SameSeedSameBoardAndEveryTilePlaced) {
    GameSettings settings;
    buildBuiltInLayout(settings);
    const TileSet tileSet = builtInTileSet();
    CrtRandom first;
    CrtRandom second;
    first.srand(1234);
    second.srand(1234);
    Board a;
    Board b;
    ASSERT_EQ(deal(settings.layout, tileSet, first, a), DealOutcome::Dealt);
    ASSERT_EQ(deal(settings.layout, tileSet, second, b), DealOutcome::Dealt);
    EXPECT_EQ(a, b);
    int counts[256] = {};
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            for (int z = 0; z < kLayers; ++z) {
                EXPECT_EQ(a.at(x, y, z) != 0, settings.layout.at(x, y, z) == 1);
                ++counts[a.at(x, y, z)];
            }
        }
    }
    EXPECT_EQ(counts[0x11], 4);
    EXPECT_EQ(counts[0x53], 4);
    EXPECT_EQ(counts[0x61], 1);
    EXPECT_EQ(counts[0x74], 1);
    ASSERT_EQ(deal(settings.layout, tileSet, second, b), DealOutcome::Dealt);
    EXPECT_NE(a, b);
}

TEST(Deal, RunsDryWhenSpacesOutnumberTiles) {
    GameSettings settings;
    buildBuiltInLayout(settings);
    settings.layout.set(38, 38, 0, 1);
    settings.layout.set(36, 38, 0, 1);
    CrtRandom random;
    Board play;
    play.set(39, 39, 7, 0x11);
    EXPECT_EQ(deal(settings.layout, builtInTileSet(), random, play), DealOutcome::InsufficientTiles);
    EXPECT_EQ(play.at(39, 39, 7), 0);  // nothing of the previous game stays

    TileSet none;
    EXPECT_EQ(deal(settings.layout, none, random, play), DealOutcome::InsufficientTiles);
    Board emptyLayout;
    EXPECT_EQ(deal(emptyLayout, none, random, play), DealOutcome::Dealt);
}

TEST(ShiftLayout, EdgeSpacesAreLost) {
    struct Case {
        ShiftDirection direction;
        Position from;
        Position to;  // none when lost
    };
    const Case cases[] = {
        {ShiftDirection::Right, {5, 5, 2}, {6, 5, 2}}, {ShiftDirection::Right, {39, 5, 2}, kNoPosition},
        {ShiftDirection::Left, {5, 5, 2}, {4, 5, 2}},  {ShiftDirection::Left, {0, 5, 2}, kNoPosition},
        {ShiftDirection::Up, {5, 5, 2}, {5, 4, 2}},    {ShiftDirection::Up, {5, 0, 2}, kNoPosition},
        {ShiftDirection::Down, {5, 5, 2}, {5, 6, 2}},  {ShiftDirection::Down, {5, 39, 2}, kNoPosition},
    };
    for (const Case& c : cases) {
        Board layout;
        layout.set(c.from, 1);
        shiftLayout(layout, c.direction);
        EXPECT_EQ(countSpaces(layout), c.to.isNone() ? 0 : 1);
        if (!c.to.isNone()) {
            EXPECT_EQ(layout.at(c.to), 1);
        }
    }
    GameSettings settings;
    buildBuiltInLayout(settings);
    shiftLayout(settings.layout, ShiftDirection::Left);
    EXPECT_EQ(countSpaces(settings.layout), 143);
    EXPECT_EQ(settings.layout.at(25, 7, 0), 1);
}

}  // namespace
}  // namespace morvane
