#include <gtest/gtest.h>

#include <vector>

#include "painter_fixture.h"

namespace orbeni::test {
namespace {

const Position kLeftPlace{3, 3, 1};
const Position kRightPlace{9, 3, 1};

std::vector<PlacedTile> twoTiles() {
    return {{1, kLeftPlace}, {5, kRightPlace}};
}

// A pixel of the top left bracket of a place's face, and one of the face between the brackets.
platform::Pixel bracketPixel(const PainterFixture& fixture, Position p) {
    return fixture.at(faceLeft(p) + 5, faceTop(p) + 5);
}
platform::Pixel betweenBrackets(const PainterFixture& fixture, Position p) {
    return fixture.at(faceLeft(p) + 20, faceTop(p) + 5);
}

TEST(KeyCursorMark, MovingTheCursorRepaintsOnlyThePlacesItLeavesAndComesTo) {
    PainterFixture fixture;
    fixture.show(twoTiles());
    const platform::Bitmap untouched = fixture.painter.gameImage();
    std::vector<platform::Rect> changed;
    fixture.painter.setChangeListeners([&](platform::Rect area) { changed.push_back(area); }, [] {});

    fixture.painter.setKeyCursor(kLeftPlace);
    EXPECT_EQ(bracketPixel(fixture, kLeftPlace), kKeyCursorColour);
    EXPECT_EQ(betweenBrackets(fixture, kLeftPlace), kIvory);
    fixture.painter.setKeyCursor(kRightPlace);
    EXPECT_EQ(bracketPixel(fixture, kLeftPlace),
              untouched.pixel(faceLeft(kLeftPlace) + 5, faceTop(kLeftPlace) + 5));
    EXPECT_EQ(bracketPixel(fixture, kRightPlace), kKeyCursorColour);
    const auto imageOf = [](Position p) { return platform::Rect{faceLeft(p) - 6, faceTop(p), 46, 56}; };
    for (const platform::Rect& area : changed) {
        EXPECT_TRUE(area == imageOf(kLeftPlace) || area == imageOf(kRightPlace))
            << area.x << "," << area.y << " " << area.width << "x" << area.height;
    }

    fixture.painter.setKeyCursor(Position{});
    EXPECT_EQ(fixture.painter.gameImage(), untouched);
}

TEST(KeyCursorMark, TheBracketsShowBesideTheSelectionAndTheHoverRectangleAndGoWithTheTiles) {
    PainterFixture fixture;
    fixture.show(twoTiles());
    fixture.click(kLeftPlace);
    fixture.painter.RedrawTile(1);
    fixture.pointAt(kLeftPlace);
    fixture.painter.setKeyCursor(kLeftPlace);
    EXPECT_EQ(bracketPixel(fixture, kLeftPlace), kKeyCursorColour);
    EXPECT_EQ(betweenBrackets(fixture, kLeftPlace), kSelectedFace);
    EXPECT_EQ(fixture.at(faceLeft(kLeftPlace) + 1, faceTop(kLeftPlace) + 20), platform::rgb(255, 0, 0));

    fixture.game.PauseClick();
    fixture.painter.FullRedraw();
    EXPECT_NE(bracketPixel(fixture, kLeftPlace), kKeyCursorColour);
}

}  // namespace
}  // namespace orbeni::test
