#include "platform/bitmap/raster_ops.h"

#include <climits>

#include <gtest/gtest.h>

namespace platform {
namespace {

// A picture whose every pixel tells where it is: red is x, green is y, blue is the tag.
Bitmap numbered(int width, int height, std::uint8_t tag) {
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.setPixel(x, y, rgb(std::uint8_t(x), std::uint8_t(y), tag));
        }
    }
    return bitmap;
}

bool allOpaque(const Bitmap& bitmap) {
    for (const Pixel p : bitmap.pixels()) {
        if ((p >> 24) != 0xFF) {
            return false;
        }
    }
    return true;
}

TEST(RasterOpsTest, EachOpCombinesPixelsAsWindowsDoesAndStaysOpaque) {
    const Pixel dest = rgb(0x00, 0xFF, 0x0F);
    const Pixel source = rgb(0x0F, 0x0F, 0xF0);
    const struct {
        RasterOp op;
        Pixel expected;
    } cases[] = {
        {RasterOp::SourceCopy, rgb(0x0F, 0x0F, 0xF0)},
        {RasterOp::SourceAnd, rgb(0x00, 0x0F, 0x00)},
        {RasterOp::SourcePaint, rgb(0x0F, 0xFF, 0xFF)},
        {RasterOp::SourceInvert, rgb(0x0F, 0xF0, 0xFF)},
    };
    for (const auto& c : cases) {
        Bitmap target(2, 1, dest);
        blit(target, 0, 0, 1, 1, Bitmap(1, 1, source), 0, 0, c.op);
        EXPECT_EQ(target.pixel(0, 0), c.expected) << int(c.op);
        EXPECT_EQ(target.pixel(1, 0), dest) << int(c.op);

        Bitmap stretched(2, 2, dest);
        stretchBlit(stretched, {0, 0, 2, 2}, Bitmap(1, 1, source), {0, 0, 1, 1}, c.op);
        EXPECT_EQ(stretched, Bitmap(2, 2, c.expected)) << int(c.op);
    }
}

TEST(RasterOpsTest, InvertingTwiceWithXorRestoresThePicture) {
    Bitmap picture = numbered(5, 4, 7);
    const Bitmap original = picture;
    const Bitmap mask(5, 4, rgb(0x55, 0xAA, 0xFF));
    blit(picture, 0, 0, 5, 4, mask, 0, 0, RasterOp::SourceInvert);
    EXPECT_NE(picture, original);
    EXPECT_TRUE(allOpaque(picture));
    blit(picture, 0, 0, 5, 4, mask, 0, 0, RasterOp::SourceInvert);
    EXPECT_EQ(picture, original);
}

// What a blit must leave at dest pixel (x, y), pixel by pixel: the source pixel under it when
// both lie inside the block and inside their bitmaps, else the pixel that was there.
Pixel expectedAfterBlit(const Bitmap& before, const Bitmap& source, int x, int y, int destX, int destY,
                        int width, int height, int sourceX, int sourceY) {
    const long long bx = (long long)x - destX, by = (long long)y - destY;
    const long long sx = sourceX + bx, sy = sourceY + by;
    if (bx < 0 || by < 0 || bx >= width || by >= height || sx < 0 || sy < 0 || sx >= source.width() ||
        sy >= source.height()) {
        return before.pixel(x, y);
    }
    return source.pixel(int(sx), int(sy));
}

