#pragma once

#include <array>

namespace orbeni {

// The composed tile images: 9 columns x 5 rows of whole tiles, edges included.
inline constexpr int kTileImageWidth = 46;
inline constexpr int kTileImageHeight = 56;
inline constexpr int kTileImagesWidth = 9 * kTileImageWidth;
inline constexpr int kTileImagesHeight = 5 * kTileImageHeight;
// A tile's face lies right of its 6-pixel left edge and above its 6-pixel bottom edge.
inline constexpr int kTileEdge = 6;
inline constexpr int kFaceWidth = 40;
inline constexpr int kFaceHeight = 50;
inline constexpr int kFaceCount = 42;

// The cell of a face's picture in a tileset and of its composed image.
struct FaceCell {
    int column = 0;
    int row = 0;
};

// Where each face (1..42) is cut from a tileset: craks in row 2, bamboos in row 1, dots in row 0,
// flowers and dragons in row 4, seasons and winds in row 3. Entry 0 is unused.
constexpr std::array<FaceCell, kFaceCount + 1> makeFaceCells() {
    std::array<FaceCell, kFaceCount + 1> cells{};
    for (int column = 0; column < 9; ++column) {
        cells[std::size_t(1 + column)] = {column, 2};
        cells[std::size_t(10 + column)] = {column, 1};
        cells[std::size_t(19 + column)] = {column, 0};
    }
    for (int column = 0; column < 4; ++column) {
        cells[std::size_t(28 + column)] = {column, 4};
        cells[std::size_t(32 + column)] = {column, 3};
        cells[std::size_t(39 + column)] = {4 + column, 3};
    }
    for (int column = 0; column < 3; ++column) {
        cells[std::size_t(36 + column)] = {4 + column, 4};
    }
    return cells;
}
inline constexpr std::array<FaceCell, kFaceCount + 1> kFaceCells = makeFaceCells();

// The top-left corner of a face's composed tile image (x, y), with the face at x + 6.
struct CellOrigin {
    int x = 0;
    int y = 0;
};
constexpr CellOrigin tileImageOrigin(int face) {
    const FaceCell cell = kFaceCells[std::size_t(face)];
    return {cell.column * kTileImageWidth, cell.row * kTileImageHeight};
}

}  // namespace orbeni
