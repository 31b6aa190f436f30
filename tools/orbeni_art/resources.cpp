#include "resources.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "backgrounds.h"
#include "common/art_files.h"
#include "face_art.h"
#include "platform/bitmap/raster_ops.h"
#include "tileset.h"

namespace orbeni_art {

using art_common::toBitmap;
using art_common::toImage;

namespace {

QImage transparentPicture(int side) {
    QImage picture(side, side, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    return picture;
}

}  // namespace

platform::Bitmap makeSplash(const ArtFonts& fonts, const platform::Bitmap& tileset) {
    constexpr int kWidth = 420;
    constexpr int kHeight = 240;
    platform::Bitmap sky = makeAndromeda();
    platform::Bitmap splash(kWidth, kHeight);
    platform::blit(splash, 0, 0, kWidth, kHeight, sky, 284, 40);
    const platform::Bitmap tiles = composeTileImages(tileset);
    const struct {
        int x, y, face;
    } kHeap[] = {{126, 150, 1}, {86, 150, 36}, {46, 150, 39}, {100, 144 - 50, 37}, {60, 144 - 50, 28}};
    for (const auto& tile : kHeap) {
        drawTile(splash, tile.x, tile.y, tileset, tiles, tile.face);
    }
    QImage picture = toImage(splash);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    fitGlyph(painter, "Orbeni", fonts.serif, QRectF(196, 70, 200, 54), QColor(236, 196, 92));
    fitGlyph(painter, "Mah-Jongg solitaire", fonts.sans, QRectF(206, 138, 180, 16), QColor(220, 226, 255));
    painter.end();
    return toBitmap(picture);
}

platform::Bitmap makeToolbarTexture() {
    QImage picture(64, 35, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient sheen(0, 0, 0, 35);
    sheen.setColorAt(0, QColor(52, 112, 92));
    sheen.setColorAt(0.5, QColor(26, 74, 60));
    sheen.setColorAt(1, QColor(14, 44, 36));
    painter.fillRect(picture.rect(), sheen);
    painter.setPen(QColor(255, 255, 255, 18));
    for (int x = 0; x < 64; x += 4) {
        painter.drawLine(x, 0, x, 34);
    }
    painter.setPen(QColor(214, 170, 72, 90));
    painter.drawLine(0, 34, 63, 34);
    painter.end();
    return toBitmap(picture);
}

QImage makeOkGlyph() {
    QImage glyph = transparentPicture(16);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(2.5, 8.5);
    tick.lineTo(6.5, 12.5);
    tick.lineTo(13.5, 3.5);
    painter.setPen(QPen(QColor(10, 80, 20), 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    painter.setPen(QPen(QColor(60, 190, 70), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
    return glyph;
}

QImage makeNewGamePicture(const ArtFonts& fonts) {
    QImage picture = transparentPicture(32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(18, 86, 50));
    painter.drawRoundedRect(QRectF(4, 7, 20, 24), 3, 3);
    painter.setPen(QPen(QColor(150, 140, 110), 0.8));
    painter.setBrush(QColor(252, 247, 230));
    painter.drawRoundedRect(QRectF(7, 4, 20, 24), 3, 3);
    fitGlyph(painter, "中", fonts.brush, QRectF(9.5, 7, 15, 18), QColor(200, 28, 28));
    painter.setPen(QPen(QColor(255, 200, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    const QPointF spark(27, 5);
    for (const QPointF ray : {QPointF(0, 4), QPointF(4, 0), QPointF(2.8, 2.8), QPointF(2.8, -2.8)}) {
        painter.drawLine(spark - ray, spark + ray);
    }
    return picture;
}

QImage makeTechnoPointer() {
    QImage pointer = transparentPicture(32);
    QPainter painter(&pointer);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF tip(kTechnoHotSpot);
    QPainterPath arrow;
    arrow.moveTo(tip);
    arrow.lineTo(tip + QPointF(0, 21));
    arrow.lineTo(tip + QPointF(5.5, 16));
    arrow.lineTo(tip + QPointF(10, 25));
    arrow.lineTo(tip + QPointF(13.5, 23.5));
    arrow.lineTo(tip + QPointF(9, 14.5));
    arrow.lineTo(tip + QPointF(16, 14.5));
    arrow.closeSubpath();
    QLinearGradient neon(tip, tip + QPointF(16, 25));
    neon.setColorAt(0, QColor(40, 240, 255));
    neon.setColorAt(1, QColor(220, 40, 255));
    painter.setPen(QPen(QColor(10, 10, 30), 1.4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(neon);
    painter.drawPath(arrow);
    painter.end();
    pointer.setText("HotSpot", QString("%1,%2").arg(kTechnoHotSpot.x()).arg(kTechnoHotSpot.y()));
    return pointer;
}

}  // namespace orbeni_art