TEST(RasterOpsTest, BlitsClipAtEveryEdgeOfBothBitmaps) {
    const Bitmap source = numbered(4, 3, 1);
    const struct {
        int destX, destY, width, height, sourceX, sourceY;
    } cases[] = {
        {0, 0, 4, 3, 0, 0},
        {1, 1, 2, 1, 1, 1},  // inside
        {-2, 0, 4, 3, 0, 0},
        {0, -2, 4, 3, 0, 0},  // off the left and top of dest
        {4, 3, 4, 3, 0, 0},
        {5, 0, 4, 3, 0, 0},  // off the right and bottom of dest
        {0, 0, 4, 3, -1, -2},
        {0, 0, 4, 3, 2, 1},  // source corner outside, block past source
        {-1, -1, 100, 100, 0, 0},
        {-1, 2, 3, 100, -2, 0},  // larger than both
        {0, 0, 4, 3, 4, 0},
        {0, 0, 4, 3, 0, 3},  // source corner just past the edge
        {0, 0, 0, 3, 0, 0},
        {0, 0, 3, -1, 0, 0},  // empty
        {INT_MIN, 0, INT_MAX, 3, 0, 0},
        {0, 0, INT_MAX, INT_MAX, INT_MIN, INT_MIN},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0, 0},
        {1, 1, 5, 5, INT_MAX, 0},
    };
    for (const auto& c : cases) {
        const Bitmap before = numbered(6, 5, 2);
        Bitmap dest = before;
        blit(dest, c.destX, c.destY, c.width, c.height, source, c.sourceX, c.sourceY);
        for (int y = 0; y < dest.height(); ++y) {
            for (int x = 0; x < dest.width(); ++x) {
                ASSERT_EQ(dest.pixel(x, y), expectedAfterBlit(before, source, x, y, c.destX, c.destY, c.width,
                                                              c.height, c.sourceX, c.sourceY))
                    << "pixel " << x << "," << y << " of blit at " << c.destX << "," << c.destY << " size "
                    << c.width << "x" << c.height << " from " << c.sourceX << "," << c.sourceY;
            }
        }
    }
}

// The one-pass masked blit gives what an AND of the mask and a PAINT of the picture give,
// wherever the destination cuts the block, and stays inside all three bitmaps at the extremes.
TEST(RasterOpsTest, AMaskedBlitIsTheAndThenPaintInOnePass) {
    Bitmap sheet = numbered(8, 6, 3);  // the mask in its left half, the picture in its right
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 4; ++x) {
            sheet.setPixel(x, y, (x + y) % 2 == 0 ? kWhite : kBlack);
        }
    }
    const struct {
        int destX, destY, width, height;
    } cases[] = {{0, 0, 4, 6}, {1, 1, 2, 3}, {-2, -1, 4, 6}, {4, 3, 4, 6},
                 {5, 2, 4, 6}, {0, 0, 0, 6}, {6, 5, 4, 6}};
    for (const auto& c : cases) {
        const Bitmap before = numbered(6, 5, 2);
        Bitmap twoPasses = before;
        blit(twoPasses, c.destX, c.destY, c.width, c.height, sheet, 0, 0, RasterOp::SourceAnd);
        blit(twoPasses, c.destX, c.destY, c.width, c.height, sheet, 4, 0, RasterOp::SourcePaint);
        Bitmap onePass = before;
        maskedBlit(onePass, c.destX, c.destY, c.width, c.height, sheet, 0, 0, sheet, 4, 0);
        EXPECT_EQ(onePass, twoPasses) << c.destX << "," << c.destY << " " << c.width << "x" << c.height;
    }
    const struct {
        int destX, destY, width, height, maskX, pictureX;
    } extremes[] = {{INT_MIN, 0, INT_MAX, 3, 0, 4},
                    {0, 0, INT_MAX, INT_MAX, INT_MIN, INT_MIN},
                    {INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0, 0},
                    {1, 1, 5, 5, 0, INT_MAX},
                    {0, 0, 4, 6, 3, 7}};
    for (const auto& c : extremes) {
        Bitmap dest = numbered(6, 5, 2);
        maskedBlit(dest, c.destX, c.destY, c.width, c.height, sheet, c.maskX, 0, sheet, c.pictureX, 0);
        EXPECT_TRUE(allOpaque(dest));
    }
}

