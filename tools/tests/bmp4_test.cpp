// The 16-colour BMP writer of the built-in tile bitmap: what it writes reads back as drawn,
// nearest palette colours included, at odd widths whose rows end in half a byte and padding.

#include <gtest/gtest.h>

#include "common/bmp4.h"
#include "platform/bitmap/bmp_file.h"

namespace {

using platform::rgb;

TEST(SixteenColourBmpTest, PicturesReadBackWithTheirNearestPaletteColours) {
    art_common::Palette16 palette{};
    for (int i = 0; i < 16; ++i) {
        palette[std::size_t(i)] = rgb(std::uint8_t(i * 17), std::uint8_t(255 - i * 17), std::uint8_t(i * 8));
    }
    for (const int width : {1, 2, 3, 7, 9}) {
        platform::Bitmap drawn(width, 3);
        platform::Bitmap expected(width, 3);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < width; ++x) {
                const int index = (x * 5 + y * 3) % 16;
                const platform::Pixel exact = palette[std::size_t(index)];
                // A pixel slightly off its palette colour is stored as that colour.
                drawn.setPixel(x, y, (x + y) % 2 == 0 ? exact : exact ^ 0x00010101u);
                expected.setPixel(x, y, exact);
            }
        }
        const std::vector<std::uint8_t> file = art_common::encodeBmp4(drawn, palette);
        EXPECT_EQ(file[28], 4) << "bits per pixel";
        const platform::Result<platform::Bitmap> read = platform::readBmp(file);
        ASSERT_TRUE(read) << width << ": " << read.error();
        EXPECT_EQ(read.value(), expected) << "width " << width;
        art_common::quantise(drawn, palette);
        EXPECT_EQ(drawn, expected) << "width " << width;
    }
}

}  // namespace
