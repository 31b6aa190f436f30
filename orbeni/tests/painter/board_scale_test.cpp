#include "orbeni/view/board_scale.h"

#include <gtest/gtest.h>

#include "orbeni/view/board_painter.h"

namespace orbeni {
namespace {

constexpr int kW = kBoardImageWidth;
constexpr int kH = kBoardImageHeight;

TEST(BoardScaleTest, FittedBoardKeepsItsProportionsInTheMiddleOfTheView) {
    const struct {
        int viewWidth;
        int viewHeight;
        platform::Rect shown;
    } cases[] = {
        {kW, kH, {0, 0, kW, kH}},                              // exactly the board
        {2 * kW, 2 * kH, {0, 0, 2 * kW, 2 * kH}},              // twice the board
        {2 * kW + 100, 2 * kH, {50, 0, 2 * kW, 2 * kH}},       // bars left and right
        {2 * kW, 2 * kH + 41, {0, 20, 2 * kW, 2 * kH}},        // bars above and below, odd pixel below
        {kW / 2, kH, {0, (kH - kH / 2) / 2, kW / 2, kH / 2}},  // half the board
        {1000, 1000, {0, 167, 1000, 665}},                     // 468 * 1000 / 704 = 664.8
    };
    for (const auto& c : cases) {
        const BoardScale scale = BoardScale::fitted(c.viewWidth, c.viewHeight, kW, kH);
        EXPECT_EQ(scale.shown(), c.shown) << c.viewWidth << " x " << c.viewHeight;
        const double proportions = double(scale.shown().width) / scale.shown().height;
        EXPECT_NEAR(proportions, double(kW) / kH, 0.5 * proportions / scale.shown().height);
    }
}

TEST(BoardScaleTest, CentredBoardKeepsItsSizeAndStandsAtTheCornerOfASmallerView) {
    EXPECT_EQ(BoardScale::centred(kW + 100, kH + 51, kW, kH).shown(), (platform::Rect{50, 25, kW, kH}));
    EXPECT_EQ(BoardScale::centred(300, 200, kW, kH).shown(), (platform::Rect{0, 0, kW, kH}));
    EXPECT_TRUE(BoardScale::centred(300, 200, kW, kH).isUnscaled());
    EXPECT_FALSE(BoardScale::fitted(300, 200, kW, kH).isUnscaled());
}

// The hit test at the board's own size and at twice it, with letterbox bars on the left and the
// right: the first and last pixels of the board and the bar pixels just beside them.
TEST(BoardScaleTest, HitTestFollowsTheScaleUpToTheEdgesOfTheLetterbox) {
    const BoardScale unscaled = BoardScale::centred(kW + 100, kH, kW, kH);
    const BoardScale twice = BoardScale::fitted(2 * kW + 100, 2 * kH, kW, kH);
    const struct {
        const BoardScale& scale;
        int viewX;
        int viewY;
        BoardPoint board;
    } cases[] = {
        {unscaled, 50, 0, {0, 0}},
        {unscaled, 49, 0, {-1, 0}},  // the bar left of the board
        {unscaled, 50 + kW - 1, kH - 1, {kW - 1, kH - 1}},
        {unscaled, 50 + kW, kH - 1, {kW, kH - 1}},  // the bar right of the board
        {unscaled, 50 + 300, 200, {300, 200}},
        {twice, 50, 0, {0, 0}},
        {twice, 51, 1, {0, 0}},  // one board pixel covers two view pixels each way
        {twice, 52, 2, {1, 1}},
        {twice, 49, 0, {-1, 0}},
        {twice, 48, 0, {-1, 0}},
        {twice, 47, 0, {-2, 0}},
        {twice, 50 + 2 * kW - 1, 2 * kH - 1, {kW - 1, kH - 1}},
        {twice, 50 + 2 * kW, 2 * kH - 1, {kW, kH - 1}},
        {twice, 50 + 2 * 300 + 1, 2 * 200 + 1, {300, 200}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.scale.toBoard(c.viewX, c.viewY), c.board) << c.viewX << ", " << c.viewY;
    }
}

// A changed rectangle of the board repaints every view pixel that shows it, and the board pixels
// under a repainted area are all those it shows: no pixel is left stale at either scale.
TEST(BoardScaleTest, RepaintedAreasCoverEveryPixelTheyShow) {
    const platform::Rect tile{100, 57, 46, 56};
    const BoardScale scales[] = {
        BoardScale::centred(kW + 100, kH, kW, kH), BoardScale::fitted(2 * kW + 100, 2 * kH, kW, kH),
        BoardScale::fitted(1000, 1000, kW, kH), BoardScale::fitted(300, 300, kW, kH)};
    for (const BoardScale& scale : scales) {
        const platform::Rect view = scale.toView(tile);
        for (int y = view.y - 2; y < view.y + view.height + 2; ++y) {
            for (int x = view.x - 2; x < view.x + view.width + 2; ++x) {
                const BoardPoint under = scale.toBoard(x, y);
                const bool showsTile = under.x >= tile.x && under.x < tile.x + tile.width &&
                                       under.y >= tile.y && under.y < tile.y + tile.height;
                const bool repainted =
                    x >= view.x && x < view.x + view.width && y >= view.y && y < view.y + view.height;
                EXPECT_TRUE(!showsTile || repainted) << x << ", " << y;
            }
        }
        const platform::Rect back = scale.toBoard(view);
        EXPECT_LE(back.x, tile.x);
        EXPECT_LE(back.y, tile.y);
        EXPECT_GE(back.x + back.width, tile.x + tile.width);
        EXPECT_GE(back.y + back.height, tile.y + tile.height);
    }
    // Unscaled, the repaint is exactly the tile's rectangle, moved to where the board stands.
    EXPECT_EQ(scales[0].toView(tile), (platform::Rect{150, 57, 46, 56}));
    EXPECT_EQ(scales[0].toBoard(platform::Rect{150, 57, 46, 56}), tile);
}

}  // namespace
}  // namespace orbeni