TEST(RasterOpsTest, BlitWithinOneBitmapCopiesAsIfFromACopy) {
    const struct {
        int destX, destY, sourceX, sourceY;
    } cases[] = {{1, 1, 0, 0}, {0, 0, 1, 1}, {2, 0, 0, 0}, {0, 2, 0, 0}};
    for (const auto& c : cases) {
        Bitmap picture = numbered(5, 5, 3);
        const Bitmap copy = picture;
        Bitmap expected = picture;
        blit(expected, c.destX, c.destY, 3, 3, copy, c.sourceX, c.sourceY);
        blit(picture, c.destX, c.destY, 3, 3, picture, c.sourceX, c.sourceY);
        EXPECT_EQ(picture, expected) << c.destX << "," << c.destY << " from " << c.sourceX << ","
                                     << c.sourceY;
    }
}

TEST(RasterOpsTest, BlitsWithANullBitmapDoNothing) {
    Bitmap dest = numbered(3, 3, 4);
    const Bitmap before = dest;
    blit(dest, 0, 0, 3, 3, Bitmap(), 0, 0);
    stretchBlit(dest, {0, 0, 3, 3}, Bitmap(), {0, 0, 1, 1});
    EXPECT_EQ(dest, before);
    Bitmap null;
    blit(null, 0, 0, 3, 3, before, 0, 0);
    stretchBlit(null, {0, 0, 3, 3}, before, {0, 0, 3, 3});
    fillRect(null, {0, 0, 3, 3}, kWhite);
    invertRect(null, {0, 0, 3, 3});
    EXPECT_TRUE(null.isNull());
}

TEST(RasterOpsTest, StretchTakesTheNearestPixel) {
    const Bitmap source = numbered(2, 2, 5);
    Bitmap doubled(4, 4);
    stretchBlit(doubled, {0, 0, 4, 4}, source, {0, 0, 2, 2});
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(doubled.pixel(x, y), source.pixel(x / 2, y / 2)) << x << "," << y;
        }
    }

    const Bitmap large = numbered(6, 3, 6);
    Bitmap halved(3, 1);
    stretchBlit(halved, {0, 0, 3, 1}, large, {0, 0, 6, 3});
    // Destination pixel i covers source pixels 2i and 2i + 1; its centre falls on 2i + 1.
    EXPECT_EQ(halved.pixel(0, 0), large.pixel(1, 1));
    EXPECT_EQ(halved.pixel(1, 0), large.pixel(3, 1));
    EXPECT_EQ(halved.pixel(2, 0), large.pixel(5, 1));

    Bitmap same(6, 3);
    stretchBlit(same, {0, 0, 6, 3}, large, {0, 0, 6, 3});
    EXPECT_EQ(same, large);

    Bitmap part(3, 3);
    stretchBlit(part, {0, 0, 3, 3}, large, {2, 1, 1, 1});
    EXPECT_EQ(part, Bitmap(3, 3, large.pixel(2, 1)));
}

TEST(RasterOpsTest, StretchClipsToBothBitmapsKeepingTheScale) {
    const Bitmap source = numbered(2, 2, 8);
    // Half of the doubled picture hangs off the top-left corner of dest.
    Bitmap dest(3, 3, kWhite);
    stretchBlit(dest, {-2, -2, 4, 4}, source, {0, 0, 2, 2});
    EXPECT_EQ(dest.pixel(0, 0), source.pixel(1, 1));
    EXPECT_EQ(dest.pixel(1, 1), source.pixel(1, 1));
    EXPECT_EQ(dest.pixel(2, 0), kWhite);
    EXPECT_EQ(dest.pixel(0, 2), kWhite);

    // The source rectangle hangs off the right of source: those destination pixels stay.
    Bitmap partly(4, 1, kWhite);
    stretchBlit(partly, {0, 0, 4, 1}, source, {1, 0, 2, 1});
    EXPECT_EQ(partly.pixel(0, 0), source.pixel(1, 0));
    EXPECT_EQ(partly.pixel(1, 0), source.pixel(1, 0));
    EXPECT_EQ(partly.pixel(2, 0), kWhite);
    EXPECT_EQ(partly.pixel(3, 0), kWhite);

    // Empty and mirrored rectangles copy nothing, and huge ones do not overflow.
    const Rect rects[][2] = {
        {{0, 0, 0, 3}, {0, 0, 2, 2}},
        {{0, 0, 3, 3}, {0, 0, 0, 2}},
        {{2, 0, -3, 3}, {0, 0, 2, 2}},
        {{0, 0, 3, 3}, {1, 0, -2, 2}},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 2, 2}},
        {{0, 0, 3, 3}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}},
        {{INT_MAX, 0, INT_MAX, 3}, {0, 0, 2, 2}},
    };
    for (const auto& r : rects) {
        Bitmap target(3, 3, kWhite);
        stretchBlit(target, r[0], source, r[1]);
        EXPECT_TRUE(allOpaque(target));
        if (r[0].width <= 0 || r[0].height <= 0 || r[1].width <= 0 || r[1].height <= 0) {
            EXPECT_EQ(target, Bitmap(3, 3, kWhite)) << r[0].x << "," << r[0].width;
        }
    }
}

