#include <gtest/gtest.h>

#include "orbeni/view/picture_scale.h"
#include "painter_fixture.h"

namespace orbeni::test {
namespace {

// Each pixel of a picture made a square of factor x factor pixels.
platform::Bitmap doubled(const platform::Bitmap& picture) {
    platform::Bitmap twice(2 * picture.width(), 2 * picture.height());
    platform::stretchBlit(twice, twice.rect(), picture, picture.rect());
    return twice;
}

// A painter of its own game that loads the synthetic tileset, and its twice-size version beside it
// when asked to draw at twice the size.
struct ScaledFixture : PainterFixture {
    explicit ScaledFixture(int wantedScale) {
        platform::saveBmp(doubled(syntheticTileset()), folder.file("tileset@2x.bmp"));
        platform::saveBmp(platform::Bitmap(100, 468, platform::rgb(30, 30, 30)), folder.file("hof.bmp"));
        painter.setWantedPixelScale(wantedScale);
        EXPECT_EQ(painter.LoadTileset(folder.file("tileset.bmp")), std::nullopt);
        EXPECT_EQ(painter.loadHallPicture(folder.file("hof.bmp")), std::nullopt);
        game.options().showCurrentTile = true;
    }
};

TEST(PictureScale, TheTwiceSizeTilesetLiesBesideTheOneUnderTheSameNameWithAt2x) {
    EXPECT_EQ(twiceSizeFile("Tilesets/pai.bmp"), std::filesystem::path("Tilesets/pai@2x.bmp"));
    EXPECT_EQ(twiceSizeFile("/a.b/darkpai.BMP"), std::filesystem::path("/a.b/darkpai@2x.BMP"));
    EXPECT_EQ(twiceSizeFile("mine"), std::filesystem::path("mine@2x"));
}

TEST(PictureScale, EnlargingBlendsNeighboursAndKeepsFlatColoursFlat) {
    platform::Bitmap edge(2, 1);
    edge.setPixel(1, 0, platform::kWhite);
    const platform::Bitmap enlarged = smoothlyEnlarged(edge, 2);
    ASSERT_EQ(enlarged.width(), 4);
    ASSERT_EQ(enlarged.height(), 2);
    const int expected[] = {0, 64, 191, 255};  // a quarter and three quarters of the way across
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(platform::redOf(enlarged.pixel(x, 1)), expected[x]) << x;
    }
    const platform::Bitmap flat(5, 3, platform::rgb(10, 200, 90));
    EXPECT_EQ(smoothlyEnlarged(flat, 2), platform::Bitmap(10, 6, platform::rgb(10, 200, 90)));
    EXPECT_EQ(smoothlyEnlarged(flat, 1), flat);
}

// Drawn from a tileset made at twice the size, the board, its partial redraws, its marks, the hover
// rectangle and the side panel's current tile are the ones of the board's own size, each pixel a
// square of four: the tiles go where they go at any scale.
TEST(PictureScale, AtTwiceTheSizeEveryPictureIsTheBoardsOwnDoubled) {
    ScaledFixture once(1);
    ScaledFixture twice(2);
    ASSERT_EQ(once.painter.pixelScale(), 1);
    ASSERT_EQ(twice.painter.pixelScale(), 2);
    const std::vector<PlacedTile> tiles{{1, {3, 3, 1}}, {5, {5, 3, 1}},   {9, {4, 3, 2}},
                                        {2, {6, 5, 1}}, {6, {21, 15, 1}}, {10, {12, 9, 1}}};
    const auto sameDoubled = [&](const char* step) {
        SCOPED_TRACE(step);
        EXPECT_EQ(twice.painter.gameImage(), doubled(once.painter.gameImage()));
        EXPECT_EQ(twice.painter.hallPanel(), doubled(once.painter.hallPanel()));
    };
    for (ScaledFixture* fixture : {&once, &twice}) {
        fixture->show(tiles);
    }
    sameDoubled("whole board");
    for (ScaledFixture* fixture : {&once, &twice}) {
        fixture->clickTile(6);
        fixture->painter.RedrawTile(6);
    }
    ASSERT_EQ(twice.game.FirstTile(), 6);
    sameDoubled("a selected tile");
    for (ScaledFixture* fixture : {&once, &twice}) {
        fixture->pointAt({21, 15, 1});
    }
    ASSERT_TRUE(twice.painter.cursorShown());
    sameDoubled("the hover rectangle and the current tile");
    for (ScaledFixture* fixture : {&once, &twice}) {
        fixture->pointAt({30, 19, 1});
    }
    sameDoubled("the pointer off the tiles");
}

TEST(PictureScale, WithoutAUsableTwiceSizeTilesetTheBoardStaysAtItsOwnSize) {
    PainterFixture fixture;
    fixture.painter.setWantedPixelScale(2);
    platform::saveBmp(syntheticTileset(), fixture.folder.file("mine.bmp"));
    platform::saveBmp(syntheticTileset(), fixture.folder.file("small.bmp"));
    platform::saveBmp(platform::Bitmap(700, 1100), fixture.folder.file("small@2x.bmp"));
    for (const char* name : {"mine.bmp", "small.bmp"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(fixture.painter.LoadTileset(fixture.folder.file(name)), std::nullopt);
        EXPECT_EQ(fixture.painter.pixelScale(), 1);
        EXPECT_EQ(fixture.painter.gameImage().width(), kBoardImageWidth);
        EXPECT_EQ(fixture.painter.tileImages().height(), kTileImagesHeight);
    }
}

}  // namespace
}  // namespace orbeni::test
