// The three counted suits: pearls, reeds and numerals.
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <vector>

#include "symbols.h"

namespace art_common {

namespace {

// Where the pearls of each count lie, as fractions of the area: the patterns of dice and
// dominoes, which the eye counts without counting.
const std::vector<QPointF>& pearlPlaces(int count) {
    static const std::array<std::vector<QPointF>, 9> kPlaces = {{
        {{.5, .5}},
        {{.5, .24}, {.5, .76}},
        {{.22, .18}, {.5, .5}, {.78, .82}},
        {{.27, .27}, {.73, .27}, {.27, .73}, {.73, .73}},
        {{.24, .2}, {.76, .2}, {.5, .5}, {.24, .8}, {.76, .8}},
        {{.28, .18}, {.72, .18}, {.28, .5}, {.72, .5}, {.28, .82}, {.72, .82}},
        {{.2, .13}, {.5, .26}, {.8, .39}, {.28, .62}, {.72, .62}, {.28, .87}, {.72, .87}},
        {{.28, .13}, {.72, .13}, {.28, .38}, {.72, .38}, {.28, .62}, {.72, .62}, {.28, .87}, {.72, .87}},
        {{.2, .17}, {.5, .17}, {.8, .17}, {.2, .5}, {.5, .5}, {.8, .5}, {.2, .83}, {.5, .83}, {.8, .83}},
    }};
    return kPlaces[std::size_t(std::clamp(count, 1, 9) - 1)];
}

// The pearls that are red, to break up the larger counts the way the eye groups them.
bool isRedPearl(int count, int index) {
    switch (count) {
        case 5:
            return index == 2;
        case 7:
            return index < 3;
        case 9:
            return index >= 3 && index < 6;
        default:
            return false;
    }
}

void drawPearl(QPainter& painter, QPointF centre, double radius, const QColor& ink, const Inks& inks) {
    painter.setPen(QPen(inks.navy, std::max(0.8, radius * 0.18)));
    painter.setBrush(ink);
    painter.drawEllipse(centre, radius, radius);
    if (radius > 4) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(inks.face);
        painter.drawEllipse(centre, radius * 0.42, radius * 0.42);
        painter.setBrush(ink);
        painter.drawEllipse(centre, radius * 0.2, radius * 0.2);
    }
}

void drawStick(QPainter& painter, const QRectF& stick, const QColor& ink, const QColor& rim) {
    painter.setPen(QPen(rim, std::max(0.8, stick.width() * 0.16)));
    painter.setBrush(ink);
    painter.drawRoundedRect(stick, stick.width() / 2, stick.width() / 2);
    painter.drawLine(QPointF(stick.left(), stick.center().y()), QPointF(stick.right(), stick.center().y()));
}

// How many reeds stand in each row of a count, top row first.
std::vector<int> reedRows(int count) {
    static const std::array<std::vector<int>, 9> kRows = {
        {{1}, {2}, {1, 2}, {2, 2}, {2, 1, 2}, {3, 3}, {1, 3, 3}, {4, 4}, {3, 3, 3}}};
    return kRows[std::size_t(std::clamp(count, 1, 9) - 1)];
}

bool isRedReed(int count, int row) {
    return (count == 5 && row == 1) || (count == 7 && row == 0) || (count == 9 && row == 1);
}

// The one-reed face: a tall stem with two leaves and a red bud, so it is not a lone stick.
void drawSingleReed(QPainter& painter, const QRectF& area, const Inks& inks) {
    const double w = area.width();
    const QRectF stem(area.center().x() - w * 0.09, area.top() + area.height() * 0.2, w * 0.18,
                      area.height() * 0.78);
    drawStick(painter, stem, inks.green, inks.darkGreen);
    painter.setPen(QPen(inks.darkGreen, std::max(0.8, w * 0.04)));
    painter.setBrush(inks.green);
    for (const double side : {-1.0, 1.0}) {
        QPainterPath leaf;
        const QPointF base(stem.center().x(), stem.top() + stem.height() * 0.35);
        const QPointF tip(base.x() + side * w * 0.42, base.y() - area.height() * 0.2);
        leaf.moveTo(base);
        leaf.quadTo(QPointF(base.x() + side * w * 0.1, tip.y()), tip);
        leaf.quadTo(QPointF(tip.x() - side * w * 0.05, base.y()), base);
        painter.drawPath(leaf);
    }
    painter.setPen(QPen(inks.dark, std::max(0.8, w * 0.03)));
    painter.setBrush(inks.red);
    painter.drawEllipse(QPointF(stem.center().x(), stem.top() - w * 0.06), w * 0.13, w * 0.13);
}

}  // namespace

