// Checks the pictures and sounds made for pocketquillet, read through the platform's BMP reader
// and the WAV format.

#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "art_test_support.h"
#include "platform/bitmap/bmp_file.h"

namespace {

using platform::Bitmap;

const std::filesystem::path kArtFolder = POCKETQUILLET_ART_DIR;

Bitmap load(const char* name) {
    platform::Result<Bitmap> bitmap = platform::loadBmp(kArtFolder / name);
    EXPECT_TRUE(bitmap) << name << ": " << bitmap.error();
    return bitmap ? std::move(bitmap.value()) : Bitmap();
}

// Face f lies at (25 ((f - 1) mod 18), 25 ((f - 1) div 18)); every one is drawn and differs
// from every other, the four seasons and four moons included.
TEST(PocketquilletArtTest, StonesHoldFortyTwoDistinctFacesInTheirGrid) {
    const Bitmap stones = load("stones.bmp");
    ASSERT_EQ(stones.width(), 450);
    ASSERT_EQ(stones.height(), 75);
    std::vector<Bitmap> faces;
    for (int face = 1; face <= 42; ++face) {
        faces.push_back(art_test::cut(stones, 25 * ((face - 1) % 18), 25 * ((face - 1) / 18), 25, 25));
        EXPECT_GT(art_test::pixelsOtherThan(faces.back(), platform::kWhite), 400) << "face " << face;
    }
    for (std::size_t a = 0; a < faces.size(); ++a) {
        for (std::size_t b = a + 1; b < faces.size(); ++b) {
            EXPECT_GT(art_test::differingPixels(faces[a], faces[b]), 15)
                << "faces " << a + 1 << " and " << b + 1;
        }
    }
    const Bitmap unused = art_test::cut(stones, 25 * 6, 50, 25 * 12, 25);
    EXPECT_EQ(art_test::pixelsOtherThan(unused, platform::kWhite), 0) << "the window's white after face 42";
}

TEST(PocketquilletArtTest, PicturesHaveTheirSizes) {
    EXPECT_EQ(load("start.bmp").width(), 481);
    EXPECT_EQ(load("start.bmp").height(), 221);
    const Bitmap pattern = load("pattern.bmp");
    EXPECT_EQ(pattern.width(), 25);
    EXPECT_EQ(pattern.height(), 25);
    // XOR with black would leave a stone unmarked.
    EXPECT_EQ(art_test::pixelsOtherThan(pattern, platform::kBlack), 25 * 25);
    EXPECT_EQ(QImage(QString::fromStdString((kArtFolder / "icon.png").string())).size(), QSize(16, 16));
}

TEST(PocketquilletArtTest, SoundsAreShortMono16BitPcmAndTheFanfaresLonger) {
    for (const char* name : {"QZ1.wav", "QZ2.wav", "QZ3.wav", "QZ4.wav", "QZ6.wav", "QZ7.wav", "QZ8.wav",
                             "QZ9.wav", "QZ10.wav", "QZ11.wav"}) {
        const art_test::WavFacts wav = art_test::wavFacts(art_test::bytesOf(kArtFolder / name));
        EXPECT_EQ(wav.format, 1u) << name;
        EXPECT_EQ(wav.channels, 1u) << name;
        EXPECT_EQ(wav.bits, 16u) << name;
        EXPECT_GE(wav.seconds, 0.05) << name;
        EXPECT_LE(wav.seconds, 2.0) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(kArtFolder / "QZ5.wav"));
    const auto seconds = [](const char* name) {
        return art_test::wavFacts(art_test::bytesOf(kArtFolder / name)).seconds;
    };
    EXPECT_GT(seconds("QZ1.wav"), 2 * seconds("QZ4.wav")) << "the hiscore fanfare outlasts a click";
}

}  // namespace
