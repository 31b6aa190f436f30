#include "backgrounds.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "common/art_files.h"
#include "face_art.h"

namespace orbeni_art {

using art_common::toBitmap;
using art_common::toImage;

namespace {

const QColor kGold(214, 170, 72);

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

// An auspicious cloud: three puffs over a flat base, ending in a curl.
void drawCloud(QPainter& painter, QPointF at, double size) {
    QPainterPath cloud;
    cloud.moveTo(at);
    cloud.arcTo(QRectF(at.x(), at.y() - size, size, size), 180, -180);
    cloud.arcTo(QRectF(at.x() + size * 0.8, at.y() - size * 1.4, size * 1.3, size * 1.3), 200, -220);
    cloud.arcTo(QRectF(at.x() + size * 1.9, at.y() - size * 0.9, size * 0.9, size * 0.9), 180, -200);
    cloud.lineTo(at.x() + size * 0.2, at.y() + size * 0.05);
    cloud.moveTo(at.x() + size * 1.45, at.y() - size * 0.3);
    cloud.arcTo(QRectF(at.x() + size * 1.2, at.y() - size * 0.8, size * 0.5, size * 0.5), 270, 270);
    painter.drawPath(cloud);
}

}  // namespace

platform::Bitmap makeDragons(const ArtFonts& fonts) {
    QImage picture(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient silk(QPointF(352, 200), 470);
    silk.setColorAt(0, QColor(28, 96, 74));
    silk.setColorAt(1, QColor(6, 34, 28));
    painter.fillRect(picture.rect(), silk);
    fitGlyph(painter, "龍", fonts.brush, QRectF(360, 30, 320, 400), withAlpha(kGold, 46));
    fitGlyph(painter, "龍", fonts.brush, QRectF(30, 250, 150, 190), withAlpha(kGold, 26));
    painter.setPen(QPen(withAlpha(kGold, 70), 2.2, Qt::SolidLine, Qt::RoundCap));
    const QPointF clouds[] = {{40, 80},   {230, 50},  {150, 190}, {300, 330},
                              {520, 420}, {600, 120}, {420, 250}};
    for (std::size_t i = 0; i < std::size(clouds); ++i) {
        drawCloud(painter, clouds[i], 22.0 + 9.0 * double(i % 3));
    }
    painter.setPen(QPen(withAlpha(kGold, 150), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(7, 7, kBoardWidth - 14, kBoardHeight - 14));
    painter.setPen(QPen(withAlpha(kGold, 90), 1));
    painter.drawRect(QRectF(12.5, 12.5, kBoardWidth - 25, kBoardHeight - 25));
    painter.end();
    return toBitmap(picture);
}

platform::Bitmap makeKanji(const ArtFonts& fonts) {
    constexpr int kSide = 96;
    QImage picture(kSide, kSide, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(picture.rect(), QColor(112, 18, 22));
    fitGlyph(painter, "福", fonts.brush, QRectF(6, 6, 36, 36), QColor(160, 44, 36));
    fitGlyph(painter, "壽", fonts.brush, QRectF(54, 54, 36, 36), QColor(160, 44, 36));
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(kGold, 120));
    for (const QPointF centre : {QPointF(72, 24), QPointF(24, 72)}) {
        painter.drawPolygon(QPolygonF({centre + QPointF(0, -5), centre + QPointF(5, 0),
                                       centre + QPointF(0, 5), centre + QPointF(-5, 0)}));
    }
    painter.end();
    return toBitmap(picture);
}

platform::Bitmap makeHallOfFamePanel(const ArtFonts& fonts) {
    QImage picture(100, kBoardHeight, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient night(0, 0, 0, kBoardHeight);
    night.setColorAt(0, QColor(18, 24, 62));
    night.setColorAt(1, QColor(2, 4, 14));
    painter.fillRect(picture.rect(), night);
    painter.setPen(QPen(kGold, 1.5));
    painter.setBrush(QColor(170, 28, 30));
    painter.drawEllipse(QPointF(50, 24), 17, 17);
    fitGlyph(painter, "龍", fonts.brush, QRectF(38, 11, 24, 26), kGold);
    // Faint bands behind the ten names and times.
    for (int rank = 1; rank <= 10; ++rank) {
        const QColor band = rank % 2 ? QColor(255, 255, 255, 14) : QColor(255, 255, 255, 6);
        painter.fillRect(QRectF(6, 78 + 27 * rank, 88, 27), band);
    }
    painter.setPen(QPen(withAlpha(kGold, 180), 1));
    painter.drawLine(QPointF(10, 44), QPointF(90, 44));
    painter.drawLine(QPointF(10, 382), QPointF(90, 382));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(19.5, 395.5, 55, 65), 4, 4);
    painter.end();
    return toBitmap(picture);
}

}  // namespace orbeni_art