void drawPearls(QPainter& painter, const QRectF& area, int count, const Inks& inks) {
    const double unit = std::min(area.width(), area.height() * 0.75);
    constexpr double kRadius[] = {0.4, 0.22, 0.19, 0.19, 0.17, 0.16, 0.135, 0.135, 0.135};
    const double radius = unit * kRadius[std::clamp(count, 1, 9) - 1];
    const std::vector<QPointF>& places = pearlPlaces(count);
    for (std::size_t i = 0; i < places.size(); ++i) {
        const QPointF centre(area.left() + places[i].x() * area.width(),
                             area.top() + places[i].y() * area.height());
        const bool red = count == 1 || isRedPearl(count, int(i));
        drawPearl(painter, centre, radius, red ? inks.red : inks.blue, inks);
    }
}

void drawReeds(QPainter& painter, const QRectF& area, int count, const Inks& inks) {
    if (count <= 1) {
        drawSingleReed(painter, area, inks);
        return;
    }
    const std::vector<int> rows = reedRows(count);
    const double rowHeight = area.height() / double(rows.size());
    const int widest = *std::max_element(rows.begin(), rows.end());
    const double pitch = area.width() / (widest + 0.4);
    const double stickWidth = std::min(pitch * 0.55, area.width() * 0.16);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const double top = area.top() + rowHeight * double(row) + rowHeight * 0.08;
        for (int i = 0; i < rows[row]; ++i) {
            const double centre = area.center().x() + (i - (rows[row] - 1) / 2.0) * pitch;
            const QRectF stick(centre - stickWidth / 2, top, stickWidth, rowHeight * 0.84);
            const bool red = isRedReed(count, int(row));
            drawStick(painter, stick, red ? inks.red : inks.green, red ? inks.dark : inks.darkGreen);
        }
    }
}

void drawNumeral(QPainter& painter, const QRectF& area, int number, const Inks& inks, const ArtFonts& fonts) {
    painter.setFont(fonts.serifAt(std::max(8, int(std::min(area.height() * 0.7, area.width() * 1.1)))));
    painter.setPen(inks.red);
    const QRectF digitArea(area.left(), area.top() - area.height() * 0.04, area.width(), area.height() * 0.8);
    painter.drawText(digitArea, Qt::AlignCenter, QString::number(number));
    // The suit's mark under every numeral: a small three-pointed crown.
    const double w = area.width() * 0.5;
    const double h = area.height() * 0.14;
    const QPointF base(area.center().x() - w / 2, area.bottom() - h * 0.2);
    QPainterPath crown;
    crown.moveTo(base);
    crown.lineTo(base + QPointF(0, -h));
    crown.lineTo(base + QPointF(w * 0.25, -h * 0.45));
    crown.lineTo(base + QPointF(w * 0.5, -h * 1.15));
    crown.lineTo(base + QPointF(w * 0.75, -h * 0.45));
    crown.lineTo(base + QPointF(w, -h));
    crown.lineTo(base + QPointF(w, 0));
    crown.closeSubpath();
    painter.setPen(QPen(inks.dark, std::max(0.8, w * 0.06)));
    painter.setBrush(inks.gold);
    painter.drawPath(crown);
}

void drawSymbol(QPainter& painter, const QRectF& area, SymbolFamily family, int member, const Inks& inks,
                const ArtFonts& fonts) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    switch (family) {
        case SymbolFamily::Pearls:
            drawPearls(painter, area, member, inks);
            break;
        case SymbolFamily::Reeds:
            drawReeds(painter, area, member, inks);
            break;
        case SymbolFamily::Numerals:
            drawNumeral(painter, area, member, inks, fonts);
            break;
        case SymbolFamily::Winds:
            drawWind(painter, area, member, inks, fonts);
            break;
        case SymbolFamily::Emblems:
            drawEmblem(painter, area, member, inks);
            break;
        case SymbolFamily::Seasons:
            drawSeason(painter, area, member, inks);
            break;
        case SymbolFamily::Moons:
            drawMoon(painter, area, member, inks);
            break;
    }
    painter.restore();
}

}  // namespace art_common
