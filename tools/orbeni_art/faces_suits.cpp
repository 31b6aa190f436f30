#include <QPainterPath>
#include <QPointF>
#include <array>

#include "face_art.h"

namespace orbeni_art {

namespace {

const std::array<QString, 9> kNumerals = {"一", "二", "三", "四", "五", "六", "七", "八", "九"};

// One bamboo stick: a rounded green cane with knots at both ends and in the middle.
void drawStick(QPainter& painter, QPointF centre, double length, double angle, const QColor& colour) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    const double w = 5.2;
    painter.setPen(QPen(colour.darker(170), 0.9));
    painter.setBrush(colour);
    painter.drawRoundedRect(QRectF(-w / 2, -length / 2, w, length), 2.2, 2.2);
    painter.setPen(QPen(colour.lighter(160), 1.0));
    painter.drawLine(QPointF(-0.8, -length / 2 + 2), QPointF(-0.8, length / 2 - 2));
    painter.setPen(QPen(colour.darker(200), 1.3));
    for (const double y : {-length / 2 + 1.2, 0.0, length / 2 - 1.2}) {
        painter.drawLine(QPointF(-w / 2 - 0.4, y), QPointF(w / 2 + 0.4, y));
    }
    painter.restore();
}

// The one of bamboos: a sparrow perched on a cane, as on traditional sets.
void drawSparrow(QPainter& painter, const TilePalette& palette) {
    drawStick(painter, QPointF(28, 30), 34, 8, palette.green);
    painter.setPen(QPen(palette.black, 0.8));
    painter.setBrush(palette.red);
    QPainterPath tail;
    tail.moveTo(12, 30);
    tail.cubicTo(2, 34, 2, 46, 8, 47);
    tail.cubicTo(11, 42, 14, 38, 17, 34);
    painter.drawPath(tail);
    painter.setBrush(palette.green);
    painter.drawEllipse(QRectF(10, 18, 20, 15));
    painter.setBrush(palette.blue);
    QPainterPath wing;
    wing.moveTo(13, 24);
    wing.cubicTo(18, 20, 25, 22, 26, 27);
    wing.cubicTo(21, 31, 16, 31, 13, 24);
    painter.drawPath(wing);
    painter.setBrush(palette.red);
    painter.drawEllipse(QRectF(22, 9, 11, 11));
    painter.setBrush(palette.gold);
    painter.drawPolygon(QPolygonF({QPointF(32, 13), QPointF(38, 15), QPointF(32, 17)}));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(27, 11.5, 3.4, 3.4));
    painter.setBrush(palette.black);
    painter.drawEllipse(QRectF(28.2, 12.6, 1.6, 1.6));
}

struct Stick {
    double x;
    double y;
    double angle;
    bool red;
};

// Places the sticks of bamboos 2..9: their centres, slant and colour.
std::vector<Stick> bambooSticks(int rank) {
    switch (rank) {
        case 2:
            return {{20, 13, 0, false}, {20, 37, 0, false}};
        case 3:
            return {{20, 13, 0, false}, {12, 37, 0, false}, {28, 37, 0, false}};
        case 4:
            return {{12, 13, 0, false}, {28, 13, 0, false}, {12, 37, 0, false}, {28, 37, 0, false}};
        case 5:
            return {{9, 13, 0, false},
                    {31, 13, 0, false},
                    {20, 25, 0, true},
                    {9, 37, 0, false},
                    {31, 37, 0, false}};
        case 6:
            return {{8, 13, 0, false}, {20, 13, 0, false}, {32, 13, 0, false},
                    {8, 37, 0, false}, {20, 37, 0, false}, {32, 37, 0, false}};
        case 7:
            return {{20, 8.5, 0, true},  {8, 25, 0, false},    {20, 25, 0, false},  {32, 25, 0, false},
                    {8, 41.5, 0, false}, {20, 41.5, 0, false}, {32, 41.5, 0, false}};
        case 8:
            return {{5, 13, 0, false}, {14, 13, 28, false},  {26, 13, -28, false}, {35, 13, 0, false},
                    {5, 37, 0, false}, {14, 37, -28, false}, {26, 37, 28, false},  {35, 37, 0, false}};
        default:
            return {{8, 8.5, 0, false},  {20, 8.5, 0, true},  {32, 8.5, 0, false},
                    {8, 25, 0, false},   {20, 25, 0, true},   {32, 25, 0, false},
                    {8, 41.5, 0, false}, {20, 41.5, 0, true}, {32, 41.5, 0, false}};
    }
}

