#include "platform/bitmap/bmp_file.h"

#include <cstdint>
#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

// The cases name only the header fields they set; the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

// What goes into one BMP file built by the test.
struct BmpParts {
    std::uint32_t headerSize = 40;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> masks;  // after a 40-byte header, inside a larger one
    std::vector<Pixel> palette;
    std::uint32_t coloursUsed = 0;
    Bytes pixels;                              // exactly as stored
    std::optional<std::uint32_t> pixelOffset;  // where the header says the pixels start
};

void put(Bytes& out, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        out.push_back(std::uint8_t(value >> (8 * i)));
    }
}

Bytes buildBmp(const BmpParts& parts) {
    Bytes header;
    put(header, parts.headerSize, 4);
    if (parts.headerSize == 12) {
        put(header, std::uint32_t(parts.width), 2);
        put(header, std::uint32_t(parts.height), 2);
        put(header, 1, 2);
        put(header, parts.bitCount, 2);
    } else {
        put(header, std::uint32_t(parts.width), 4);
        put(header, std::uint32_t(parts.height), 4);
        put(header, 1, 2);
        put(header, parts.bitCount, 2);
        put(header, parts.compression, 4);
        put(header, std::uint32_t(parts.pixels.size()), 4);
        put(header, 2835, 4);
        put(header, 2835, 4);
        put(header, parts.coloursUsed, 4);
        put(header, 0, 4);
        const bool masksInside = parts.headerSize > 40;
        for (std::uint32_t mask : parts.masks) {
            put(header, mask, 4);
        }
        header.resize(masksInside ? parts.headerSize : header.size(), 0);
    }
    for (Pixel colour : parts.palette) {
        header.push_back(blueOf(colour));
        header.push_back(greenOf(colour));
        header.push_back(redOf(colour));
        if (parts.headerSize != 12) {
            header.push_back(0);
        }
    }
    Bytes file{'B', 'M'};
    const std::uint32_t offset = parts.pixelOffset.value_or(std::uint32_t(14 + header.size()));
    put(file, std::uint32_t(14 + header.size() + parts.pixels.size()), 4);
    put(file, 0, 4);
    put(file, offset, 4);
    file.insert(file.end(), header.begin(), header.end());
    file.insert(file.end(), parts.pixels.begin(), parts.pixels.end());
    return file;
}

// Stored rows, each padded to four bytes.
Bytes rows(std::initializer_list<Bytes> stored) {
    Bytes out;
    for (const Bytes& row : stored) {
        out.insert(out.end(), row.begin(), row.end());
        out.resize((out.size() + 3) / 4 * 4, 0);
    }
    return out;
}

constexpr Pixel kRed = rgb(255, 0, 0);
constexpr Pixel kGreen = rgb(0, 255, 0);
constexpr Pixel kBlue = rgb(0, 0, 255);
const std::vector<Pixel> kFourColours = {kBlack, kRed, kGreen, kBlue};

// The picture a file must give: rows top-down.
using Picture = std::vector<std::vector<Pixel>>;

struct ReadCase {
    std::string name;
    BmpParts parts;
    Picture expected;
};