TEST(RasterOpsTest, AClippedStretchChangesOnlyItsClipAndGivesThoseTheWholeStretchsPixels) {
    const Bitmap source = numbered(5, 3, 9);
    Bitmap whole(13, 7, kWhite);
    stretchBlit(whole, {1, 1, 11, 5}, source, {0, 0, 5, 3});
    const Rect clips[] = {{3, 2, 4, 2}, {0, 0, 2, 2}, {10, 4, 10, 10}, {20, 20, 3, 3}, {4, 4, 0, 2}};
    for (const Rect& clip : clips) {
        Bitmap part(13, 7, kWhite);
        stretchBlit(part, {1, 1, 11, 5}, source, {0, 0, 5, 3}, RasterOp::SourceCopy, clip);
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 13; ++x) {
                const Rect inside = intersected(clip, {x, y, 1, 1});
                EXPECT_EQ(part.pixel(x, y), inside.width > 0 ? whole.pixel(x, y) : kWhite)
                    << clip.x << "," << clip.y << " at " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(intersected({0, 0, 4, 4}, {2, 2, 4, 4}), (Rect{2, 2, 2, 2}));
    EXPECT_EQ(intersected({0, 0, 4, 4}, {4, 0, 4, 4}), Rect{});
    EXPECT_EQ(intersected({INT_MAX - 1, 0, INT_MAX, 1}, {0, 0, INT_MAX, 1}), (Rect{INT_MAX - 1, 0, 1, 1}));
}

TEST(RasterOpsTest, FillAndInvertClipToTheBitmap) {
    const struct {
        Rect rect;
        Rect visible;
    } cases[] = {
        {{1, 1, 2, 1}, {1, 1, 2, 1}},
        {{-1, -1, 2, 2}, {0, 0, 1, 1}},
        {{3, 2, 5, 5}, {3, 2, 1, 1}},
        {{-5, -5, 100, 100}, {0, 0, 4, 3}},
        {{4, 0, 1, 1}, {}},
        {{0, 3, 1, 1}, {}},
        {{0, 0, -1, 2}, {}},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {}},
        {{INT_MAX, 0, INT_MAX, 1}, {}},
    };
    for (const auto& c : cases) {
        const Bitmap before = numbered(4, 3, 9);
        Bitmap filled = before;
        Bitmap inverted = before;
        fillRect(filled, c.rect, 0x00102030u);
        invertRect(inverted, c.rect);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 4; ++x) {
                const bool inside = x >= c.visible.x && x < c.visible.x + c.visible.width &&
                                    y >= c.visible.y && y < c.visible.y + c.visible.height;
                const Pixel p = before.pixel(x, y);
                EXPECT_EQ(filled.pixel(x, y), inside ? rgb(0x10, 0x20, 0x30) : p) << x << "," << y;
                EXPECT_EQ(inverted.pixel(x, y), inside ? rgb(~redOf(p), ~greenOf(p), ~blueOf(p)) : p)
                    << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace platform
