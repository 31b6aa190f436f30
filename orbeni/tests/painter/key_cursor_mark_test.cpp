#include <gtest/gtest.h>

#include <vector>

#include "painter_fixture.h"

namespace orbeni::test {
namespace {

const Position kFirst{3, 3, 1};
const Position kSecond{9, 3, 1};

std::vector<PlacedTile> twoTiles() {
    return {{1, kFirst}, {5, kSecond}};
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

    fixture.painter.setKeyCursor(kFirst);
    EXPECT_EQ(bracketPixel(fixture, kFirst), kKeyCursorColour);
    EXPECT_EQ(betweenBrackets(fixture, kFirst), kIvory);
    fixture.painter.setKeyCursor(kSecond);
    EXPECT_EQ(bracketPixel(fixture, kFirst), untouched.pixel(faceLeft(kFirst) + 5, faceTop(kFirst) + 5));
    EXPECT_EQ(bracketPixel(fixture, kSecond), kKeyCursorColour);
    const auto imageOf = [](Position p) { return platform::Rect{faceLeft(p) - 6, faceTop(p), 46, 56}; };
    for (const platform::Rect& area : changed) {
        EXPECT_TRUE(area == imageOf(kFirst) || area == imageOf(kSecond))
            << area.x << "," << area.y << " " << area.width << "x" << area.height;
    }

    fixture.painter.setKeyCursor(Position{});
    EXPECT_EQ(fixture.painter.gameImage(), untouched);
}

TEST(KeyCursorMark, TheBracketsShowBesideTheSelectionAndTheHoverRectangleAndGoWithTheTiles) {
    PainterFixture fixture;
    fixture.show(twoTiles());
    fixture.click(kFirst);
    fixture.painter.RedrawTile(1);
    fixture.pointAt(kFirst);
    fixture.painter.setKeyCursor(kFirst);
    EXPECT_EQ(bracketPixel(fixture, kFirst), kKeyCursorColour);
    EXPECT_EQ(betweenBrackets(fixture, kFirst), kSelectedFace);
    EXPECT_EQ(fixture.at(faceLeft(kFirst) + 1, faceTop(kFirst) + 20), platform::rgb(255, 0, 0));

    fixture.game.PauseClick();
    fixture.painter.FullRedraw();
    EXPECT_NE(bracketPixel(fixture, kFirst), kKeyCursorColour);
}

}  // namespace
}  // namespace orbeni::test