// One circle of the dots: a coloured disc with an ivory ring and a bright centre.
void drawDot(QPainter& painter, QPointF centre, double radius, const QColor& colour) {
    painter.setPen(QPen(colour.darker(160), 0.8));
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(255, 250, 235), radius * 0.22));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.62, radius * 0.62);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 250, 235));
    painter.drawEllipse(centre, radius * 0.2, radius * 0.2);
}

// The one of dots: a large rosette.
void drawRosette(QPainter& painter, const TilePalette& palette) {
    const QPointF centre(20, 25);
    painter.setPen(QPen(palette.green.darker(150), 0.8));
    painter.setBrush(palette.green);
    for (int petal = 0; petal < 8; ++petal) {
        painter.save();
        painter.translate(centre);
        painter.rotate(petal * 45.0);
        painter.drawEllipse(QRectF(-3, -18.5, 6, 8));
        painter.restore();
    }
    drawDot(painter, centre, 13, palette.blue);
    drawDot(painter, centre, 6.5, palette.red);
}

struct Dot {
    double x;
    double y;
    double radius;
    int ink;  // 0 blue, 1 red, 2 green
};

std::vector<Dot> dotCircles(int rank) {
    switch (rank) {
        case 2:
            return {{20, 13, 9, 2}, {20, 37, 9, 0}};
        case 3:
            return {{10, 10, 7, 0}, {20, 25, 7, 1}, {30, 40, 7, 2}};
        case 4:
            return {{11, 13, 8, 0}, {29, 13, 8, 2}, {11, 37, 8, 2}, {29, 37, 8, 0}};
        case 5:
            return {{10, 11, 7.5, 0}, {30, 11, 7.5, 2}, {20, 25, 7.5, 1}, {10, 39, 7.5, 2}, {30, 39, 7.5, 0}};
        case 6:
            return {{12, 9, 6.8, 2},  {28, 9, 6.8, 2},  {12, 25, 6.8, 1},
                    {28, 25, 6.8, 1}, {12, 41, 6.8, 1}, {28, 41, 6.8, 1}};
        case 7:
            return {{8, 7, 5.5, 2}, {20, 12, 5.5, 2}, {32, 17, 5.5, 2}, {13, 30, 6, 1},
                    {27, 30, 6, 1}, {13, 43, 6, 1},   {27, 43, 6, 1}};
        case 8:
            return {{12, 7, 5.6, 0},  {28, 7, 5.6, 0},  {12, 19, 5.6, 0}, {28, 19, 5.6, 0},
                    {12, 31, 5.6, 0}, {28, 31, 5.6, 0}, {12, 43, 5.6, 0}, {28, 43, 5.6, 0}};
        default:
            return {{8, 9, 6, 0},   {20, 9, 6, 0}, {32, 9, 6, 0},  {8, 25, 6, 1}, {20, 25, 6, 1},
                    {32, 25, 6, 1}, {8, 41, 6, 2}, {20, 41, 6, 2}, {32, 41, 6, 2}};
    }
}

}  // namespace

void paintCrak(QPainter& painter, int rank, const FaceInk& ink) {
    fitGlyph(painter, kNumerals[std::size_t(rank - 1)], ink.fonts.brush, QRectF(9, 2.5, 22, 17),
             ink.palette.black);
    fitGlyph(painter, "萬", ink.fonts.brush, QRectF(6, 21, 28, 27), ink.palette.red);
    drawIndex(painter, QString::number(rank), ink, ink.palette.blue, 1.5, 1.5);
}

void paintBamboo(QPainter& painter, int rank, const FaceInk& ink) {
    if (rank == 1) {
        return drawSparrow(painter, ink.palette);
    }
    const double length = rank >= 7 ? 14.5 : 21;
    for (const Stick& stick : bambooSticks(rank)) {
        const QColor& colour = stick.red                                  ? ink.palette.red
                               : (rank == 4 || rank == 8) && stick.y > 25 ? ink.palette.blue
                                                                          : ink.palette.green;
        drawStick(painter, QPointF(stick.x, stick.y), length, stick.angle, colour);
    }
}

void paintDots(QPainter& painter, int rank, const FaceInk& ink) {
    if (rank == 1) {
        return drawRosette(painter, ink.palette);
    }
    const std::array<QColor, 3> inks = {ink.palette.blue, ink.palette.red, ink.palette.green};
    for (const Dot& dot : dotCircles(rank)) {
        drawDot(painter, QPointF(dot.x, dot.y), dot.radius, inks[std::size_t(dot.ink)]);
    }
}

}  // namespace orbeni_art
