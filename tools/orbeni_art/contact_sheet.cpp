#include "contact_sheet.h"

#include <QPainter>

#include "common/art_files.h"
#include "platform/bitmap/raster_ops.h"
#include "tileset.h"

namespace orbeni_art {

using art_common::toBitmap;
using art_common::toImage;

namespace {

constexpr int kMargin = 12;
constexpr int kTilesWidth = 9 * 50 + 12;
constexpr int kTilesHeight = 5 * 60 + 66;
constexpr platform::Pixel kTeal = platform::rgb(0, 128, 128);

// Marks a composed tile's face the way the board marks a selected or hinted tile.
void markFace(platform::Bitmap& dest, int left, int top, const platform::Bitmap& tileset, int backgroundLeft,
              int face) {
    using platform::RasterOp;
    const FaceCell& cell = faceCells()[std::size_t(face - 1)];
    blit(dest, left + 6, top, 40, 50, tileset, backgroundLeft, 256);
    blit(dest, left + 6, top, 40, 50, tileset, 41 * cell.column + 1, 51 * cell.row + 313,
         RasterOp::SourceAnd);
    blit(dest, left + 6, top, 40, 50, tileset, 41 * cell.column + 1, 51 * cell.row + 1,
         RasterOp::SourcePaint);
}

// Draws one tileset's tiles on teal, in their grid cells, then a selected and a hinted tile.
platform::Bitmap tilesetPanel(const platform::Bitmap& tileset) {
    platform::Bitmap panel(kTilesWidth, kTilesHeight, kTeal);
    const platform::Bitmap tiles = composeTileImages(tileset);
    for (int face = 1; face <= kFaceCount; ++face) {
        const FaceCell& cell = faceCells()[std::size_t(face - 1)];
        drawTile(panel, 6 + 50 * cell.column, 6 + 60 * cell.row, tileset, tiles, face);
    }
    const int top = 6 + 60 * 5;
    drawTile(panel, 6, top, tileset, tiles, 36);
    markFace(panel, 6, top, tileset, 52, 36);
    drawTile(panel, 56, top, tileset, tiles, 19);
    markFace(panel, 56, top, tileset, 98, 19);
    // A small heap: a tile half covered by its right neighbour and one laid on top of both.
    drawTile(panel, 166, top, tileset, tiles, 20);
    drawTile(panel, 126, top, tileset, tiles, 39);
    drawTile(panel, 140, top - 6, tileset, tiles, 5);
    return panel;
}

// Covers the board with a background the way the board does: once when large enough, else repeated.
QImage boardBackground(const platform::Bitmap& background) {
    QImage board(704, 468, QImage::Format_RGB32);
    const QImage picture = toImage(background);
    QPainter painter(&board);
    for (int y = 0; y < board.height(); y += picture.height()) {
        for (int x = 0; x < board.width(); x += picture.width()) {
            painter.drawImage(x, y, picture);
        }
    }
    return board;
}

}  // namespace

QImage makeContactSheet(const std::vector<platform::Bitmap>& tilesets,
                        const std::vector<platform::Bitmap>& backgrounds, const platform::Bitmap& sidePanel) {
    const int width = kMargin + int(tilesets.size()) * (kTilesWidth + kMargin);
    const int height = kMargin + kTilesHeight + kMargin + 468 + kMargin;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(48, 48, 52));
    QPainter painter(&sheet);
    int x = kMargin;
    for (const platform::Bitmap& tileset : tilesets) {
        painter.drawImage(x, kMargin, toImage(tilesetPanel(tileset)));
        x += kTilesWidth + kMargin;
    }
    x = kMargin;
    const int top = 2 * kMargin + kTilesHeight;
    for (const platform::Bitmap& background : backgrounds) {
        painter.drawImage(QRect(x, top, 352, 234), boardBackground(background));
        x += 352 + kMargin;
    }
    painter.drawImage(x, top, toImage(sidePanel));
    return sheet;
}

}  // namespace orbeni_art
