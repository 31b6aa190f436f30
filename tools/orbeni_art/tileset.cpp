#include "tileset.h"

#include <QImage>

#include "platform/bitmap/raster_ops.h"
#include "tile_body.h"

namespace orbeni_art {

namespace {

constexpr int kSpecialTop = 256;
constexpr int kMaskTop = 312;
constexpr int kSelectedLeft = 52;
constexpr int kHighlightLeft = 98;
constexpr int kTileMaskLeft = 138;
// A shape pixel covered less than this (of 255) lets the face show through.
constexpr int kCoverage = 96;

std::array<FaceCell, kFaceCount> buildFaceCells() {
    std::array<FaceCell, kFaceCount> cells{};
    auto place = [&cells](int firstFace, FaceFamily family, int count, int row, int firstColumn) {
        for (int rank = 1; rank <= count; ++rank) {
            cells[std::size_t(firstFace + rank - 2)] = {{family, rank}, firstColumn + rank - 1, row};
        }
    };
    place(1, FaceFamily::Crak, 9, 2, 0);
    place(10, FaceFamily::Bamboo, 9, 1, 0);
    place(19, FaceFamily::Dot, 9, 0, 0);
    place(28, FaceFamily::Flower, 4, 4, 0);
    place(32, FaceFamily::Season, 4, 3, 0);
    place(36, FaceFamily::Dragon, 3, 4, 4);
    place(39, FaceFamily::Wind, 4, 3, 4);
    return cells;
}

QRgb blend(QRgb shape, platform::Pixel face) {
    const int alpha = qAlpha(shape);
    auto channel = [alpha](int premultiplied, int under) {
        return premultiplied + under * (255 - alpha) / 255;
    };
    return qRgb(channel(qRed(shape), platform::redOf(face)), channel(qGreen(shape), platform::greenOf(face)),
                channel(qBlue(shape), platform::blueOf(face)));
}

// Paints one face and stores its picture and mask in its cell, the picture pre-blended with the
// blank face so its edges stay smooth.
void drawFaceCell(platform::Bitmap& sheet, const FaceCell& cell, const FaceInk& ink, int scale) {
    QImage shape(kFaceWidth * scale, kFaceHeight * scale, QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    {
        QPainter painter(&shape);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        paintFace(painter, cell.kind, ink);
    }
    const int left = (41 * cell.column + 1) * scale;
    const int top = (51 * cell.row + 1) * scale;
    for (int y = 0; y < shape.height(); ++y) {
        for (int x = 0; x < shape.width(); ++x) {
            const QRgb pixel = shape.pixel(x, y);
            const bool covered = qAlpha(pixel) >= kCoverage;
            const platform::Pixel face = sheet.pixel(kEdge * scale + x, kSpecialTop * scale + y);
            sheet.setPixel(left + x, top + y, covered ? blend(pixel, face) | 0xFF000000u : platform::kBlack);
            sheet.setPixel(left + x, top + kMaskTop * scale + y,
                           covered ? platform::kBlack : platform::kWhite);
        }
    }
}

}  // namespace

const std::array<FaceCell, kFaceCount>& faceCells() {
    static const std::array<FaceCell, kFaceCount> cells = buildFaceCells();
    return cells;
}

platform::Bitmap makeTileset(TileColouring colouring, const ArtFonts& fonts, int scale) {
    const TilePalette palette = tilePalette(colouring);
    platform::Bitmap sheet(kTilesetWidth * scale, kTilesetHeight * scale, platform::kBlack);
    const int top = kSpecialTop * scale;
    drawBlankTile(sheet, 0, top, palette, scale);
    drawFace(sheet, kSelectedLeft * scale, top, kSelectedTint, scale);
    drawFace(sheet, kHighlightLeft * scale, top, kHighlightTint, scale);
    drawTileMask(sheet, kTileMaskLeft * scale, top, scale);
    const FaceInk ink{palette, fonts};
    for (const FaceCell& cell : faceCells()) {
        drawFaceCell(sheet, cell, ink, scale);
    }
    return sheet;
}

platform::Bitmap composeTileImages(const platform::Bitmap& tileset) {
    using platform::RasterOp;
    platform::Bitmap tiles(9 * kTileWidth, 5 * kTileHeight, platform::kBlack);
    for (const FaceCell& cell : faceCells()) {
        const int left = kTileWidth * cell.column;
        const int top = kTileHeight * cell.row;
        const int faceLeft = 41 * cell.column + 1;
        const int faceTop = 51 * cell.row + 1;
        blit(tiles, left, top, kTileWidth, kTileHeight, tileset, 0, kSpecialTop);
        blit(tiles, left + kEdge, top, kFaceWidth, kFaceHeight, tileset, faceLeft, faceTop + kMaskTop,
             RasterOp::SourceAnd);
        blit(tiles, left + kEdge, top, kFaceWidth, kFaceHeight, tileset, faceLeft, faceTop,
             RasterOp::SourcePaint);
    }
    return tiles;
}

void drawTile(platform::Bitmap& dest, int left, int top, const platform::Bitmap& tileset,
              const platform::Bitmap& tiles, int face) {
    const FaceCell& cell = faceCells()[std::size_t(face - 1)];
    blit(dest, left, top, kTileWidth, kTileHeight, tileset, kTileMaskLeft, kSpecialTop,
         platform::RasterOp::SourceAnd);
    blit(dest, left, top, kTileWidth, kTileHeight, tiles, kTileWidth * cell.column, kTileHeight * cell.row,
         platform::RasterOp::SourcePaint);
}

}  // namespace orbeni_art
