#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

#include "common/art_files.h"
#include "tile_sets.h"

namespace morvane_art {

namespace {

bool paintedBefore(const LaidTile& a, const LaidTile& b) {
    if (a.z != b.z) {
        return a.z < b.z;
    }
    if (a.x != b.x) {
        return a.x > b.x;
    }
    return a.y < b.y;
}

}  // namespace

void drawHeap(QPainter& painter, QPoint origin, const QImage& tiles, const TileStyle& style,
              const std::vector<LaidTile>& heap) {
    std::vector<LaidTile> order = heap;
    std::stable_sort(order.begin(), order.end(), paintedBefore);
    const int stepX = style.width / 2 - style.depth / 2;
    const int stepY = style.height / 2 - style.depth / 2;
    for (const LaidTile& tile : order) {
        const QRect source(style.width * (tile.member - 1), style.height * (tile.group - 1), style.width,
                           style.height);
        const QPoint at(origin.x() + style.depth * tile.z + stepX * tile.x,
                        origin.y() + stepY * tile.y - style.depth * tile.z);
        painter.drawImage(at, tiles, source);
    }
}

platform::Bitmap makeMarker() {
    QImage marker(15, 15, QImage::Format_RGB32);
    marker.fill(Qt::black);
    QPainter painter(&marker);
    const TileStyle style = builtInStyle();
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.back);
    painter.drawPolygon(QPolygon({{3, 0}, {0, 3}, {0, 14}, {11, 14}, {14, 11}, {3, 11}}));
    painter.setBrush(style.face);
    painter.drawRect(3, 0, 11, 11);
    painter.setBrush(style.inks.red);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawEllipse(QPointF(9, 6), 2.6, 2.6);
    return art_common::toBitmap(marker);
}

namespace {

// A stepped heap of the built-in tiles for the splash: three layers, each on top of the one below.
std::vector<LaidTile> splashHeap() {
    const int faces[][2] = {{1, 1}, {2, 5}, {3, 9}, {4, 1}, {5, 1}, {6, 1}, {7, 4}, {1, 5}, {3, 3}, {5, 2},
                            {2, 1}, {4, 3}, {6, 2}, {3, 7}, {7, 2}, {1, 9}, {5, 3}, {2, 8}, {3, 1}, {4, 2}};
    std::vector<LaidTile> heap;
    int next = 0;
    const auto lay = [&](int x, int y, int z) {
        heap.push_back({x, y, z, faces[next][0], faces[next][1]});
        next = (next + 1) % 20;
    };
    for (int y = 0; y <= 4; y += 2) {
        for (int x = 0; x <= 6; x += 2) {
            lay(x, y, 0);
        }
        lay(2, y, 1);
        lay(4, y, 1);
    }
    lay(2, 2, 2);
    lay(4, 2, 2);
    return heap;
}

void drawTable(QPainter& painter, const QRect& area, const QColor& table) {
    QRadialGradient glow(area.center(), area.width() * 0.7);
    glow.setColorAt(0, table.lighter(150));
    glow.setColorAt(1, table.darker(160));
    painter.fillRect(area, glow);
}

void drawTitle(QPainter& painter, const QRect& area, const art_common::ArtFonts& fonts) {
    painter.setFont(fonts.serifAt(60));
    painter.setPen(QColor(0, 0, 0, 150));
    painter.drawText(area.translated(3, 4), Qt::AlignCenter, QStringLiteral("Morvane"));
    QLinearGradient gold(area.topLeft(), area.bottomLeft());
    gold.setColorAt(0.3, QColor(255, 232, 150));
    gold.setColorAt(0.7, QColor(214, 150, 30));
    painter.setPen(QPen(QBrush(gold), 1));
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("Morvane"));
}

}  // namespace

platform::Bitmap makeSplash(const platform::Bitmap& tiles, const art_common::ArtFonts& fonts) {
    QImage splash(589, 374, QImage::Format_RGB32);
    const TileStyle style = builtInStyle();
    QPainter painter(&splash);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawTable(painter, splash.rect(), style.table);
    painter.setPen(QPen(QColor(214, 170, 70), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(6.5, 6.5, 576, 361));
    // The heap is laid larger than on the board, with the table between the tiles let through.
    QImage heapTiles = art_common::toImage(tiles).convertToFormat(QImage::Format_ARGB32);
    heapTiles.setAlphaChannel(heapTiles.createMaskFromColor(style.table.rgb(), Qt::MaskOutColor));
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(24, 70);
    painter.scale(1.45, 1.45);
    drawHeap(painter, QPoint(0, 14), heapTiles, style, splashHeap());
    painter.restore();
    drawTitle(painter, QRect(262, 90, 310, 120), fonts);
    painter.setFont(fonts.serifItalicAt(18));
    painter.setPen(QColor(236, 226, 196));
    painter.drawText(QRect(262, 200, 310, 30), Qt::AlignCenter, QStringLiteral("a game of tiles and layers"));
    painter.setFont(fonts.sansAt(13));
    painter.setPen(QColor(200, 210, 200));
    painter.drawText(QRect(262, 300, 310, 24), Qt::AlignCenter, QStringLiteral("Version 1.00"));
    return art_common::toBitmap(splash);
}

namespace {

void drawIconTile(QPainter& painter, const QRectF& face, double depth, const TileStyle& style) {
    QPainterPath body;
    body.addRoundedRect(face.translated(-depth, depth), depth * 0.6, depth * 0.6);
    painter.setPen(QPen(style.outline, face.width() / 22));
    painter.setBrush(style.back);
    painter.drawPath(body);
    painter.setBrush(style.face);
    painter.drawRoundedRect(face, depth * 0.6, depth * 0.6);
}

}  // namespace

QImage makeIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    const TileStyle style = builtInStyle();
    drawIconTile(painter, QRectF(13, 1.5, 16, 20), 3, style);
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.inks.green);
    painter.drawRoundedRect(QRectF(19.5, 4.5, 3, 14), 1.5, 1.5);
    drawIconTile(painter, QRectF(6, 8, 16, 20), 3, style);
    painter.setPen(QPen(style.inks.navy, 1.2));
    painter.setBrush(style.inks.red);
    painter.drawEllipse(QPointF(14, 18), 5.2, 5.2);
    painter.setBrush(style.face);
    painter.drawEllipse(QPointF(14, 18), 2.2, 2.2);
    return icon;
}

}  // namespace morvane_art
