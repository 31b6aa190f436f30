#include "pocketquillet/view/window_pos.h"

#include <gtest/gtest.h>

#include <vector>

namespace pocketquillet {
namespace {

TEST(WindowPosTest, ReadsMaxOrFourPercentagesOfTheScreen) {
    const WindowPlacement system{};
    struct Case {
        std::u16string_view text;
        WindowPlacement placement;
    };
    // A screen of 1000 x 800.
    const std::vector<Case> cases = {
        {u"MAX", system},
        {u"max", system},
        {u"Max", system},
        {u"10,20,60,70", {false, {100, 160, 500, 400}}},
        {u" 10 , 20 , 60 , 70 ", {false, {100, 160, 500, 400}}},
        {u"0,0,100,100", {false, {0, 0, 1000, 800}}},
        {u"-10,-5,50,50", {false, {0, 0, 500, 400}}},   // a negative left or top becomes 0
        {u"60,20,10,70", {false, {0, 160, 640, 400}}},  // right before left: width 640 from 0
        {u"10,70,60,20", {false, {100, 0, 500, 480}}},  // bottom before top: height 480 from 0
        {u"50,50,50,50", {false, {500, 400, 0, 0}}},
        {u"", system},
        {u"10,20,60", system},
        {u"10,20,60,70,80", system},
        {u"10,20,,70", system},
        {u"10;20;60;70", system},
        {u"ten,20,60,70", system},
        {u"10,20,60,70x", system},
        {u"1234567890,0,10,10", system},
        {u"MAXIMUM", system},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(windowPlacement(c.text, 1000, 800), c.placement)
            << std::string(c.text.begin(), c.text.end());
    }
}

TEST(WindowPosTest, WritesTheWindowsEdges) {
    EXPECT_EQ(windowPosText({100, 50, 640, 480}), u"100,50,740,530");
    EXPECT_EQ(windowPosText({-8, 0, 300, 200}), u"-8,0,292,200");
}

}  // namespace
}  // namespace pocketquillet
