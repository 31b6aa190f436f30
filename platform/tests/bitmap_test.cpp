#include "platform/bitmap/bitmap.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(BitmapTest, APictureWithoutAreaIsNull) {
    const struct { int width, height; } cases[] = {{0, 0}, {0, 5}, {5, 0}, {-1, 3}, {3, -1}};
    for (const auto& c : cases) {
        const Bitmap bitmap(c.width, c.height);
        EXPECT_TRUE(bitmap.isNull()) << c.width << " x " << c.height;
        EXPECT_EQ(bitmap.rect(), Rect{}) << c.width << " x " << c.height;
    }
    EXPECT_TRUE(Bitmap().isNull());
}

TEST(BitmapTest, NewPixelsHoldTheFillColourOpaque) {
    const Bitmap bitmap(3, 2, 0x00123456u);
    ASSERT_FALSE(bitmap.isNull());
    EXPECT_EQ(bitmap.rect(), (Rect{0, 0, 3, 2}));
    ASSERT_EQ(bitmap.pixels().size(), 6u);
    for (const Pixel p : bitmap.pixels()) {
        EXPECT_EQ(p, rgb(0x12, 0x34, 0x56));
    }
}

TEST(BitmapTest, RowsAreTopDownAndPixelsOutsideReadBlackAndWriteNothing) {
    Bitmap bitmap(2, 2, kWhite);
    bitmap.setPixel(1, 0, 0x00ABCDEFu);
    EXPECT_EQ(bitmap.row(0)[1], rgb(0xAB, 0xCD, 0xEF));  // set pixels become opaque
    EXPECT_EQ(bitmap.pixels()[1], rgb(0xAB, 0xCD, 0xEF));
    const Bitmap before = bitmap;
    for (const auto& [x, y] : {std::pair{-1, 0}, {2, 0}, {0, -1}, {0, 2}, {-100000, 100000}}) {
        EXPECT_EQ(bitmap.pixel(x, y), kBlack) << x << "," << y;
        bitmap.setPixel(x, y, rgb(1, 2, 3));
    }
    EXPECT_EQ(bitmap, before);
}

TEST(BitmapTest, ColourHelpersSplitAPixel) {
    constexpr Pixel p = rgb(10, 20, 30);
    static_assert(p == 0xFF0A141Eu);
    EXPECT_EQ(redOf(p), 10);
    EXPECT_EQ(greenOf(p), 20);
    EXPECT_EQ(blueOf(p), 30);
}

}  // namespace
}  // namespace platform
