#include <gtest/gtest.h>

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

}  // namespace
}  // namespace morvane
