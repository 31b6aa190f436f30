#include "morvane/view/view_geometry.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

using platform::Rect;

constexpr TileImageSize kBuiltIn{44, 59, 6};

TEST(PlayGeometryTest, TheBoardFillsTheWindowWithThreeHalfTilesToSpareAndIsCentredTheOtherWay) {
    const struct Case {
        const char* what;
        int clientWidth, clientHeight, hlimit, vlimit;
        TileImageSize tile;
        bool byHeight;
        int tileWidth, tileHeight, depth, originX, originY, columnStep, rowStep;
    } cases[] = {
        {"built-in game, window twice as wide as high", 800, 400, 28, 14, kBuiltIn, true, 37, 50, 5, 139, 10,
         16, 23},
        {"built-in game, tall window", 400, 800, 28, 14, kBuiltIn, false, 28, 38, 3, 10, 257, 13, 18},
        {"wide board", 1024, 300, 38, 2, kBuiltIn, false, 56, 76, 7, 10, 93, 25, 35},
        {"tall board, big tiles", 300, 1024, 2, 38, {56, 72, 8}, true, 42, 55, 6, 118, 10, 18, 24},
        {"full HD", 1920, 1080, 28, 14, kBuiltIn, true, 105, 141, 14, 206, 10, 45, 63},
    };
    for (const Case& c : cases) {
        const PlayGeometry g(c.clientWidth, c.clientHeight, c.hlimit, c.vlimit, c.tile);
        EXPECT_EQ(g.scaledByHeight(), c.byHeight) << c.what;
        EXPECT_EQ(g.tileWidth(), c.tileWidth) << c.what;
        EXPECT_EQ(g.tileHeight(), c.tileHeight) << c.what;
        EXPECT_EQ(g.depth(), c.depth) << c.what;
        EXPECT_EQ(g.originX(), c.originX) << c.what;
        EXPECT_EQ(g.originY(), c.originY) << c.what;
        EXPECT_EQ(g.columnStep(), c.columnStep) << c.what;
        EXPECT_EQ(g.rowStep(), c.rowStep) << c.what;
    }
}

TEST(PlayGeometryTest, TheScaleIsSinglePrecision) {
    // 380 / 17 / 26 in float is 0.85972852; in double it would print 0.859728506787...
    const PlayGeometry g(800, 400, 28, 14, kBuiltIn);
    EXPECT_EQ(g.scale(), 380.0f / 17.0f / 26.0f);
}

TEST(PlayGeometryTest, FacesAndRepaintAreasFollowTheLayerShift) {
    const PlayGeometry wide(800, 400, 28, 14, kBuiltIn);
    EXPECT_EQ(wide.faceRect({13, 7, 4}), (Rect{372, 151, 32, 45}));
    EXPECT_EQ(wide.faceRect({0, 0, 0}), (Rect{144, 10, 32, 45}));
    EXPECT_EQ(wide.imageRect({0, 0, 0}), (Rect{139, 10, 37, 50}));
    EXPECT_EQ(wide.imageRect({1, 2, 3}), (Rect{15 + 16 + 139, 46 + 10 - 15, 37, 50}));
    EXPECT_EQ(wide.repaintRect({2, 4, 1}, TileRepaint::Removed), (Rect{171, 88, 72, 85}));
    EXPECT_EQ(wide.repaintRect({2, 4, 1}, TileRepaint::Restored), (Rect{171, 88, 52, 65}));

    const PlayGeometry tall(400, 800, 28, 14, kBuiltIn);
    EXPECT_EQ(tall.faceRect({13, 7, 4}), (Rect{194, 371, 25, 35}));
    EXPECT_EQ(tall.repaintRect({2, 4, 1}, TileRepaint::Removed), (Rect{34, 319, 49, 59}));
    EXPECT_EQ(tall.repaintRect({2, 4, 1}, TileRepaint::Restored), (Rect{34, 319, 37, 47}));
}

TEST(PlayGeometryTest, ATileImageWithoutAFaceOrAWindowSmallerThanTheMarginsDrawsNothing) {
    const struct {
        const char* what;
        int clientWidth, clientHeight;
        TileImageSize tile;
    } cases[] = {
        {"a game file without sizes", 800, 600, {0, 0, 0}},
        {"an edge as wide as the tile", 800, 600, {6, 59, 6}},
        {"a window smaller than its margins", 15, 15, kBuiltIn},
    };
    for (const auto& c : cases) {
        const PlayGeometry g(c.clientWidth, c.clientHeight, 28, 14, c.tile);
        EXPECT_EQ(g.tileWidth(), 0) << c.what;
        EXPECT_EQ(g.tileHeight(), 0) << c.what;
    }
}

TEST(HitTestTest, TheHighestFaceStrictlyUnderThePointWins) {
    Board play;
    play.set(4, 4, 0, 0x11);
    play.set(6, 4, 0, 0x12);  // right neighbour on the table
    play.set(5, 5, 1, 0x13);  // half a tile right and down, one layer up
    const PlayGeometry g(800, 400, 28, 14, kBuiltIn);
    const Rect lower = g.faceRect({4, 4, 0});
    const Rect upper = g.faceRect({5, 5, 1});
    const struct {
        const char* what;
        int px, py;
        std::optional<Position> tile;
    } cases[] = {
        {"inside the lower face, clear of the upper", lower.x + 2, lower.y + 2, Position{4, 4, 0}},
        {"where the upper face covers the lower", upper.x + 2, upper.y + 2, Position{5, 5, 1}},
        {"the left border line of a face", lower.x, lower.y + 5, std::nullopt},
        {"the top border line of a face", lower.x + 5, lower.y, std::nullopt},
        {"just inside the left border", lower.x + 1, lower.y + 5, Position{4, 4, 0}},
        {"the right border line", lower.x + lower.width, lower.y + 1, std::nullopt},
        {"the left margin", 2, 200, std::nullopt},
        {"the top margin", 300, 5, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hitTest(play, 28, 14, g, c.px, c.py), c.tile) << c.what;
    }
}

TEST(DesignGeometryTest, MarkersLiftFourPixelsPerLayerAndClicksRepaintAroundTheirCell) {
    const DesignGeometry grid(800, 600);
    EXPECT_EQ(grid.cellWidth(), 20);
    EXPECT_EQ(grid.cellHeight(), 15);
    EXPECT_EQ(grid.markerRect(5, 6, 0), (Rect{100, 90, 34, 24}));
    EXPECT_EQ(grid.markerRect(5, 6, 3), (Rect{112, 78, 34, 24}));
    EXPECT_EQ(grid.clickRepaintRect(5, 6), (Rect{100, 60, 60, 75}));
    EXPECT_EQ(grid.columnAt(799), 39);
    EXPECT_EQ(grid.rowAt(14), 0);
    EXPECT_EQ(grid.rowAt(15), 1);
    // A window narrower than the grid has no cells to click.
    EXPECT_EQ(DesignGeometry(30, 30).columnAt(10), kColumns);
}

}  // namespace
}  // namespace morvane
