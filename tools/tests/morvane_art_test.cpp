// Checks the pictures and sounds made for morvane and its sample games, read as the program
// reads them: through the platform's BMP reader, the game-file reader and the WAV format.

#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <string>
#include <vector>

#include "art_test_support.h"
#include "morvane/gamefile/game_file.h"
#include "platform/bitmap/bmp_file.h"

namespace {

using art_test::cut;
using platform::Bitmap;

const std::filesystem::path kArtFolder = MORVANE_ART_DIR;
const std::filesystem::path kGames = kArtFolder / "Games";

Bitmap load(const std::filesystem::path& file) {
    platform::Result<Bitmap> bitmap = platform::loadBmp(file);
    EXPECT_TRUE(bitmap) << file << ": " << bitmap.error();
    return bitmap ? std::move(bitmap.value()) : Bitmap();
}

struct TileGrid {
    int width;
    int height;
    int depth;
    std::vector<int> groupSizes;  // image rows, top first
};

// Checks one tile image: its slanted top-left corner and the corner right of its bottom edge
// are table, its face is drawn, and each half of its bottom edge has something of the tile.
void expectTileImage(const Bitmap& tiles, const TileGrid& grid, int left, int top) {
    const platform::Pixel table = tiles.pixel(0, 0);
    const int faceHeight = grid.height - grid.depth;
    EXPECT_EQ(tiles.pixel(left, top), table) << "top-left corner at " << left << "," << top;
    EXPECT_EQ(tiles.pixel(left + grid.width - 1, top + grid.height - 1), table);
    const Bitmap face = cut(tiles, left + grid.depth, top, grid.width - grid.depth, faceHeight);
    EXPECT_GT(art_test::pixelsOtherThan(face, table), face.width() * face.height() * 9 / 10);
    const int half = grid.width / 2;
    EXPECT_GT(art_test::pixelsOtherThan(cut(tiles, left, top + faceHeight, half, grid.depth), table), half);
    EXPECT_GT(art_test::pixelsOtherThan(cut(tiles, left + half, top + faceHeight, half, grid.depth), table),
              half);
}

// Checks a tile bitmap's grid: every member's image is a tile, every face differs from every
// other, and what no code reaches is table colour.
void expectTileGrid(const Bitmap& tiles, const TileGrid& grid) {
    const platform::Pixel table = tiles.pixel(0, 0);
    std::vector<Bitmap> faces;
    for (int g = 0; g < int(grid.groupSizes.size()); ++g) {
        for (int m = 0; m * grid.width < tiles.width(); ++m) {
            const int left = grid.width * m;
            const int top = grid.height * g;
            if (m < grid.groupSizes[std::size_t(g)]) {
                expectTileImage(tiles, grid, left, top);
                faces.push_back(
                    cut(tiles, left + grid.depth, top, grid.width - grid.depth, grid.height - grid.depth));
            } else {
                const Bitmap unused =
                    cut(tiles, left, top, std::min(grid.width, tiles.width() - left), grid.height);
                EXPECT_EQ(art_test::pixelsOtherThan(unused, table), 0)
                    << "unused image " << g + 1 << "," << m + 1;
            }
        }
    }
    const int below = grid.height * int(grid.groupSizes.size());
    EXPECT_EQ(art_test::pixelsOtherThan(cut(tiles, 0, below, tiles.width(), tiles.height() - below), table),
              0);
    for (std::size_t a = 0; a < faces.size(); ++a) {
        for (std::size_t b = a + 1; b < faces.size(); ++b) {
            EXPECT_GT(art_test::differingPixels(faces[a], faces[b]), 40) << "faces " << a << " and " << b;
        }
    }
}

TEST(MorvaneArtTest, BuiltInTilesAreSixteenColoursInGroupRowsOnADarkTable) {
    const art_test::Bytes file = art_test::bytesOf(kArtFolder / "tiles.bmp");
    EXPECT_EQ(art_test::littleEndian(file, 28, 2), 4u) << "bits per pixel";
    const Bitmap tiles = load(kArtFolder / "tiles.bmp");
    ASSERT_EQ(tiles.width(), 426);
    ASSERT_EQ(tiles.height(), 500);
    const platform::Pixel table = tiles.pixel(0, 0);
    EXPECT_LT(int(platform::redOf(table)) + platform::greenOf(table) + platform::blueOf(table), 240)
        << "dark";
    expectTileGrid(tiles, {44, 59, 6, {9, 9, 9, 4, 3, 4, 4}});
}

// The sample games name their bitmap by a bare file name beside the game file, with their own
// tile size; the bitmap holds one row per group of the game's tile set.
TEST(MorvaneArtTest, SampleGamesBitmapsHoldTheirTileSets) {
    for (const char* game : {"Lantern.RVQ", "Terrace.RVQ"}) {
        SCOPED_TRACE(game);
        const morvane::GameSettings settings = morvane::readGameFile(kGames / game, kArtFolder);
        EXPECT_EQ(std::filesystem::path(settings.bitmapPath).parent_path(), "");
        EXPECT_FALSE(settings.width == 44 && settings.height == 59 && settings.depth == 6);
        const Bitmap tiles = load(kGames / settings.bitmapPath);
        TileGrid grid{settings.width, settings.height, settings.depth, {}};
        int widest = 0;
        for (int g = 0; g < settings.tileSet.suits; ++g) {
            grid.groupSizes.push_back(settings.tileSet.suitSize(g));
        }
        for (int g = 0; g < settings.tileSet.indis; ++g) {
            grid.groupSizes.push_back(settings.tileSet.individualSize(g));
        }
        for (const int size : grid.groupSizes) {
            widest = std::max(widest, size);
        }
        EXPECT_EQ(tiles.width(), widest * settings.width);
        EXPECT_EQ(tiles.height(), int(grid.groupSizes.size()) * settings.height);
        expectTileGrid(tiles, grid);
    }
}

TEST(MorvaneArtTest, PicturesHaveTheSizesTheWindowCutsThemBy) {
    const struct {
        const char* name;
        int width;
        int height;
    } kPictures[] = {{"marker.bmp", 15, 15}, {"splash.bmp", 589, 374}, {"toolbar.bmp", 464, 15}};
    for (const auto& picture : kPictures) {
        const Bitmap bitmap = load(kArtFolder / picture.name);
        EXPECT_EQ(bitmap.width(), picture.width) << picture.name;
        EXPECT_EQ(bitmap.height(), picture.height) << picture.name;
    }
    EXPECT_EQ(QImage(QString::fromStdString((kArtFolder / "morvane.png").string())).size(), QSize(32, 32));
    EXPECT_EQ(QImage(QString::fromStdString((kArtFolder / "morvane-48.png").string())).size(), QSize(48, 48));
}

TEST(MorvaneArtTest, EveryToolBarPictureIsDrawnAndDiffersFromTheOthers) {
    const Bitmap strip = load(kArtFolder / "toolbar.bmp");
    const platform::Pixel buttonFace = strip.pixel(0, 0);
    std::vector<Bitmap> pictures;
    for (int i = 0; i < 29; ++i) {
        pictures.push_back(cut(strip, 16 * i, 0, 16, 15));
        EXPECT_GT(art_test::pixelsOtherThan(pictures.back(), buttonFace), 20) << "picture " << i;
    }
    for (std::size_t a = 0; a < pictures.size(); ++a) {
        for (std::size_t b = a + 1; b < pictures.size(); ++b) {
            EXPECT_GT(art_test::differingPixels(pictures[a], pictures[b]), 10) << a << " and " << b;
        }
    }
}

TEST(MorvaneArtTest, SoundsAreShortMono16BitPcm) {
    std::vector<std::filesystem::path> files;
    for (const char* name : {"select.wav", "deselect.wav", "unfree.wav", "remove.wav", "won.wav"}) {
        files.push_back(kArtFolder / name);
        files.push_back(kGames / (std::string("lantern_") + name));
        files.push_back(kGames / (std::string("terrace_") + name));
    }
    for (const std::filesystem::path& file : files) {
        const art_test::WavFacts wav = art_test::wavFacts(art_test::bytesOf(file));
        EXPECT_EQ(wav.format, 1u) << file;
        EXPECT_EQ(wav.channels, 1u) << file;
        EXPECT_EQ(wav.bits, 16u) << file;
        EXPECT_GE(wav.seconds, 0.05) << file;
        EXPECT_LE(wav.seconds, 2.0) << file;
    }
}

}  // namespace