std::vector<ReadCase> readCases() {
    return {
        {"1 bit, bottom-up",
         {.width = 10,
          .height = 2,
          .bitCount = 1,
          .palette = {kBlack, kWhite},
          .pixels = rows({{0b10000000, 0b01000000}, {0b00000000, 0b11000000}})},
         {{kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kWhite, kWhite},
          {kWhite, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kWhite}}},
        {"4 bits",
         {.width = 3, .height = 1, .bitCount = 4, .palette = kFourColours, .pixels = rows({{0x12, 0x30}})},
         {{kRed, kGreen, kBlue}}},
        {"8 bits, top-down, short colour table",
         {.width = 2,
          .height = -2,
          .bitCount = 8,
          .palette = {kRed, kBlue},
          .coloursUsed = 2,
          .pixels = rows({{0, 1}, {1, 1}})},
         {{kRed, kBlue}, {kBlue, kBlue}}},
        {"24 bits, last row without padding",
         {.width = 1, .height = 2, .bitCount = 24, .pixels = {0x03, 0x02, 0x01, 0, 0x30, 0x20, 0x10}},
         {{rgb(0x10, 0x20, 0x30)}, {rgb(1, 2, 3)}}},
        {"16 bits, default 5-5-5",
         {.width = 2, .height = 1, .bitCount = 16, .pixels = rows({{0x00, 0x7C, 0x1F, 0x00}})},
         {{kRed, kBlue}}},
        {"16 bits, 5-6-5 bit fields",
         {.width = 2,
          .height = 1,
          .bitCount = 16,
          .compression = 3,
          .masks = {0xF800, 0x07E0, 0x001F},
          .pixels = rows({{0xE0, 0x07, 0x10, 0x00}})},
         {{kGreen, rgb(0, 0, 132)}}},
        {"32 bits, default",
         {.width = 1, .height = 1, .bitCount = 32, .pixels = {0x30, 0x20, 0x10, 0x99}},
         {{rgb(0x10, 0x20, 0x30)}}},
        {"32 bits, masks inside a V5 header",
         {.headerSize = 124,
          .width = 1,
          .height = 1,
          .bitCount = 32,
          .compression = 3,
          .masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000},
          .pixels = {0x10, 0x20, 0x30, 0xFF}},
         {{rgb(0x10, 0x20, 0x30)}}},
        {"OS/2 core header, 3-byte colours",
         {.headerSize = 12,
          .width = 2,
          .height = 1,
          .bitCount = 8,
          .palette = {kGreen, kRed},
          .pixels = rows({{1, 0}})},
         {{kRed, kGreen}}},
        {"RLE8: runs, a literal run, end of line, a jump, end of picture",
         {.width = 4,
          .height = 3,
          .bitCount = 8,
          .compression = 1,
          .palette = kFourColours,
          .pixels = {2, 1, 1, 2, 1, 3, 0, 0, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 1, 0, 2, 2, 0, 1}},
         {{kBlack, kGreen, kGreen, kBlack}, {kGreen, kBlue, kRed, kBlack}, {kRed, kRed, kGreen, kBlue}}},
        {"RLE4: alternating run and a literal run without an end mark",
         {.width = 5,
          .height = 1,
          .bitCount = 4,
          .compression = 2,
          .palette = kFourColours,
          .pixels = {2, 0x12, 0, 3, 0x31, 0x20}},
         {{kRed, kGreen, kBlue, kRed, kGreen}}},
        {"16 bits, 4-4-4 masks inside a V4 header",
         {.headerSize = 108,
          .width = 2,
          .height = 1,
          .bitCount = 16,
          .compression = 3,
          .masks = {0x0F00, 0x00F0, 0x000F},
          .pixels = rows({{0x80, 0x0F, 0x01, 0x00}})},
         {{rgb(255, 136, 0), rgb(0, 0, 17)}}},
        {"16 bits, fields of 1, 3 and 0 bits",
         {.width = 1,
          .height = 1,
          .bitCount = 16,
          .compression = 3,
          .masks = {0x8000, 0x7000, 0},
          .pixels = rows({{0x00, 0xA0}})},
         {{rgb(255, 73, 0)}}},
        {"16 bits, alpha bit fields after a 40-byte header",
         {.width = 1,
          .height = 1,
          .bitCount = 16,
          .compression = 6,
          .masks = {0x7C00, 0x03E0, 0x001F, 0x8000},
          .pixels = rows({{0xE0, 0x83}})},
         {{kGreen}}},
        {"32 bits, 10-10-10 masks after a 40-byte header",
         {.width = 1,
          .height = 1,
          .bitCount = 32,
          .compression = 3,
          .masks = {0x3FF00000, 0x000FFC00, 0x000003FF},
          .pixels = {0x01, 0x00, 0xF8, 0x3F}},
         {{rgb(255, 128, 0)}}},
        {"RLE4: a jump, a padded literal run, the pixels never reached take colour 0",
         {.width = 6,
          .height = 2,
          .bitCount = 4,
          .compression = 2,
          .palette = {kBlue, kRed, kGreen, kWhite},
          .pixels = {0, 2, 1, 1, 0, 5, 0x12, 0x31, 0x20, 0, 0, 1}},
         {{kBlue, kRed, kGreen, kWhite, kRed, kGreen}, {kBlue, kBlue, kBlue, kBlue, kBlue, kBlue}}},
        {"RLE8 with the row padding encoded too, as ImageMagick writes it",
         {.width = 3,
          .height = 2,
          .bitCount = 8,
          .compression = 1,
          .palette = kFourColours,
          .pixels = {3, 1, 1, 0, 0, 0, 0, 3, 2, 3, 1, 0, 0, 0, 0, 1}},
         {{kGreen, kBlue, kRed}, {kRed, kRed, kRed}}},
        {"RLE8, top-down",
         {.width = 2,
          .height = -2,
          .bitCount = 8,
          .compression = 1,
          .palette = {kBlue, kRed},
          .pixels = {2, 1, 0, 0, 1, 1, 0, 1}},
         {{kRed, kRed}, {kRed, kBlue}}},
        {"8 bits, colour table cut short by where the pixels start",
         {.width = 2, .height = 1, .bitCount = 8, .palette = {kGreen, kBlue}, .pixels = rows({{1, 0}})},
         {{kBlue, kGreen}}},
    };
}

