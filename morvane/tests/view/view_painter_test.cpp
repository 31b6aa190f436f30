#include "morvane/view/view_painter.h"

#include <gtest/gtest.h>

#include "morvane/game/game.h"
#include "morvane/gamefile/game_file.h"
#include "morvane/tests/recording_host.h"

namespace morvane {
namespace {

using platform::Pixel;
using platform::rgb;

constexpr TileImageSize kTile{10, 14, 2};
constexpr Pixel kTable = rgb(0, 80, 40);
constexpr Pixel kSide = rgb(200, 200, 160);
constexpr Pixel kFace = rgb(250, 240, 220);
constexpr Pixel kEdgeLeft = rgb(120, 60, 20);
constexpr Pixel kEdgeRight = rgb(90, 40, 10);
constexpr Pixel kMarker = rgb(40, 200, 90);

// A tile picture of three groups of two: each image a side edge, a face and a bottom edge whose
// halves differ, on the table colour at pixel (0, 0).
platform::Bitmap tilePicture() {
    platform::Bitmap tiles(2 * kTile.width, 3 * kTile.height, kTable);
    for (int y = 0; y < tiles.height(); ++y) {
        for (int x = 0; x < tiles.width(); ++x) {
            const int ix = x % kTile.width;
            const int iy = y % kTile.height;
            Pixel colour = ix < kTile.depth ? kSide : kFace;
            if (iy >= kTile.height - kTile.depth) {
                colour = ix < kTile.width / 2 ? kEdgeLeft : kEdgeRight;
            }
            tiles.setPixel(x, y, colour);
        }
    }
    tiles.setPixel(0, 0, kTable);
    return tiles;
}

class ViewPainterTest : public ::testing::Test {
protected:
    TemporaryHome home;
    RecordingHost host;
    Game game{host, home.folder()};
    ViewPainter painter;

    // Deals six tiles in three matching pairs on the given spaces of the table.
    void deal(std::initializer_list<Position> spaces) {
        GameSettings settings;
        for (const Position& p : spaces) {
            settings.layout.set(p, 1);
        }
        settings.hlimit = 12;
        settings.vlimit = 2;
        settings.bitmapPath = "tiles.bmp";
        settings.width = kTile.width;
        settings.height = kTile.height;
        settings.depth = kTile.depth;
        settings.tileSet.indis = 3;
        settings.tileSet.sizes = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 2};
        settings.rules.lift = true;
        ASSERT_TRUE(writeGameFile(home.folder() / "six.rvq", settings));
        game.seedRandom(1);
        game.loadGame(home.folder() / "six.rvq");
        painter.setTiles(tilePicture(), kTile);
        painter.setMarker(platform::Bitmap(15, 15, kMarker));
    }
};

// 140 x 80 scales the 13 x 3 half-tile board by exactly 2: tiles 20 x 28 with an edge of 4,
// columns 8 and rows 12 apart, from (5, 10).
TEST_F(ViewPainterTest, BottomEdgesShowOnlyWhereNoTileOfTheLayerLiesBelow) {
    deal({{4, 0, 0}, {5, 2, 0}, {10, 0, 0}, {0, 0, 0}, {0, 2, 0}, {12, 2, 0}});
    const platform::Bitmap& picture = painter.paint(game, 140, 80);
    ASSERT_EQ(painter.playGeometry(game, 140, 80).tileWidth(), 20);
    EXPECT_EQ(picture.pixel(139, 79), kTable) << "the table is the tile picture's first pixel";
    EXPECT_EQ(picture.pixel(8 * 10 + 5 + 12, 12 * 0 + 10 + 8), kFace) << "a face";
    EXPECT_EQ(picture.pixel(85 + 2, 35), kEdgeLeft) << "a lone tile's left edge half";
    EXPECT_EQ(picture.pixel(85 + 15, 35), kEdgeRight) << "a lone tile's right edge half";
    EXPECT_EQ(picture.pixel(37 + 3, 35), kEdgeLeft) << "nothing below on the left";
    EXPECT_EQ(picture.pixel(37 + 15, 35), kFace)
        << "a tile half a column right, two rows down, keeps its face where the right edge half would go";
}

TEST_F(ViewPainterTest, TheSelectedTilesFaceIsInverted) {
    deal({{4, 0, 0}, {5, 2, 0}, {10, 0, 0}, {0, 0, 0}, {0, 2, 0}, {12, 2, 0}});
    game.playClick({10, 0, 0});
    ASSERT_EQ(game.firstSelection(), (Position{10, 0, 0}));
    const platform::Bitmap& picture = painter.paint(game, 140, 80);
    EXPECT_EQ(picture.pixel(85 + 10, 20), rgb(5, 15, 35)) << "the face's colour inverted";
    EXPECT_EQ(picture.pixel(37 + 10, 20), kFace) << "an unselected face";
}

TEST_F(ViewPainterTest, APartialPaintAfterAPairLeftEqualsAWholeOneThereAndKeepsTheRest) {
    deal({{4, 0, 0}, {5, 2, 0}, {10, 0, 0}, {0, 0, 0}, {0, 2, 0}, {12, 2, 0}});
    const platform::Bitmap before = painter.paint(game, 140, 80);
    const PlayGeometry geometry = painter.playGeometry(game, 140, 80);
    game.showMoves();
    const Position first = game.moves().pair(0).first;
    game.doIt();
    const platform::Rect area = geometry.repaintRect(first, TileRepaint::Removed);
    const platform::Bitmap partial = painter.paint(game, 140, 80, std::nullopt, area);
    ViewPainter fresh;
    fresh.setTiles(tilePicture(), kTile);
    const platform::Bitmap& whole = fresh.paint(game, 140, 80);
    for (int y = 0; y < 80; ++y) {
        for (int x = 0; x < 140; ++x) {
            const bool inside = platform::intersected(area, {x, y, 1, 1}).width > 0;
            ASSERT_EQ(partial.pixel(x, y), inside ? whole.pixel(x, y) : before.pixel(x, y)) << x << "," << y;
        }
    }
    EXPECT_NE(partial, before);
}

TEST_F(ViewPainterTest, DesignModeShowsMarkersLiftedPerLayerUnderAWhiteGridAndTheCursor) {
    deal({{4, 0, 0}, {5, 2, 0}, {10, 0, 0}, {0, 0, 0}, {0, 2, 0}, {12, 2, 0}});
    game.enterDesignMode();
    for (int layer = 0; layer < 4; ++layer) {
        game.design().click(20, 20, MouseButton::Left);
    }
    const platform::Bitmap& picture = painter.paint(game, 400, 400, Position{30, 30, 0});
    EXPECT_EQ(picture.pixel(45, 5), kMarker) << "the space at (4, 0) on layer 0";
    EXPECT_EQ(picture.pixel(224, 189), kMarker) << "layer 3: 12 pixels right and up";
    EXPECT_EQ(picture.pixel(224, 187), platform::kBlack);
    EXPECT_EQ(picture.pixel(0, 10), platform::kWhite) << "a grid line";
    EXPECT_EQ(picture.pixel(110, 0), platform::kWhite) << "a grid line";
    EXPECT_EQ(picture.pixel(305, 305), platform::kWhite) << "the cursor's outline inverts the black";
    EXPECT_EQ(picture.pixel(355, 355), platform::kBlack);
}

}  // namespace
}  // namespace morvane
