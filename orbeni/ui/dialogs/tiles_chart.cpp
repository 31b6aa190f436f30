#include "orbeni/ui/dialogs/tiles_chart.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "orbeni/view/face_cells.h"
#include "platform/bitmap/bitmap.h"
#include "platform/qt/bitmap_image.h"

namespace orbeni {

namespace {

constexpr int kFacePitch = 45;
constexpr int kLabelPixelSize = 12;
constexpr int kSmallestLabelPixelSize = 8;
const QColor kTeal(0, 128, 128);

// One family of the chart: its name at a place, over a row of faces.
struct Family {
    const char* label;
    QPoint labelAt;
    int firstFace;
    int lastFace;
    QPoint firstFaceAt;
};
constexpr Family kFamilies[] = {
    {"Craks (4 times each)", {0, 4}, 1, 9, {0, 24}},
    {"Bamboos (4 times each)", {0, 82}, 10, 18, {0, 104}},
    {"Dots (4 times each)", {0, 162}, 19, 27, {0, 184}},
    {"Flowers (once each)", {0, 242}, 28, 31, {0, 264}},
    {"Seasons (once each)", {0, 322}, 32, 35, {0, 344}},
    {"Winds (4 times each)", {295, 242}, 39, 42, {225, 264}},
    {"Dragons (4 times each)", {287, 322}, 36, 38, {270, 344}},
};

// Chooses the largest label font, up to the chart's usual size, that keeps every label inside the
// chart: the labels on the right have little room.
QFont labelFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    for (int size = kLabelPixelSize; size >= kSmallestLabelPixelSize; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        const bool fits = std::all_of(std::begin(kFamilies), std::end(kFamilies), [&](const Family& family) {
            return family.labelAt.x() + metrics.horizontalAdvance(QString::fromLatin1(family.label)) <=
                   kTilesChartWidth;
        });
        if (fits) {
            break;
        }
    }
    return font;
}

void drawFamily(QPainter& painter, const QImage& tileImages, const Family& family) {
    const QRect labelRect(family.labelAt,
                          QPoint(kTilesChartWidth - 1, family.labelAt.y() + kLabelPixelSize * 2));
    painter.drawText(labelRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                     QString::fromLatin1(family.label));
    if (tileImages.isNull()) {
        return;
    }
    // Tile images composed for a HiDPI screen hold two pixels for each of the chart's.
    const int ratio = std::max(1, tileImages.width() / kTileImagesWidth);
    for (int face = family.firstFace; face <= family.lastFace; ++face) {
        const CellOrigin cell = tileImageOrigin(face);
        const QRect faceArea =
            QRect(ratio * (cell.x + kTileEdge), ratio * cell.y, ratio * kFaceWidth, ratio * kFaceHeight)
                .intersected(tileImages.rect());
        if (!faceArea.isEmpty()) {
            const QPoint at = family.firstFaceAt + QPoint((face - family.firstFace) * kFacePitch, 0);
            painter.drawImage(QRect(at, faceArea.size() / ratio), tileImages, faceArea);
        }
    }
}

}  // namespace

QImage drawTilesChart(const platform::Bitmap& tileImages) {
    QImage chart(kTilesChartWidth, kTilesChartHeight, QImage::Format_RGB32);
    chart.fill(kTeal);
    const QImage faces = tileImages.isNull() ? QImage() : platform::qt::imageOf(tileImages);
    QPainter painter(&chart);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setFont(labelFont());
    painter.setPen(Qt::white);
    for (const Family& family : kFamilies) {
        drawFamily(painter, faces, family);
    }
    return chart;
}

}  // namespace orbeni