TEST(BmpFileTest, ReadsEveryDepthAndCompressionPixelByPixel) {
    for (const ReadCase& c : readCases()) {
        const Result<Bitmap> read = readBmp(buildBmp(c.parts));
        ASSERT_TRUE(read) << c.name << ": " << read.error();
        const Bitmap& bitmap = read.value();
        ASSERT_EQ(bitmap.height(), int(c.expected.size())) << c.name;
        ASSERT_EQ(bitmap.width(), int(c.expected[0].size())) << c.name;
        for (int y = 0; y < bitmap.height(); ++y) {
            for (int x = 0; x < bitmap.width(); ++x) {
                EXPECT_EQ(bitmap.pixel(x, y), c.expected[std::size_t(y)][std::size_t(x)])
                    << c.name << " at " << x << "," << y;
            }
        }
    }
}

TEST(BmpFileTest, RefusesDamagedAndAbsurdFilesWithAReason) {
    const BmpParts good{
        .width = 2, .height = 1, .bitCount = 8, .palette = kFourColours, .pixels = rows({{1, 2}})};
    const auto with = [&](auto change) {
        BmpParts parts = good;
        change(parts);
        return buildBmp(parts);
    };
    Bytes truncatedPixels = buildBmp(good);
    truncatedPixels.resize(truncatedPixels.size() - 3);
    Bytes truncatedHeader = buildBmp(good);
    truncatedHeader.resize(30);
    Bytes notBmp = buildBmp(good);
    notBmp[0] = 'P';
    const BmpParts rle{.width = 2, .height = 2, .bitCount = 8, .compression = 1, .palette = kFourColours};
    const auto rleWith = [&](Bytes pixels) {
        BmpParts parts = rle;
        parts.pixels = std::move(pixels);
        return buildBmp(parts);
    };
    const struct {
        std::string name;
        Bytes file;
        std::string reason;  // a word of the reason given
    } cases[] = {
        {"empty", {}, "too short"},
        {"not a BMP file", notBmp, "not a BMP"},
        {"header cut short", truncatedHeader, "truncated"},
        {"pixels cut short", truncatedPixels, "truncated"},
        {"zero width", with([](BmpParts& s) { s.width = 0; }), "no pixels"},
        {"negative width", with([](BmpParts& s) { s.width = -2; }), "negative"},
        {"too wide", with([](BmpParts& s) { s.width = 16385; }), "16384"},
        {"too many pixels", with([](BmpParts& s) { s.width = 16384, s.height = -16384; }), "64 MiB"},
        {"just too many pixels", with([](BmpParts& s) { s.width = 4097, s.height = 4096; }), "64 MiB"},
        {"unknown bit count", with([](BmpParts& s) { s.bitCount = 7; }), "bits per pixel"},
        {"unknown compression", with([](BmpParts& s) { s.compression = 9; }), "compression"},
        {"RLE8 at 24 bits", with([](BmpParts& s) { s.compression = 1, s.bitCount = 24; }),
         "8 bits per pixel"},
        {"unknown header size", with([](BmpParts& s) { s.headerSize = 20; }), "header"},
        {"no colour table", with([](BmpParts& s) { s.palette.clear(); }), "no colour table"},
        {"index past the colour table", with([](BmpParts& s) {
             s.pixels = rows({{1, 7}});
         }),
         "colour table"},
        {"pixels past the end", with([](BmpParts& s) { s.pixelOffset = 5000; }), "past the end"},
        {"pixels inside the headers", with([](BmpParts& s) { s.pixelOffset = 20; }), "inside the headers"},
        {"mask with gaps", with([](BmpParts& s) {
             s.bitCount = 16, s.compression = 3, s.palette.clear(), s.masks = {0xF00F, 0x00F0, 0x0F00};
         }),
         "gaps"},
        {"RLE run past the padded row", rleWith({5, 1, 0, 1}), "past"},
        {"RLE literal past the padded row", rleWith({0, 5, 1, 1, 1, 1, 1, 0}), "past"},
        {"RLE jump past the picture", rleWith({0, 2, 0, 5}), "past"},
        {"RLE rows past the picture", rleWith({0, 0, 0, 0, 1, 1}), "past"},
        {"RLE command cut short", rleWith({2}), "truncated"},
        {"RLE literal cut short", rleWith({0, 4, 1}), "truncated"},
        {"RLE index past the table", rleWith({1, 9}), "colour table"},
        {"RLE4 run past the padded row", with([](BmpParts& s) {
             s.bitCount = 4, s.compression = 2, s.pixels = {9, 0x12, 0, 1};
         }),
         "past"},
        {"RLE4 index past the table", with([](BmpParts& s) {
             s.bitCount = 4, s.compression = 2, s.pixels = {2, 0x19, 0, 1};
         }),
         "colour table"},
        {"zero height", with([](BmpParts& s) { s.height = 0; }), "no pixels"},
        {"too high", with([](BmpParts& s) { s.height = 16385; }), "16384"},
        {"too high top-down", with([](BmpParts& s) { s.height = -16385; }), "16384"},
        {"most negative height", with([](BmpParts& s) { s.height = INT32_MIN; }), "16384"},
        {"most negative width", with([](BmpParts& s) { s.width = INT32_MIN; }), "negative"},
        {"JPEG inside", with([](BmpParts& s) { s.compression = 4, s.bitCount = 0; }), "compression"},
        {"bit fields at 24 bits", with([](BmpParts& s) {
             s.bitCount = 24, s.compression = 3, s.palette.clear(), s.masks = {0xFF0000, 0xFF00, 0xFF};
         }),
         "16 or 32 bits"},
        {"mask wider than the pixel", with([](BmpParts& s) {
             s.bitCount = 16, s.compression = 3, s.palette.clear(), s.masks = {0x1F0000, 0x03E0, 0x001F};
         }),
         "wider"},
        {"masks cut short",
         with([](BmpParts& s) { s.bitCount = 16, s.compression = 3, s.palette.clear(), s.pixels.clear(); }),
         "truncated"},
        {"colour table cut short", with([](BmpParts& s) { s.coloursUsed = 200, s.pixelOffset = 0; }),
         "truncated"},
        {"16 bits per pixel in a core header",
         with([](BmpParts& s) { s.headerSize = 12, s.bitCount = 16, s.palette.clear(); }), "bits per pixel"},
        {"16-bit pixels cut short", with([](BmpParts& s) {
             s.bitCount = 16, s.palette.clear(), s.pixels = {1, 2, 3};
         }),
         "truncated"},
        {"32-bit pixels cut short",
         with([](BmpParts& s) { s.bitCount = 32, s.palette.clear(), s.pixels = {1, 2, 3, 4, 5, 6, 7}; }),
         "truncated"},
    };
    for (const auto& c : cases) {
        const Result<Bitmap> read = readBmp(c.file);
        ASSERT_FALSE(read) << c.name;
        EXPECT_THAT(read.error(), ::testing::HasSubstr(c.reason)) << c.name;
    }
}

