#include "contact_sheet.h"

#include <QPainter>

#include "common/art_files.h"
#include "pictures.h"
#include "tile_sets.h"

namespace morvane_art {

namespace {

constexpr int kMargin = 16;

// A small stepped heap that shows a set's edges, overlaps and layers, and one tile alone with
// its whole bottom edge.
std::vector<LaidTile> sampleHeap(int groups) {
    std::vector<LaidTile> heap;
    int face = 0;
    const auto lay = [&](int x, int y, int z) {
        heap.push_back({x, y, z, 1 + face % groups, 1 + face % 3});
        ++face;
    };
    for (int y = 0; y <= 4; y += 2) {
        for (int x = 0; x <= 8; x += 2) {
            lay(x, y, 0);
        }
    }
    for (int y = 0; y <= 2; y += 2) {
        for (int x = 2; x <= 6; x += 2) {
            lay(x, y, 1);
        }
    }
    lay(4, 0, 2);
    lay(12, 1, 0);
    return heap;
}

QImage heapPicture(const platform::Bitmap& tiles, const TileStyle& style, int groups) {
    const QImage image = art_common::toImage(tiles);
    QImage picture(style.width * 8, style.height * 3 + style.depth * 6, QImage::Format_RGB32);
    picture.fill(image.pixelColor(0, 0));
    QPainter painter(&picture);
    drawHeap(painter, QPoint(style.depth * 3, style.depth * 3), image, style, sampleHeap(groups));
    return picture;
}

QImage enlarged(const platform::Bitmap& bitmap, int factor) {
    return art_common::toImage(bitmap).scaled(bitmap.width() * factor, bitmap.height() * factor);
}

}  // namespace

QImage makeContactSheet(const MorvanePictures& pictures) {
    const QImage tiles[] = {art_common::toImage(pictures.builtInTiles),
                            art_common::toImage(pictures.lanternTiles),
                            art_common::toImage(pictures.terraceTiles)};
    const QImage heaps[] = {heapPicture(pictures.builtInTiles, builtInStyle(), 7),
                            heapPicture(pictures.lanternTiles, lanternStyle(), 4),
                            heapPicture(pictures.terraceTiles, terraceStyle(), 5)};
    QImage sheet(1460, 1240, QImage::Format_RGB32);
    sheet.fill(QColor(48, 48, 52));
    QPainter painter(&sheet);
    int x = kMargin;
    for (int i = 0; i < 3; ++i) {
        painter.drawImage(x, kMargin, tiles[i]);
        painter.drawImage(x, 2 * kMargin + 500,
                          heaps[i].scaled(heaps[i].size().boundedTo(QSize(470, 300)), Qt::KeepAspectRatio));
        x += tiles[i].width() + kMargin;
    }
    const int top = 3 * kMargin + 800;
    painter.drawImage(kMargin, top, art_common::toImage(pictures.splash));
    const int right = 2 * kMargin + 589;
    painter.drawImage(right, top, art_common::toImage(pictures.toolbar));
    painter.drawImage(right, top + 30, enlarged(pictures.toolbar, 3).copy(0, 0, 16 * 3 * 15, 45));
    painter.drawImage(right, top + 90, enlarged(pictures.toolbar, 3).copy(16 * 3 * 15, 0, 16 * 3 * 14, 45));
    painter.drawImage(right, top + 150, art_common::toImage(pictures.marker));
    painter.drawImage(right + 30, top + 150, enlarged(pictures.marker, 4));
    painter.fillRect(right + 110, top + 150, 120, 60, QColor(239, 239, 239));
    painter.drawImage(right + 120, top + 160, pictures.icon);
    painter.drawImage(right + 170, top + 156, pictures.largeIcon);
    return sheet;
}

}  // namespace morvane_art
