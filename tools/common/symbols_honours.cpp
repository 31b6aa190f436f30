// The faces that are not counted: winds, emblems, seasons and moons.
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "symbols.h"

namespace art_common {

namespace {

constexpr double kPi = std::numbers::pi;

double lineWidth(const QRectF& area, double fraction) {
    return std::max(0.8, std::min(area.width(), area.height()) * fraction);
}

// A small red arrowhead under a wind's letter, pointing the way the wind's name says.
void drawPointer(QPainter& painter, QPointF centre, double size, int wind, const Inks& inks) {
    const double angle = (wind - 1) * kPi / 2;  // north up, then clockwise
    const QPointF ahead(std::sin(angle), -std::cos(angle));
    const QPointF side(-ahead.y(), ahead.x());
    const QPointF tip = centre + ahead * size;
    const QPointF back = centre - ahead * size * 0.6;
    painter.setPen(QPen(inks.dark, std::max(0.6, size * 0.1)));
    painter.setBrush(inks.red);
    painter.drawPolygon(
        QPolygonF({tip, back + side * size * 0.8, centre - ahead * size * 0.2, back - side * size * 0.8}));
}

void drawFlame(QPainter& painter, const QRectF& area, const Inks& inks) {
    const QPointF c = area.center();
    const double w = area.width() * 0.42;
    const double h = area.height() * 0.42;
    QPainterPath flame;
    flame.moveTo(c.x(), c.y() - h);
    flame.cubicTo(c.x() + w * 0.2, c.y() - h * 0.4, c.x() + w, c.y() - h * 0.1, c.x() + w * 0.75,
                  c.y() + h * 0.5);
    flame.cubicTo(c.x() + w * 0.5, c.y() + h, c.x() - w * 0.5, c.y() + h, c.x() - w * 0.75, c.y() + h * 0.5);
    flame.cubicTo(c.x() - w, c.y(), c.x() - w * 0.3, c.y() - h * 0.3, c.x(), c.y() - h);
    painter.setPen(QPen(inks.dark, lineWidth(area, 0.05)));
    painter.setBrush(inks.red);
    painter.drawPath(flame);
    painter.setPen(Qt::NoPen);
    painter.setBrush(inks.gold);
    painter.drawEllipse(QPointF(c.x(), c.y() + h * 0.42), w * 0.38, h * 0.38);
}

void drawJewel(QPainter& painter, const QRectF& area, const Inks& inks) {
    const QPointF c = area.center();
    const double w = area.width() * 0.44;
    const double h = area.height() * 0.4;
    const QPolygonF outline({{c.x(), c.y() - h}, {c.x() + w, c.y()}, {c.x(), c.y() + h}, {c.x() - w, c.y()}});
    painter.setPen(QPen(inks.dark, lineWidth(area, 0.05)));
    painter.setBrush(inks.green);
    painter.drawPolygon(outline);
    painter.setBrush(inks.darkGreen);
    painter.drawPolygon(QPolygonF({{c.x(), c.y() - h * 0.45},
                                   {c.x() + w * 0.45, c.y()},
                                   {c.x(), c.y() + h * 0.45},
                                   {c.x() - w * 0.45, c.y()}}));
}

void drawFrame(QPainter& painter, const QRectF& area, const Inks& inks) {
    const QRectF outer =
        area.adjusted(area.width() * 0.1, area.height() * 0.1, -area.width() * 0.1, -area.height() * 0.1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(inks.blue, lineWidth(area, 0.09)));
    painter.drawRect(outer);
    const double inset = std::min(outer.width(), outer.height()) * 0.26;
    painter.setPen(QPen(inks.navy, lineWidth(area, 0.045)));
    painter.drawRect(outer.adjusted(inset, inset, -inset, -inset));
}

void drawBlossom(QPainter& painter, QPointF c, double r, const Inks& inks) {
    painter.setPen(QPen(inks.dark, std::max(0.6, r * 0.1)));
    painter.setBrush(inks.red);
    for (int petal = 0; petal < 5; ++petal) {
        const double a = petal * 2 * kPi / 5 - kPi / 2;
        painter.drawEllipse(QPointF(c.x() + std::cos(a) * r * 0.55, c.y() + std::sin(a) * r * 0.55), r * 0.42,
                            r * 0.42);
    }
    painter.setBrush(inks.gold);
    painter.drawEllipse(c, r * 0.3, r * 0.3);
}

void drawSun(QPainter& painter, QPointF c, double r, const Inks& inks) {
    painter.setPen(QPen(inks.orange, std::max(0.9, r * 0.16), Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 8; ++ray) {
        const double a = ray * kPi / 4;
        painter.drawLine(QPointF(c.x() + std::cos(a) * r * 0.68, c.y() + std::sin(a) * r * 0.68),
                         QPointF(c.x() + std::cos(a) * r, c.y() + std::sin(a) * r));
    }
    painter.setPen(QPen(inks.orange, std::max(0.6, r * 0.08)));
    painter.setBrush(inks.gold);
    painter.drawEllipse(c, r * 0.5, r * 0.5);
}

void drawLeaf(QPainter& painter, QPointF c, double r, const Inks& inks) {
    QPainterPath leaf;
    leaf.moveTo(c.x() - r * 0.7, c.y() + r * 0.7);
    leaf.cubicTo(c.x() - r, c.y() - r * 0.4, c.x() - r * 0.1, c.y() - r, c.x() + r * 0.75, c.y() - r * 0.75);
    leaf.cubicTo(c.x() + r, c.y() + r * 0.1, c.x() + r * 0.4, c.y() + r, c.x() - r * 0.7, c.y() + r * 0.7);
    painter.setPen(QPen(inks.dark, std::max(0.6, r * 0.08)));
    painter.setBrush(inks.orange);
    painter.drawPath(leaf);
    painter.drawLine(QPointF(c.x() - r * 0.9, c.y() + r * 0.9), QPointF(c.x() + r * 0.5, c.y() - r * 0.5));
}

void drawSnowflake(QPainter& painter, QPointF c, double r, const Inks& inks) {
    painter.setPen(QPen(inks.blue, std::max(0.9, r * 0.14), Qt::SolidLine, Qt::RoundCap));
    for (int arm = 0; arm < 6; ++arm) {
        const double a = arm * kPi / 3 - kPi / 2;
        const QPointF end(c.x() + std::cos(a) * r, c.y() + std::sin(a) * r);
        painter.drawLine(c, end);
        const QPointF mid(c.x() + std::cos(a) * r * 0.58, c.y() + std::sin(a) * r * 0.58);
        for (const double turn : {-0.7, 0.7}) {
            painter.drawLine(mid, QPointF(mid.x() + std::cos(a + turn) * r * 0.32,
                                          mid.y() + std::sin(a + turn) * r * 0.32));
        }
    }
}

}  // namespace

void drawWind(QPainter& painter, const QRectF& area, int wind, const Inks& inks, const ArtFonts& fonts) {
    static const char* const kLetters[] = {"N", "E", "S", "W"};
    painter.setFont(fonts.sansAt(std::max(8, int(std::min(area.height() * 0.62, area.width() * 0.95)))));
    painter.setPen(inks.dark);
    const QRectF letterArea(area.left(), area.top(), area.width(), area.height() * 0.68);
    painter.drawText(letterArea, Qt::AlignCenter, QString::fromLatin1(kLetters[std::clamp(wind, 1, 4) - 1]));
    const double size = std::min(area.width(), area.height()) * 0.2;
    drawPointer(painter, QPointF(area.center().x(), area.bottom() - size * 1.02), size, wind, inks);
}

void drawEmblem(QPainter& painter, const QRectF& area, int emblem, const Inks& inks) {
    switch (emblem) {
        case 1:
            drawFlame(painter, area, inks);
            break;
        case 2:
            drawJewel(painter, area, inks);
            break;
        default:
            drawFrame(painter, area, inks);
            break;
    }
}

// A season is drawn inside a thin green border that all four share, so that the eye sees they
// belong together.
void drawSeason(QPainter& painter, const QRectF& area, int season, const Inks& inks) {
    painter.setPen(QPen(inks.green, lineWidth(area, 0.05)));
    painter.setBrush(Qt::NoBrush);
    const double inset = lineWidth(area, 0.05);
    painter.drawRoundedRect(area.adjusted(inset, inset, -inset, -inset), inset * 3, inset * 3);
    const QPointF c = area.center();
    const double r = std::min(area.width(), area.height()) * 0.38;
    switch (season) {
        case 1:
            drawBlossom(painter, c, r, inks);
            break;
        case 2:
            drawSun(painter, c, r, inks);
            break;
        case 3:
            drawLeaf(painter, c, r * 0.9, inks);
            break;
        default:
            drawSnowflake(painter, c, r, inks);
            break;
    }
}

// A moon lies on a night-blue ground that all four share; the lit part grows from new to full.
void drawMoon(QPainter& painter, const QRectF& area, int phase, const Inks& inks) {
    const double inset = lineWidth(area, 0.04);
    const QRectF night = area.adjusted(inset, inset, -inset, -inset);
    painter.setPen(Qt::NoPen);
    painter.setBrush(inks.navy);
    painter.drawRoundedRect(night, inset * 3, inset * 3);
    const QPointF c = night.center();
    const double r = std::min(night.width(), night.height()) * 0.34;
    QPainterPath disc;
    disc.addEllipse(c, r, r);
    QPainterPath lit;
    if (phase == 2) {
        QPainterPath shadow;
        shadow.addEllipse(QPointF(c.x() - r * 0.55, c.y()), r, r);
        lit = disc.subtracted(shadow);
    } else if (phase == 3) {
        QPainterPath half;
        half.addRect(QRectF(c.x(), c.y() - r, r, 2 * r));
        lit = disc.intersected(half);
    } else if (phase >= 4) {
        lit = disc;
    }
    painter.setPen(QPen(inks.gold, lineWidth(area, 0.04)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(disc);
    painter.setPen(Qt::NoPen);
    painter.setBrush(inks.gold);
    painter.drawPath(lit);
    const double star = lineWidth(area, 0.035);
    painter.setBrush(inks.light);
    painter.drawEllipse(QPointF(night.left() + night.width() * 0.2, night.top() + night.height() * 0.15),
                        star, star);
    painter.drawEllipse(QPointF(night.right() - night.width() * 0.18, night.bottom() - night.height() * 0.12),
                        star, star);
}

}  // namespace art_common