// Every good file with bytes changed or cut off must read or fail, never crash (run this under
// the sanitizers to see reads out of bounds).
TEST(BmpFileTest, SurvivesDamageAnywhereInTheFile) {
    std::uint32_t seed = 12345;
    const auto draw = [&seed](std::size_t n) {
        seed = seed * 1103515245u + 12345u;
        return std::size_t(seed >> 8) % n;
    };
    int refused = 0;
    for (const ReadCase& c : readCases()) {
        const Bytes good = buildBmp(c.parts);
        for (int attempt = 0; attempt < 300; ++attempt) {
            Bytes damaged = good;
            for (int change = 0; change < 3; ++change) {
                damaged[draw(damaged.size())] = std::uint8_t(draw(256));
            }
            damaged.resize(damaged.size() - draw(damaged.size() / 4 + 1));
            refused += readBmp(damaged) ? 0 : 1;
        }
    }
    EXPECT_GT(refused, 0);
}

TEST(BmpFileTest, SavedPicturesReadBackTheSame) {
    Bitmap picture(5, 3, kWhite);  // 15-byte rows: padding on every row
    for (int x = 0; x < 5; ++x) {
        picture.setPixel(x, x % 3, rgb(std::uint8_t(x * 50), 7, std::uint8_t(255 - x)));
    }
    const auto file = std::filesystem::temp_directory_path() / "tilegames-bmp-round-trip" / "picture.bmp";
    ASSERT_TRUE(saveBmp(picture, file));
    const Result<Bitmap> loaded = loadBmp(file);
    ASSERT_TRUE(loaded) << loaded.error();
    EXPECT_EQ(loaded.value(), picture);
    std::filesystem::remove_all(file.parent_path());
    EXPECT_FALSE(loadBmp(file));
    EXPECT_EQ(loadBmp(file).error(), "the file does not exist");
}

