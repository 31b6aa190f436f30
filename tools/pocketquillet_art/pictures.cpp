#include "pictures.h"

#include <QLinearGradient>
#include <QPainter>

#include "common/art_files.h"
#include "stones.h"

namespace pocketquillet_art {

namespace {

void drawTitle(QPainter& painter, const QRect& area, const art_common::ArtFonts& fonts) {
    painter.setFont(fonts.serifAt(50));
    painter.setPen(QColor(180, 180, 180));
    painter.drawText(area.translated(2, 3), Qt::AlignCenter, QStringLiteral("PocketQuillet"));
    QLinearGradient ink(area.topLeft(), area.bottomLeft());
    ink.setColorAt(0.25, QColor(150, 24, 24));
    ink.setColorAt(0.75, QColor(96, 10, 16));
    painter.setPen(QPen(QBrush(ink), 1));
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("PocketQuillet"));
}

}  // namespace

platform::Bitmap makeStartPicture(const art_common::ArtFonts& fonts) {
    QImage picture(481, 221, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QPen(QColor(0, 128, 128), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(4, 4, 473, 213), 10, 10);
    // Two rows of stones, the pairs of each row facing each other across the name.
    const int topFaces[] = {1, 10, 19, 28, 32, 35, 39, 5, 14, 23};
    const int bottomFaces[] = {23, 14, 5, 39, 35, 32, 28, 19, 10, 1};
    for (int i = 0; i < 10; ++i) {
        drawStone(painter, QRectF(28 + 43 * i, 18, 38, 38), topFaces[i], fonts);
        drawStone(painter, QRectF(28 + 43 * i, 165, 38, 38), bottomFaces[i], fonts);
    }
    drawTitle(painter, QRect(10, 64, 461, 64), fonts);
    painter.setFont(fonts.sansAt(13));
    painter.setPen(QColor(0, 110, 110));
    painter.drawText(QRect(10, 128, 461, 24), Qt::AlignCenter,
                     QStringLiteral("Solitaire  \u00b7  Tournament  \u00b7  Challenge"));
    return art_common::toBitmap(picture);
}

QImage makeIcon(const art_common::ArtFonts& fonts) {
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    drawStone(painter, QRectF(0, 0, 16, 16), 1, fonts);
    return icon;
}

}  // namespace pocketquillet_art
