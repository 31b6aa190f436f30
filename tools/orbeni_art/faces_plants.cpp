#include <QPainterPath>
#include <QtMath>
#include <array>

#include "face_art.h"

namespace orbeni_art {

namespace {

// A five-petal blossom.
void drawBlossom(QPainter& painter, QPointF centre, double radius, const QColor& petals,
                 const QColor& heart) {
    painter.setPen(QPen(petals.darker(150), 0.6));
    painter.setBrush(petals);
    for (int petal = 0; petal < 5; ++petal) {
        const double angle = qDegreesToRadians(petal * 72.0 - 90.0);
        const QPointF offset(std::cos(angle) * radius * 0.55, std::sin(angle) * radius * 0.55);
        painter.drawEllipse(centre + offset, radius * 0.5, radius * 0.5);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(heart);
    painter.drawEllipse(centre, radius * 0.28, radius * 0.28);
}

// A pointed leaf from its stalk end to its tip, bulging to one side.
void drawLeaf(QPainter& painter, QPointF from, QPointF to, double width, const QColor& colour) {
    const QPointF along = to - from;
    const QPointF across(-along.y() * width, along.x() * width);
    const QPointF middle = from + along * 0.45;
    QPainterPath leaf;
    leaf.moveTo(from);
    leaf.quadTo(middle + across, to);
    leaf.quadTo(middle - across * 0.6, from);
    painter.setPen(QPen(colour.darker(150), 0.6));
    painter.setBrush(colour);
    painter.drawPath(leaf);
}

void drawPlum(QPainter& painter, const TilePalette& palette) {
    QPainterPath branch;
    branch.moveTo(5, 36);
    branch.cubicTo(14, 30, 16, 18, 33, 7);
    branch.moveTo(15, 26);
    branch.cubicTo(22, 26, 28, 28, 35, 26);
    painter.setPen(QPen(palette.brown, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(branch);
    drawBlossom(painter, QPointF(27, 11), 8, palette.pink, palette.red);
    drawBlossom(painter, QPointF(13, 22), 7, palette.pink, palette.red);
    drawBlossom(painter, QPointF(31, 26), 6, palette.pink, palette.red);
    drawBlossom(painter, QPointF(8, 33), 4.5, palette.pink, palette.red);
}

void drawOrchid(QPainter& painter, const TilePalette& palette) {
    drawLeaf(painter, QPointF(20, 37), QPointF(3, 12), 0.12, palette.green);
    drawLeaf(painter, QPointF(20, 37), QPointF(37, 16), -0.12, palette.green);
    drawLeaf(painter, QPointF(20, 37), QPointF(15, 6), 0.1, palette.green.lighter(115));
    const QColor petal = palette.blue.lighter(150);
    drawLeaf(painter, QPointF(25, 14), QPointF(32, 5), 0.35, petal);
    drawLeaf(painter, QPointF(25, 14), QPointF(35, 15), -0.35, petal);
    drawLeaf(painter, QPointF(25, 14), QPointF(24, 4), -0.3, petal);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.red);
    painter.drawEllipse(QPointF(25.5, 13), 2.2, 2.2);
}

void drawChrysanthemum(QPainter& painter, const TilePalette& palette) {
    painter.setPen(QPen(palette.green.darker(120), 2.0));
    painter.drawLine(QPointF(20, 24), QPointF(20, 38));
    drawLeaf(painter, QPointF(20, 33), QPointF(7, 29), 0.3, palette.green);
    drawLeaf(painter, QPointF(20, 31), QPointF(33, 28), -0.3, palette.green);
    const QPointF centre(20, 15);
    painter.setPen(QPen(palette.gold.darker(150), 0.6));
    painter.setBrush(palette.gold.lighter(125));
    for (int petal = 0; petal < 16; ++petal) {
        painter.save();
        painter.translate(centre);
        painter.rotate(petal * 22.5);
        painter.drawEllipse(QRectF(-2, -12, 4, 9));
        painter.restore();
    }
    painter.setBrush(palette.brown);
    painter.drawEllipse(centre, 3.5, 3.5);
}

void drawBambooSpray(QPainter& painter, const TilePalette& palette) {
    painter.setPen(QPen(palette.green.darker(130), 3.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(13, 38), QPointF(16, 3));
    painter.setPen(QPen(palette.black, 1.0));
    for (const double y : {10.0, 20.0, 30.0}) {
        const double x = 13 + (38 - y) * 3.0 / 35.0;
        painter.drawLine(QPointF(x - 2, y), QPointF(x + 2, y));
    }
    drawLeaf(painter, QPointF(15, 10), QPointF(34, 6), 0.16, palette.green);
    drawLeaf(painter, QPointF(15, 10), QPointF(31, 16), -0.16, palette.green);
    drawLeaf(painter, QPointF(14, 20), QPointF(34, 27), -0.15, palette.green.lighter(115));
    drawLeaf(painter, QPointF(14, 30), QPointF(2, 22), 0.16, palette.green);
}

void drawButterfly(QPainter& painter, const TilePalette& palette) {
    drawLeaf(painter, QPointF(20, 20), QPointF(4, 7), 0.45, palette.pink);
    drawLeaf(painter, QPointF(20, 20), QPointF(36, 7), -0.45, palette.pink);
    drawLeaf(painter, QPointF(20, 22), QPointF(8, 33), -0.4, palette.gold);
    drawLeaf(painter, QPointF(20, 22), QPointF(32, 33), 0.4, palette.gold);
    painter.setPen(QPen(palette.black, 1.0));
    painter.setBrush(palette.brown);
    painter.drawEllipse(QRectF(18.6, 12, 2.8, 18));
    painter.drawLine(QPointF(19.5, 12.5), QPointF(15, 5));
    painter.drawLine(QPointF(20.5, 12.5), QPointF(25, 5));
    painter.setBrush(palette.red);
    painter.drawEllipse(QPointF(10, 12), 1.8, 1.8);
    painter.drawEllipse(QPointF(30, 12), 1.8, 1.8);
}

void drawSun(QPainter& painter, const TilePalette& palette) {
    painter.setPen(QPen(palette.gold, 1.8, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 12; ++ray) {
        const double angle = qDegreesToRadians(ray * 30.0);
        painter.drawLine(QPointF(20 + std::cos(angle) * 11, 16 + std::sin(angle) * 11),
                         QPointF(20 + std::cos(angle) * 15.5, 16 + std::sin(angle) * 15.5));
    }
    painter.setPen(QPen(palette.red, 0.8));
    painter.setBrush(palette.gold.lighter(115));
    painter.drawEllipse(QPointF(20, 16), 8.5, 8.5);
    painter.setPen(QPen(palette.blue, 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (const double y : {32.0, 36.5}) {
        QPainterPath wave;
        wave.moveTo(3, y);
        for (int crest = 0; crest < 4; ++crest) {
            wave.quadTo(3 + crest * 8.5 + 4.25, y - 3.5, 3 + (crest + 1) * 8.5, y);
        }
        painter.drawPath(wave);
    }
}

void drawMapleLeaf(QPainter& painter, const TilePalette& palette) {
    const QPointF base(20, 25);
    for (const double angle : {-90.0, -35.0, -145.0, 15.0, 165.0}) {
        const double length = angle == -90.0 ? 19 : (std::abs(angle + 90) < 60 ? 16 : 12);
        const double radians = qDegreesToRadians(angle);
        const QPointF tip(base.x() + std::cos(radians) * length, base.y() + std::sin(radians) * length);
        drawLeaf(painter, base, tip, 0.28, palette.red.lighter(112));
    }
    painter.setPen(QPen(palette.brown, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(base, QPointF(23, 37));
    painter.setPen(QPen(palette.gold, 0.7));
    for (const double angle : {-90.0, -35.0, -145.0}) {
        const double radians = qDegreesToRadians(angle);
        painter.drawLine(base, base + QPointF(std::cos(radians) * 11, std::sin(radians) * 11));
    }
}

void drawSnowflake(QPainter& painter, const TilePalette& palette) {
    const QPointF centre(20, 19);
    painter.setPen(QPen(palette.blue, 1.8, Qt::SolidLine, Qt::RoundCap));
    for (int arm = 0; arm < 6; ++arm) {
        painter.save();
        painter.translate(centre);
        painter.rotate(arm * 60.0);
        painter.drawLine(QPointF(0, 0), QPointF(0, -16));
        for (const double along : {-7.0, -12.0}) {
            painter.drawLine(QPointF(0, along), QPointF(-4, along - 4));
            painter.drawLine(QPointF(0, along), QPointF(4, along - 4));
        }
        painter.restore();
    }
    painter.setBrush(palette.blue.lighter(150));
    painter.drawEllipse(centre, 2.5, 2.5);
}

// Frames a plant or season picture with its number and its character under it.
void captionPicture(QPainter& painter, int rank, const QString& character, const QColor& colour,
                    const FaceInk& ink) {
    drawIndex(painter, QString::number(rank), ink, colour, 1.5, 1.5);
    fitGlyph(painter, character, ink.fonts.brush, QRectF(13, 38.5, 14, 10.5), colour);
}

}  // namespace

void paintFlower(QPainter& painter, int rank, const FaceInk& ink) {
    static const std::array<QString, 4> kNames = {"梅", "蘭", "菊", "竹"};
    using Drawing = void (*)(QPainter&, const TilePalette&);
    static const std::array<Drawing, 4> kDrawings = {drawPlum, drawOrchid, drawChrysanthemum,
                                                     drawBambooSpray};
    kDrawings[std::size_t(rank - 1)](painter, ink.palette);
    captionPicture(painter, rank, kNames[std::size_t(rank - 1)], ink.palette.red, ink);
}

void paintSeason(QPainter& painter, int rank, const FaceInk& ink) {
    static const std::array<QString, 4> kNames = {"春", "夏", "秋", "冬"};
    using Drawing = void (*)(QPainter&, const TilePalette&);
    static const std::array<Drawing, 4> kDrawings = {drawButterfly, drawSun, drawMapleLeaf, drawSnowflake};
    kDrawings[std::size_t(rank - 1)](painter, ink.palette);
    captionPicture(painter, rank, kNames[std::size_t(rank - 1)], ink.palette.blue, ink);
}

}  // namespace orbeni_art
