#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "painter_fixture.h"

namespace orbeni::test {
namespace {

const Position kFirst{3, 3, 1};
const Position kSecond{9, 3, 1};
const Position kEmpty{21, 15, 1};

std::vector<PlacedTile> twoPairs() {
    return {{1, kFirst}, {5, kSecond}, {2, {15, 3, 1}}, {6, {21, 3, 1}}};
}

TEST(Hover, TheRectangleIsDrawnOverASaveUnderThatRestoresTheExactPixels) {
    struct Case {
        HighlightMode mode;
        platform::Pixel pen;
    };
    for (const Case& c : {Case{HighlightMode::RedRectangle, platform::rgb(255, 0, 0)},
                          Case{HighlightMode::GreenRectangle, platform::rgb(0, 128, 0)},
                          Case{HighlightMode::BlueRectangle, platform::rgb(0, 0, 255)}}) {
        SCOPED_TRACE(int(c.mode));
        PainterFixture fixture;
        fixture.painter.Highlight2Click(c.mode);
        fixture.show(twoPairs());
        const platform::Bitmap untouched = fixture.painter.gameImage();

        fixture.pointAt(kFirst);
        EXPECT_EQ(fixture.at(faceLeft(kFirst) + 1, faceTop(kFirst) + 20), c.pen);
        EXPECT_EQ(fixture.at(faceLeft(kFirst) + 37, faceTop(kFirst) + 48), c.pen);
        EXPECT_EQ(fixture.at(faceLeft(kFirst) + 20, faceTop(kFirst) + 25),
                  untouched.pixel(faceLeft(kFirst) + 20, faceTop(kFirst) + 25));
        fixture.pointAt(kSecond);
        EXPECT_EQ(fixture.at(faceLeft(kFirst) + 1, faceTop(kFirst) + 20),
                  untouched.pixel(faceLeft(kFirst) + 1, faceTop(kFirst) + 20));
        EXPECT_EQ(fixture.at(faceLeft(kSecond) + 1, faceTop(kSecond) + 20), c.pen);

        // A redraw under the rectangle keeps it; moving onto empty space takes it off whole.
        fixture.painter.RedrawTile(5);
        EXPECT_EQ(fixture.at(faceLeft(kSecond) + 1, faceTop(kSecond) + 20), c.pen);
        fixture.pointAt(kEmpty);
        EXPECT_EQ(fixture.painter.gameImage(), untouched);
        EXPECT_FALSE(fixture.painter.cursorShown());
    }
}

TEST(Hover, ColouredModeDrawsTheTileUnderThePointerHighlighted) {
    PainterFixture fixture;
    fixture.painter.Highlight3Click();
    fixture.show(twoPairs());
    const platform::Bitmap untouched = fixture.painter.gameImage();
    fixture.pointAt(kFirst);
    EXPECT_EQ(fixture.painter.hoverTile(), 1);
    EXPECT_EQ(fixture.at(faceLeft(kFirst) + 2, faceTop(kFirst) + 2), kHighlightFace);
    fixture.pointAt(kSecond);
    EXPECT_EQ(fixture.at(faceLeft(kFirst) + 2, faceTop(kFirst) + 2), kIvory);
    EXPECT_EQ(fixture.at(faceLeft(kSecond) + 2, faceTop(kSecond) + 2), kHighlightFace);
    fixture.painter.Highlight1Click();
    EXPECT_EQ(fixture.painter.hoverTile(), 0);
    EXPECT_EQ(fixture.painter.gameImage(), untouched);
}

TEST(Hover, WithoutAHoverModeThePointerDrawsNothingNotEvenTheCurrentTile) {
    PainterFixture fixture;
    const auto hof = fixture.folder.file("hof.bmp");
    platform::saveBmp(platform::Bitmap(112, 468, platform::rgb(30, 30, 30)), hof);
    ASSERT_EQ(fixture.painter.loadHallPicture(hof), std::nullopt);
    fixture.game.options().showCurrentTile = true;
    fixture.painter.Highlight1Click();
    fixture.show(twoPairs());
    const platform::Bitmap board = fixture.painter.gameImage();
    const platform::Bitmap panel = fixture.painter.hallPanel();
    fixture.pointAt(kFirst);
    EXPECT_EQ(fixture.painter.gameImage(), board);
    EXPECT_EQ(fixture.painter.hallPanel(), panel);

    // With a hover mode the panel shows the tile, and loses it off the tiles.
    fixture.painter.Highlight2Click(HighlightMode::RedRectangle);
    fixture.pointAt(kFirst);
    EXPECT_EQ(fixture.painter.hallPanel().pixel(30 + kPictureShape.x + 5, 400 + kPictureShape.y + 5),
              faceColour(1));
    fixture.pointAt(kEmpty);
    EXPECT_EQ(fixture.painter.hallPanel(), panel);
}

// Counts the pixels of the pen's colour on the board image.
int penPixels(const PainterFixture& fixture, platform::Pixel pen) {
    int count = 0;
    for (const platform::Pixel pixel : fixture.painter.gameImage().pixels()) {
        count += pixel == pen ? 1 : 0;
    }
    return count;
}

TEST(Hover, EveryMarkGoesWithWhatItMarked) {
    const platform::Pixel red = platform::rgb(255, 0, 0);
    const std::vector<std::function<void(PainterFixture&)>> takeAway = {
        // The hovered tile leaves the board with its pair.
        [](PainterFixture& f) {
            f.clickTile(2);
            f.clickTile(1);
            f.painter.redrawPlace(kFirst);
        },
        // Pause and Stop show the background only.
        [](PainterFixture& f) {
            f.game.PauseClick();
            f.painter.FullRedraw();
        },
        [](PainterFixture& f) {
            f.game.Stop();
            f.painter.FullRedraw();
        },
        // A new deal: the tile under the pointer is another one.
        [](PainterFixture& f) {
            f.painter.clearHover();
            f.game.BeginGame();
            f.painter.FullRedraw();
        },
    };
    for (std::size_t way = 0; way < takeAway.size(); ++way) {
        SCOPED_TRACE(way);
        PainterFixture fixture;
        const auto hof = fixture.folder.file("hof.bmp");
        platform::saveBmp(platform::Bitmap(112, 468, platform::rgb(30, 30, 30)), hof);
        ASSERT_EQ(fixture.painter.loadHallPicture(hof), std::nullopt);
        const platform::Bitmap panel = fixture.painter.hallPanel();
        fixture.game.options().showCurrentTile = true;
        fixture.painter.Highlight2Click(HighlightMode::RedRectangle);
        fixture.show(twoPairs());
        fixture.pointAt(kFirst);
        ASSERT_GT(penPixels(fixture, red), 100);
        ASSERT_NE(fixture.painter.hallPanel(), panel);
        takeAway[way](fixture);
        EXPECT_EQ(penPixels(fixture, red), 0);
        EXPECT_FALSE(fixture.painter.cursorShown());
        if (way < 3) {
            EXPECT_EQ(fixture.painter.hallPanel(), panel);
        }
    }
}

TEST(Hover, AColouredTileThatLeftItsPlaceIsDrawnPlainWhereItIsNow) {
    PainterFixture fixture;
    fixture.painter.Highlight3Click();
    fixture.show(twoPairs());
    fixture.pointAt(kFirst);
    ASSERT_EQ(fixture.at(faceLeft(kFirst) + 2, faceTop(kFirst) + 2), kHighlightFace);
    // Dealt again, tile 1 stands elsewhere.
    fixture.game.board().remove(1);
    fixture.game.board().place(1, kEmpty);
    fixture.painter.FullRedraw();
    EXPECT_EQ(fixture.painter.hoverTile(), 0);
    EXPECT_EQ(fixture.at(faceLeft(kEmpty) + 2, faceTop(kEmpty) + 2), kIvory);
}

TEST(Hover, OnlyPossibleMovesAsksTheHorizontalRuleEvenUnderTheVerticalVariation) {
    PainterFixture fixture;
    fixture.game.options().Vertical = true;
    fixture.game.options().onlyPossibleMoves = true;
    // A row of three: the middle one is blocked left and right but free above and below.
    const Position left{3, 3, 1};
    const Position middle{5, 3, 1};
    const Position right{7, 3, 1};
    fixture.show({{1, left}, {5, middle}, {2, right}, {6, {15, 3, 1}}});
    ASSERT_TRUE(fixture.game.Dispo_Vertical(5));
    fixture.pointAt(middle);
    EXPECT_FALSE(fixture.painter.cursorShown());
    fixture.pointAt(left);
    EXPECT_TRUE(fixture.painter.cursorShown());
}

TEST(Editor, EveryTileIsBlankAndThePreviewShowsTheSelectedFace) {
    PainterFixture fixture;
    fixture.show({{1, kFirst}, {5, kSecond}});
    fixture.game.setEditorMode(true);
    fixture.painter.FullRedraw();
    EXPECT_EQ(fixture.at(faceLeft(kFirst) + kPictureShape.x + 5, faceTop(kFirst) + kPictureShape.y + 5),
              kIvory);

    fixture.pointAt(kEmpty);
    const Position preview = fixture.painter.preview();
    ASSERT_TRUE(preview.onBoard());
    EXPECT_EQ(fixture.at(faceLeft(preview) + 2, faceTop(preview) + 2), kSelectedFace);
    EXPECT_EQ(fixture.at(faceLeft(preview) - 3, faceTop(preview) + 20), kEdge);
    fixture.painter.FormMouseMove(faceLeft(kEmpty) + 20 + 80, faceTop(kEmpty) + 25);
    EXPECT_NE(fixture.painter.preview(), preview);
    EXPECT_EQ(fixture.at(faceLeft(preview) + 2, faceTop(preview) + 2), kNoBackgroundTeal);
}

}  // namespace
}  // namespace orbeni::test
