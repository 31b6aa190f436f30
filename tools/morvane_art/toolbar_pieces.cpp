// The small shapes the button pictures are made of.
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "toolbar_pictures.h"

namespace morvane_art {

void drawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, double width) {
    const QPointF along = to - from;
    const double length = std::hypot(along.x(), along.y());
    const QPointF unit = along / length;
    const QPointF normal(-unit.y(), unit.x());
    const double head = width * 2.1;
    const QPointF neck = to - unit * head;
    painter.setPen(QPen(colour.darker(150), 0.8));
    painter.setBrush(colour);
    painter.drawPolygon(
        QPolygonF({from + normal * width / 2, neck + normal * width / 2, neck + normal * head, to,
                   neck - normal * head, neck - normal * width / 2, from - normal * width / 2}));
}

// A tile seen from the front: ivory face, brown edge to the left and below.
void drawSmallTile(QPainter& painter, const QRectF& face) {
    painter.setPen(QPen(QColor(80, 46, 24), 0.8));
    painter.setBrush(QColor(150, 94, 50));
    painter.drawPolygon(
        QPolygonF({face.topLeft(), face.topLeft() + QPointF(-2, 2), face.bottomLeft() + QPointF(-2, 2),
                   face.bottomRight() + QPointF(-2, 2), face.bottomRight()}));
    painter.setBrush(QColor(250, 246, 232));
    painter.drawRect(face);
}

void drawDigit(QPainter& painter, const QRectF& area, int digit, const QColor& colour,
               const art_common::ArtFonts& fonts) {
    painter.setFont(fonts.sansAt(int(area.height())));
    painter.setPen(colour);
    painter.drawText(area, Qt::AlignCenter, QString::number(digit));
}

// A light bulb: the hint of Show Moves.
void drawBulb(QPainter& painter, const QColor& glass) {
    painter.setPen(QPen(glass.darker(170), 0.9));
    painter.setBrush(glass);
    QPainterPath bulb;
    bulb.addEllipse(QPointF(8, 5.5), 4.6, 4.6);
    QPainterPath neck;
    neck.addRect(QRectF(5.6, 8, 4.8, 3));
    painter.drawPath(bulb.united(neck));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 120, 130));
    painter.drawRect(QRectF(5.5, 11, 5, 1.4));
    painter.drawRect(QRectF(6, 12.8, 4, 1.4));
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(QPointF(6.4, 4), 1.3, 1.3);
}

void drawCross(QPainter& painter, const QRectF& area, const QColor& colour) {
    painter.setPen(QPen(colour, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(area.topLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomLeft());
}

}  // namespace morvane_art
