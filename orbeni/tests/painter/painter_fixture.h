#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game_fixture.h"
#include "orbeni/view/board_painter.h"
#include "platform/bitmap/bmp_file.h"
#include "platform/bitmap/raster_ops.h"

namespace orbeni::test {

// The colours of the synthetic tileset, one per part, so that a pixel tells where it came from.
inline constexpr platform::Pixel kIvory = platform::rgb(250, 240, 210);
inline constexpr platform::Pixel kEdge = platform::rgb(120, 100, 80);
inline constexpr platform::Pixel kSelectedFace = platform::rgb(255, 255, 0);
inline constexpr platform::Pixel kHighlightFace = platform::rgb(0, 255, 255);
// The drawn shape of every face picture: a block inside the face, black around it.
inline constexpr platform::Rect kPictureShape{10, 10, 20, 30};

inline platform::Pixel faceColour(int face) {
    return platform::rgb(std::uint8_t(5 * face), 40, 160);
}

// A tileset in the cutting layout: face pictures and masks, the blank tile with its left and
// bottom edges and black (masked white) top-left and bottom-right corners, the two face backgrounds.
inline platform::Bitmap syntheticTileset() {
    platform::Bitmap tileset(369, 567, platform::kBlack);
    for (int face = 1; face <= kFaceCount; ++face) {
        const FaceCell cell = kFaceCells[std::size_t(face)];
        const int x = 41 * cell.column + 1 + kPictureShape.x;
        const int y = 51 * cell.row + 1 + kPictureShape.y;
        platform::fillRect(tileset, {x, y, kPictureShape.width, kPictureShape.height}, faceColour(face));
        platform::fillRect(tileset, {41 * cell.column + 1, 51 * cell.row + 313, 40, 50}, platform::kWhite);
        platform::fillRect(tileset, {x, y + 312, kPictureShape.width, kPictureShape.height},
                           platform::kBlack);
    }
    platform::fillRect(tileset, {0, 256, 46, 56}, kEdge);
    platform::fillRect(tileset, {6, 256, 40, 50}, kIvory);
    platform::fillRect(tileset, {0, 256, 6, 6}, platform::kBlack);
    platform::fillRect(tileset, {40, 306, 6, 6}, platform::kBlack);
    platform::fillRect(tileset, {52, 256, 40, 50}, kSelectedFace);
    platform::fillRect(tileset, {98, 256, 40, 50}, kHighlightFace);
    platform::fillRect(tileset, {138, 256, 46, 56}, platform::kBlack);
    platform::fillRect(tileset, {138, 256, 6, 6}, platform::kWhite);
    platform::fillRect(tileset, {178, 306, 6, 6}, platform::kWhite);
    return tileset;
}

// A folder of the test's own, removed afterwards (tests run in parallel).
class TestFolder {
public:
    TestFolder() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = std::filesystem::temp_directory_path() /
                 ("orbeni-painter-" + std::string(info->test_suite_name()) + "-" + info->name());
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TestFolder() { std::filesystem::remove_all(m_path); }
    std::filesystem::path file(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// The face corner of a place on the board image.
inline int faceLeft(Position p) {
    return CoordX(p.x - 1, p.z - 1);
}
inline int faceTop(Position p) {
    return CoordY(p.y - 1, p.z - 1);
}

// A game laid out by the test with a painter that uses the synthetic tileset.
struct PainterFixture : GameFixture {
    TestFolder folder;
    BoardPainter painter{game};

    PainterFixture() {
        const std::filesystem::path tileset = folder.file("tileset.bmp");
        platform::saveBmp(syntheticTileset(), tileset);
        EXPECT_EQ(painter.LoadTileset(tileset), std::nullopt);
    }
    void show(const std::vector<PlacedTile>& tiles) {
        layOut(tiles);
        painter.FullRedraw();
    }
    platform::Pixel at(int x, int y) const { return painter.gameImage().pixel(x, y); }
    // Puts the pointer over the middle of a place's face.
    void pointAt(Position p) { painter.FormMouseMove(faceLeft(p) + 20, faceTop(p) + 25); }
};

}  // namespace orbeni::test
