#include <gtest/gtest.h>

#include <fstream>

#include "painter_fixture.h"

namespace orbeni::test {
namespace {

using platform::Pixel;

TEST(ChangeTexture, EachFaceBecomesAWholeTileWithItsPictureOnTheBlankFace) {
    PainterFixture fixture;
    const platform::Bitmap& pai = fixture.painter.tileImages();
    for (int face : {1, 9, 10, 19, 27, 28, 31, 32, 36, 38, 39, 42}) {
        SCOPED_TRACE(face);
        const CellOrigin origin = tileImageOrigin(face);
        const int faceX = origin.x + kTileEdge;
        EXPECT_EQ(pai.pixel(faceX + kPictureShape.x + 5, origin.y + kPictureShape.y + 5), faceColour(face));
        EXPECT_EQ(pai.pixel(faceX + 2, origin.y + 2), kIvory);
        EXPECT_EQ(pai.pixel(origin.x + 2, origin.y + 20), kEdge);
        EXPECT_EQ(pai.pixel(origin.x + 20, origin.y + 53), kEdge);
        EXPECT_EQ(pai.pixel(origin.x + 1, origin.y + 1), platform::kBlack);
    }
}

TEST(ShowIt, TheLeftTileCoversItsRightNeighboursEdgeAndHigherLayersCoverLowerOnes) {
    PainterFixture fixture;
    const Position left{3, 3, 1};
    const Position right{5, 3, 1};
    const int rightEdgeX = faceLeft(right) - 3;
    const int y = faceTop(right) + 20;
    const PlacedTile farAway{2, {21, 15, 1}};
    fixture.show({{1, right}, farAway});
    EXPECT_EQ(fixture.at(rightEdgeX, y), kEdge);
    fixture.show({{1, right}, {5, left}});
    EXPECT_EQ(fixture.at(rightEdgeX, y), kIvory);

    // A tile on layer 2 over both: its face lies on theirs, and their faces never cover it.
    const Position top{4, 3, 2};
    fixture.show({{1, right}, {5, left}, {9, top}, farAway});
    EXPECT_EQ(fixture.at(faceLeft(top) + 2, faceTop(top) + 2), kIvory);
    EXPECT_EQ(fixture.at(faceLeft(top) + kPictureShape.x + 5, faceTop(top) + kPictureShape.y + 5),
              faceColour(3));
    EXPECT_EQ(fixture.at(faceLeft(top) - 3, faceTop(top) + 20), kEdge);
}

TEST(ShowIt, ABottomEdgeStopsAfter27PixelsWhenATileSitsHalfATileLowerRight) {
    PainterFixture fixture;
    const Position upper{3, 3, 1};
    const Position lower{4, 5, 1};
    const int edgeY = faceTop(upper) + 52;
    const int px = faceLeft(upper);
    fixture.show({{1, upper}, {2, {21, 15, 1}}});
    EXPECT_EQ(fixture.at(px + 30, edgeY), kEdge);

    fixture.show({{1, upper}, {5, lower}});
    for (int x = px - 6; x < px + 15; ++x) {
        EXPECT_EQ(fixture.at(x, edgeY), kEdge) << x;
    }
    EXPECT_EQ(fixture.at(px + 30, edgeY), kIvory) << "the lower tile's face shows where the edge would run";
}

TEST(NouveauFond, ABoardSizedPictureIsDrawnOnceAndASmallOneIsTiled) {
    const Pixel marker = platform::rgb(255, 0, 255);
    struct Case {
        int width;
        int height;
        int markers;
    };
    for (const Case& c : {Case{704, 468, 1}, Case{100, 100, 8 * 5}, Case{800, 500, 1}, Case{300, 468, 3}}) {
        SCOPED_TRACE(c.width);
        PainterFixture fixture;
        platform::Bitmap background(c.width, c.height, platform::rgb(10, 20, 30));
        background.setPixel(0, 0, marker);
        const auto file = fixture.folder.file("background.bmp");
        ASSERT_TRUE(platform::saveBmp(background, file));
        ASSERT_EQ(fixture.painter.NouveauFond(file), std::nullopt);
        int markers = 0;
        for (int y = 0; y < kBoardImageHeight; ++y) {
            for (int x = 0; x < kBoardImageWidth; ++x) {
                markers += fixture.at(x, y) == marker ? 1 : 0;
            }
        }
        EXPECT_EQ(markers, c.markers);
        EXPECT_EQ(fixture.at(kBoardImageWidth - 1, kBoardImageHeight - 1), platform::rgb(10, 20, 30));
    }
}

TEST(LoadTileset, AFileThatCannotServeIsRefusedWithItsReasonAndThePicturesStay) {
    PainterFixture fixture;
    fixture.show({{1, {3, 3, 1}}, {5, {9, 3, 1}}});
    const platform::Bitmap board = fixture.painter.gameImage();
    const platform::Bitmap tiles = fixture.painter.tileImages();

    const auto small = fixture.folder.file("small.bmp");
    platform::saveBmp(platform::Bitmap(368, 567), small);
    const auto garbage = fixture.folder.file("garbage.bmp");
    std::ofstream(garbage) << "not a picture";
    struct Case {
        std::filesystem::path file;
        const char* reason;
    };
    const auto missing = fixture.folder.file("none.bmp");
    for (const Case& c : {Case{small, "369 x 567"}, Case{garbage, ""}, Case{missing, ""}}) {
        const std::optional<std::string> error = fixture.painter.LoadTileset(c.file);
        ASSERT_TRUE(error.has_value()) << c.file;
        EXPECT_NE(error->find(c.reason), std::string::npos) << *error;
    }
    EXPECT_TRUE(fixture.painter.NouveauFond(garbage).has_value());
    EXPECT_TRUE(fixture.painter.NouveauFond(missing).has_value());
    EXPECT_EQ(fixture.painter.gameImage(), board);
    EXPECT_EQ(fixture.painter.tileImages(), tiles);
}

TEST(Marking, SelectedAndHintedTilesShowTheirFaceBackgroundsInEveryHoverMode) {
    PainterFixture fixture;
    fixture.painter.Highlight1Click();
    const Position first{3, 3, 1};
    const Position other{9, 3, 1};
    fixture.show({{1, first}, {5, other}, {2, {15, 3, 1}}, {6, {21, 3, 1}}});
    fixture.clickTile(1);
    fixture.painter.RedrawTile(1);
    EXPECT_EQ(fixture.at(faceLeft(first) + 2, faceTop(first) + 2), kSelectedFace);
    EXPECT_EQ(fixture.at(faceLeft(first) + kPictureShape.x + 1, faceTop(first) + kPictureShape.y + 1),
              faceColour(1));
    EXPECT_EQ(fixture.at(faceLeft(other) + 2, faceTop(other) + 2), kIvory);

    fixture.clickTile(1);
    fixture.game.IsItFree();
    fixture.game.Hint();
    fixture.painter.FullRedraw();
    const Position hinted = fixture.game.board().position(fixture.game.HintTileA());
    EXPECT_EQ(fixture.at(faceLeft(hinted) + 2, faceTop(hinted) + 2), kHighlightFace);
}

TEST(Marking, AnInvertedSelectionIsUndoneByDrawingTheTileAgain) {
    PainterFixture fixture;
    fixture.game.options().invertSelection = true;
    const Position place{3, 3, 1};
    fixture.show({{1, place}, {5, {9, 3, 1}}});
    const platform::Bitmap unselected = fixture.painter.gameImage();
    fixture.clickTile(1);
    fixture.painter.RedrawTile(1);
    const int x = faceLeft(place) + 2;
    const int y = faceTop(place) + 2;
    EXPECT_EQ(fixture.at(x, y), platform::rgb(255 - 250, 255 - 240, 255 - 210));
    fixture.clickTile(1);
    fixture.painter.RedrawTile(1);
    EXPECT_EQ(fixture.painter.gameImage(), unselected);
}

TEST(Redraw, APausedOrStoppedGameShowsOnlyItsBackground) {
    PainterFixture fixture;
    const Position place{3, 3, 1};
    fixture.show({{1, place}, {5, {9, 3, 1}}});
    EXPECT_EQ(fixture.at(faceLeft(place) + 2, faceTop(place) + 2), kIvory);
    fixture.game.PauseClick();
    fixture.painter.FullRedraw();
    EXPECT_EQ(fixture.at(faceLeft(place) + 2, faceTop(place) + 2), kNoBackgroundTeal);
}

TEST(Redraw, APartialRedrawChangesOnlyItsFrameAndReportsIt) {
    PainterFixture fixture;
    std::vector<platform::Rect> changed;
    fixture.painter.setChangeListeners([&](platform::Rect rect) { changed.push_back(rect); }, {});
    const Position place{3, 3, 1};
    fixture.show({{1, place}, {5, {9, 3, 1}}});
    ASSERT_EQ(changed.back(), (platform::Rect{0, 0, kBoardImageWidth, kBoardImageHeight}));
    const platform::Bitmap before = fixture.painter.gameImage();
    fixture.game.board().remove(1);
    fixture.painter.redrawPlace(place);
    EXPECT_EQ(changed.back(), (platform::Rect{faceLeft(place) - 6, faceTop(place), 46, 56}));
    for (int y = 0; y < kBoardImageHeight; ++y) {
        for (int x = 0; x < kBoardImageWidth; ++x) {
            const bool inside = x >= faceLeft(place) - 6 && x < faceLeft(place) + 40 && y >= faceTop(place) &&
                                y < faceTop(place) + 56;
            if (!inside) {
                ASSERT_EQ(fixture.at(x, y), before.pixel(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(fixture.at(faceLeft(place) + 2, faceTop(place) + 2), kNoBackgroundTeal);
}

// Tiles taken off one by one from a crowded corner of overlapping, stacked and staggered tiles,
// each redrawn in its frame only: the board looks as if drawn whole each time.
TEST(Redraw, PartialRedrawsAddUpToAFullOne) {
    PainterFixture fixture;
    const std::vector<PlacedTile> crowded = {
        {1, {3, 3, 1}}, {2, {5, 3, 1}}, {3, {4, 4, 1}}, {4, {3, 5, 1}}, {5, {5, 5, 1}},
        {6, {4, 3, 2}}, {7, {4, 5, 2}}, {8, {4, 4, 3}}, {9, {7, 4, 1}}, {10, {6, 6, 1}},
    };
    fixture.show(crowded);
    for (const int tile : {8, 3, 6, 1, 10, 5}) {
        const Position place = fixture.game.board().position(tile);
        fixture.game.board().remove(tile);
        fixture.painter.redrawPlace(place);
        const platform::Bitmap partial = fixture.painter.gameImage();
        fixture.painter.FullRedraw();
        ASSERT_EQ(partial, fixture.painter.gameImage()) << "after tile " << tile;
        fixture.painter.redrawPlace(fixture.game.board().position(2));
        ASSERT_EQ(partial, fixture.painter.gameImage()) << "redrawn again after tile " << tile;
    }
}

}  // namespace
}  // namespace orbeni::test
