#include "pocketquillet/view/window_geometry.h"

#include <gtest/gtest.h>

#include <vector>

#include "pocketquillet/tests/test_support.h"

namespace pocketquillet {
namespace {

GeometryInput input(int width, int height, int bar, bool showScore, BoardExtent extent = {}) {
    return {width, height, bar, StatusMetrics{8, 14}, showScore, extent};
}

TEST(WindowGeometryTest, CellSizeFollowsClientSizeShowScoreAndExtent) {
    struct Case {
        GeometryInput input;
        int cellWidth;
        int cellHeight;
    };
    const std::vector<Case> cases = {
        {input(640, 400, 0, true), 35, 44},   // (636 / 18, (400 - 42 - 2 - 4) / 8)
        {input(640, 400, 0, false), 35, 49},  // (400 - 2 - 4) / 8 = 49.25
        {input(240, 320, 26, true), 13, 30},  // (320 - 42 - 28 - 4) / 8 = 30.75
        {input(240, 320, 26, false), 13, 36},
        {input(1280, 1000, 0, true), 70, 119},
        {input(640, 400, 0, true, BoardExtent{9, 18, 0, 8}), 70, 44},
        {input(640, 400, 0, true, BoardExtent{0, 18, 2, 6}), 35, 88},
        {input(30, 40, 0, true), 1, 0},
    };
    for (const Case& c : cases) {
        const BoardGeometry geometry(c.input);
        EXPECT_EQ(geometry.cellWidth(), c.cellWidth) << c.input.clientWidth << "x" << c.input.clientHeight;
        EXPECT_EQ(geometry.cellHeight(), c.cellHeight) << c.input.clientWidth << "x" << c.input.clientHeight;
    }
}

TEST(WindowGeometryTest, CellsStartAtTheMarginsFromTheFirstColumnAndRowOfTheExtent) {
    const BoardGeometry full(input(640, 400, 26, true));
    EXPECT_EQ(full.topMargin(), 28);
    EXPECT_EQ(full.cellRect({0, 0}), (platform::Rect{2, 28, 35, 40}));
    EXPECT_EQ(full.cellRect({17, 7}), (platform::Rect{2 + 17 * 35, 28 + 7 * 40, 35, 40}));
    EXPECT_EQ(full.cellCentre({1, 1}), (Point{2 + 35 + 17, 28 + 40 + 20}));

    const BoardGeometry right(input(640, 400, 0, true, BoardExtent{9, 18, 3, 8}));
    EXPECT_EQ(right.cellRect({9, 3}), (platform::Rect{2, 2, 70, 70}));
    EXPECT_EQ(right.cellRect({10, 4}), (platform::Rect{72, 72, 70, 70}));
}

TEST(WindowGeometryTest, ClicksInTheMarginsAndBesideTheCellsFindNoCell) {
    // Cells of 35 x 44 from (2, 2); the status lines start below 2 + 8 * 44 = 354.
    const BoardGeometry full(input(640, 400, 0, true));
    // Columns 9..17 of rows 3..7 only: cells of 70 x 70.
    const BoardGeometry part(input(640, 400, 0, true, BoardExtent{9, 18, 3, 8}));
    struct Case {
        const BoardGeometry& geometry;
        Point click;
        std::optional<Cell> cell;
    };
    const std::vector<Case> cases = {
        {full, {0, 10}, std::nullopt},  // left margin
        {full, {1, 10}, std::nullopt},    {full, {2, 10}, Cell{0, 0}},
        {full, {36, 10}, Cell{0, 0}},                                     // last pixel of column 0
        {full, {37, 10}, Cell{1, 0}},     {full, {10, 0}, std::nullopt},  // top margin
        {full, {10, 1}, std::nullopt},    {full, {10, 2}, Cell{0, 0}},
        {full, {10, 45}, Cell{0, 0}},     {full, {10, 46}, Cell{0, 1}},
        {full, {631, 353}, Cell{17, 7}},   // last pixel of the last cell
        {full, {632, 100}, std::nullopt},  // beside the last column
        {full, {639, 100}, std::nullopt},  // right margin
        {full, {10, 354}, std::nullopt},   // below the last row
        {full, {10, 399}, std::nullopt},   // in the status box
        {part, {2, 2}, Cell{9, 3}},       {part, {71, 71}, Cell{9, 3}},
        {part, {72, 72}, Cell{10, 4}},    {part, {631, 351}, Cell{17, 7}},
        {part, {632, 10}, std::nullopt},  {part, {10, 352}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.geometry.cellAt(c.click), c.cell) << c.click.x << "," << c.click.y;
    }
    EXPECT_EQ(BoardGeometry(input(3, 3, 0, true)).cellAt({2, 2}), std::nullopt);
}

TEST(WindowGeometryTest, StatusBoxAndLinesSitAtTheBottom) {
    const BoardGeometry geometry(input(640, 400, 0, true));
    EXPECT_EQ(geometry.statusBox(), (platform::Rect{8, 400 - 48, 54 * 8 + 16 - 8, 48}));
    EXPECT_EQ(geometry.statusLineTop(0), 400 - 5 - 42);
    EXPECT_EQ(geometry.statusLineTop(1), 400 - 5 - 28);
    EXPECT_EQ(geometry.statusLineTop(2), 400 - 5 - 14);
    EXPECT_EQ(geometry.statusColumnLeft(0), 15);
    EXPECT_EQ(geometry.statusColumnLeft(28), 28 * 8 + 15);
    EXPECT_EQ(geometry.bottomEdge(), 400 - 42 - 5);
    EXPECT_EQ(BoardGeometry(input(640, 400, 0, false)).bottomEdge(), 395);
}

TEST(WindowGeometryTest, StartPictureIsCentredButNeverNearerTheTopThan30) {
    EXPECT_EQ(startPictureOrigin(640, 480, 481, 221), (Point{79, 129}));
    EXPECT_EQ(startPictureOrigin(640, 240, 481, 221), (Point{79, 30}));
    EXPECT_EQ(startPictureOrigin(240, 320, 481, 221), (Point{-120, 49}));
}

// Counts how often each pixel of a client area is covered by a path's bands.
std::vector<int> coverage(const PathBands& bands, int width, int height) {
    std::vector<int> counts(static_cast<std::size_t>(width * height));
    for (int i = 0; i < bands.count; ++i) {
        const platform::Rect& band = bands.bands[static_cast<std::size_t>(i)];
        for (int y = band.y; y < band.y + band.height; ++y) {
            for (int x = band.x; x < band.x + band.width; ++x) {
                ++counts[static_cast<std::size_t>(y * width + x)];
            }
        }
    }
    return counts;
}

TEST(WindowGeometryTest, PathBandsRunFromTheStonesToTheirEdgeOrFromCentreToCentre) {
    // Cells of 35 x 44; the bottom edge ends at 400 - 42 - 5 = 353.
    const BoardGeometry geometry(input(640, 400, 0, true));
    struct Case {
        std::array<std::string_view, kRows> rows;
        Cell chosen;
        Cell before;
        PathKind kind;
        std::vector<Point> covered;  // pixels every band set must reach
    };
    const std::vector<Case> cases = {
        {{"a.b", "..", "a"}, {0, 2}, {0, 0}, PathKind::LeftEdge, {{2, 24}, {19, 24}, {2, 112}, {20, 112}}},
        {{"..a..a"}, {2, 0}, {5, 0}, PathKind::RightEdge, {{89, 24}, {637, 24}}},
        {{"b.a", "b.c", "..a"},
         {2, 2},
         {2, 0},
         PathKind::RightEdge,
         {{89, 24}, {637, 24}, {89, 112}, {637, 112}}},
        {{"bab", "bcb", "ccc", "b.b"}, {1, 1}, {1, 0}, PathKind::TopEdge, {{54, 2}, {54, 68}}},
        {{"bbb", "bab", "b.b", "b.b", "b.b", "b.b", "bab", "bbb"},
         {1, 1},
         {1, 6},
         PathKind::Inner,
         {{54, 68}, {54, 200}, {54, 244}}},
        {{"bbbb", "ba.b", "bb.a", "bbbb"},
         {1, 1},
         {3, 2},
         PathKind::Inner,
         {{54, 68}, {89, 68}, {89, 112}, {124, 112}}},
    };
    for (const Case& c : cases) {
        const BoardGrid grid = test::gridFrom(c.rows);
        const std::optional<ConnectionPath> path = findConnection(grid, c.chosen, c.before);
        ASSERT_TRUE(path.has_value());
        ASSERT_EQ(path->kind, c.kind);
        const std::vector<int> counts = coverage(pathBands(*path, geometry), 640, 400);
        EXPECT_LE(*std::max_element(counts.begin(), counts.end()), 1) << "bands overlap";
        for (const Point p : c.covered) {
            EXPECT_EQ(counts[static_cast<std::size_t>(p.y * 640 + p.x)], 1) << p.x << "," << p.y;
        }
    }
}

TEST(WindowGeometryTest, BandsAreFourPixelsWideAndEndAtTheBoardsEdges) {
    const BoardGeometry geometry(input(640, 400, 0, true));
    ConnectionPath path;
    path.chosen = {3, 2};
    path.before = {5, 4};
    const Point a = geometry.cellCentre(path.chosen);
    const Point b = geometry.cellCentre(path.before);
    path.kind = PathKind::LeftEdge;
    PathBands bands = pathBands(path, geometry);
    ASSERT_EQ(bands.count, 2);
    EXPECT_EQ(bands.bands[0], (platform::Rect{2, a.y - 2, a.x + 2 - 2, 4}));
    path.kind = PathKind::RightEdge;
    EXPECT_EQ(pathBands(path, geometry).bands[1], (platform::Rect{b.x - 2, b.y - 2, 638 - (b.x - 2), 4}));
    path.kind = PathKind::TopEdge;
    EXPECT_EQ(pathBands(path, geometry).bands[0], (platform::Rect{a.x - 2, 2, 4, a.y + 2 - 2}));
    path.kind = PathKind::BottomEdge;
    EXPECT_EQ(pathBands(path, geometry).bands[1], (platform::Rect{b.x - 2, b.y - 2, 4, 353 - (b.y - 2)}));
    const BoardGeometry noScore(input(640, 400, 0, false));
    const Point c = noScore.cellCentre(path.chosen);
    EXPECT_EQ(pathBands(path, noScore).bands[0], (platform::Rect{c.x - 2, c.y - 2, 4, 395 - (c.y - 2)}));
}

}  // namespace
}  // namespace pocketquillet