TEST(BmpFileTest, EncodesTwentyFourBitsBottomUpWithPaddedRows) {
    Bitmap picture(1, 2, rgb(1, 2, 3));
    picture.setPixel(0, 1, rgb(4, 5, 6));
    const Bytes expected = {
        'B', 'M', 62, 0, 0,    0,    0, 0, 0,    0,    54, 0, 0, 0,  // file header
        40,  0,   0,  0, 1,    0,    0, 0, 2,    0,    0,  0, 1, 0, 24, 0, 0, 0, 0, 0,
        8,   0,   0,  0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0,  // info header
        6,   5,   4,  0, 3,    2,    1, 0,  // the bottom row first, each padded to four bytes
    };
    EXPECT_EQ(encodeBmp24(picture), expected);
    EXPECT_TRUE(encodeBmp24(Bitmap()).empty());
}

TEST(BmpFileTest, SavingWritesTheWholeFileOrLeavesTheOldOne) {
    const auto folder = std::filesystem::temp_directory_path() / "tilegames-bmp-save";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto file = folder / "picture.bmp";
    ASSERT_TRUE(saveBmp(Bitmap(2, 2, kRed), file));
    ASSERT_TRUE(saveBmp(Bitmap(3, 1, kBlue), file));  // replaces the old picture
    EXPECT_EQ(loadBmp(file).value(), Bitmap(3, 1, kBlue));

    EXPECT_FALSE(saveBmp(Bitmap(), file));  // nothing to write: the old file stays
    EXPECT_FALSE(saveBmp(Bitmap(1, 1), file / "inside a file.bmp"));
    EXPECT_EQ(loadBmp(file).value(), Bitmap(3, 1, kBlue));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);  // no temporary left
    std::filesystem::remove_all(folder);
}

TEST(BmpFileTest, LoadingRefusesAFileTooLargeForAnyPictureBeforeReadingIt) {
    const auto file = std::filesystem::temp_directory_path() / "tilegames-bmp-huge.bmp";
    ASSERT_TRUE(saveBmp(Bitmap(1, 1), file));
    std::filesystem::resize_file(file, std::uintmax_t(400) << 20);  // sparse: no disk used
    const Result<Bitmap> loaded = loadBmp(file);
    std::filesystem::remove(file);
    ASSERT_FALSE(loaded);
    EXPECT_EQ(loaded.error(), "the file is too large for a picture");
}

}  // namespace
}  // namespace platform
