#include "tile_bitmap.h"

#include <QImage>
#include <QPainter>

#include "common/art_files.h"

namespace morvane_art {

namespace {

// The left edge in the face's rows: a slanted strip whose top-left corner is table, so that the
// tile's top edge meets its left edge in a 45-degree bevel.
void drawLeftEdge(QImage& image, int left, int top, const TileStyle& style) {
    const int faceHeight = style.height - style.depth;
    for (int c = 0; c < style.depth; ++c) {
        const QColor colour = c == 0 ? style.outline : (c >= style.depth / 2 ? style.bone : style.back);
        for (int y = style.depth - c; y < faceHeight; ++y) {
            image.setPixelColor(left + c, top + y, y == style.depth - c ? style.outline : colour);
        }
    }
}

// The bottom edge in the lowest rows: the left side running on down and the front side under
// the face, cut off slanting at the right. Each half stands on its own when the window draws
// only one of them.
void drawBottomEdge(QImage& image, int left, int top, const TileStyle& style) {
    const int faceHeight = style.height - style.depth;
    for (int k = 0; k < style.depth; ++k) {
        const int y = top + faceHeight + k;
        const QColor layer =
            k == style.depth - 1 ? style.outline : (k < style.depth / 2 ? style.bone : style.back);
        for (int x = 0; x <= style.width - 2 - k; ++x) {
            const bool leftSide = x < style.depth - 1 - k;
            image.setPixelColor(left + x, y, leftSide ? (x == 0 ? style.outline : style.back) : layer);
        }
        // The far corner of the front side, where it turns under the face, reads darker.
        image.setPixelColor(left + style.width - 2 - k, y, style.outline);
    }
}

void drawFace(QImage& image, int left, int top, const TileStyle& style) {
    const int faceLeft = left + style.depth;
    const int faceWidth = style.width - style.depth;
    const int faceHeight = style.height - style.depth;
    for (int y = 0; y < faceHeight; ++y) {
        for (int x = 0; x < faceWidth; ++x) {
            const bool rim = y == 0 || x == faceWidth - 1 || x == 0 || y == faceHeight - 1;
            image.setPixelColor(faceLeft + x, top + y, rim ? style.faceShade : style.face);
        }
    }
    // The face's top-right corner is rounded off.
    image.setPixelColor(faceLeft + faceWidth - 1, top, style.table);
}

// Lays a symbol drawn with smooth edges onto the face; with hard edges a pixel takes the ink
// when the ink covers at least half of it, otherwise the face stays.
void laySymbol(QImage& image, QPoint at, const QImage& symbol, bool hardEdges) {
    if (!hardEdges) {
        QPainter painter(&image);
        painter.drawImage(at, symbol);
        return;
    }
    for (int y = 0; y < symbol.height(); ++y) {
        for (int x = 0; x < symbol.width(); ++x) {
            const QColor ink = symbol.pixelColor(x, y);
            if (ink.alpha() >= 128) {
                image.setPixelColor(at.x() + x, at.y() + y, QColor(ink.red(), ink.green(), ink.blue()));
            }
        }
    }
}

void drawTile(QImage& image, int left, int top, const TileStyle& style, art_common::SymbolFamily family,
              int member, const art_common::ArtFonts& fonts) {
    drawLeftEdge(image, left, top, style);
    drawBottomEdge(image, left, top, style);
    drawFace(image, left, top, style);
    const int inset = std::max(2, (style.width - style.depth) / 10);
    const QSize area(style.width - style.depth - 2 * inset, style.height - style.depth - 2 * inset);
    QImage symbol(area, QImage::Format_ARGB32);
    symbol.fill(Qt::transparent);
    {
        QPainter painter(&symbol);
        art_common::Inks inks = style.inks;
        inks.face = style.face;
        art_common::drawSymbol(painter, QRectF(QPointF(0, 0), QSizeF(area)), family, member, inks, fonts);
    }
    laySymbol(image, QPoint(left + style.depth + inset, top + inset), symbol, style.hardEdges);
}

}  // namespace

platform::Bitmap makeTileBitmap(const TileStyle& style, const std::vector<GroupRow>& groups, int bitmapWidth,
                                int bitmapHeight, const art_common::ArtFonts& fonts) {
    QImage image(bitmapWidth, bitmapHeight, QImage::Format_RGB32);
    image.fill(style.table);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (int m = 1; m <= groups[g].members; ++m) {
            drawTile(image, style.width * (m - 1), style.height * int(g), style, groups[g].family, m, fonts);
        }
    }
    return art_common::toBitmap(image);
}

}  // namespace morvane_art
