#include "icon_shapes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <cstdio>

namespace icons {

namespace {

void applyOutline(QPainter& painter, const Outline& outline) {
    if (outline.width > 0) {
        painter.setPen(QPen(outline.colour, outline.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        painter.setPen(Qt::NoPen);
    }
}

void paintShape(QPainter& painter, const Shape& shape) {
    if (const auto* box = std::get_if<RoundedBox>(&shape)) {
        applyOutline(painter, box->outline);
        painter.setBrush(box->fill);
        painter.drawRoundedRect(QRectF(box->x, box->y, box->width, box->height), box->radius, box->radius);
    } else if (const auto* disc = std::get_if<Disc>(&shape)) {
        applyOutline(painter, disc->outline);
        painter.setBrush(disc->fill);
        painter.drawEllipse(QPointF(disc->cx, disc->cy), disc->radius, disc->radius);
    } else if (const auto* polygon = std::get_if<Polygon>(&shape)) {
        applyOutline(painter, polygon->outline);
        painter.setBrush(polygon->fill);
        painter.drawPolygon(QPolygonF(QList<QPointF>(polygon->corners.begin(), polygon->corners.end())));
    }
}

// A number as SVG writes it: short, and the same whatever the locale.
std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string paintAttributes(const QColor& fill, const Outline& outline) {
    std::string text = " fill=\"" + fill.name().toStdString() + "\"";
    if (fill.alphaF() < 1.0) {
        text += " fill-opacity=\"" + number(fill.alphaF()) + "\"";
    }
    if (outline.width > 0) {
        text += " stroke=\"" + outline.colour.name().toStdString() + "\" stroke-width=\"" +
                number(outline.width) + "\" stroke-linejoin=\"round\"";
    }
    return text;
}

std::string svgElement(const Shape& shape) {
    if (const auto* box = std::get_if<RoundedBox>(&shape)) {
        return "<rect x=\"" + number(box->x) + "\" y=\"" + number(box->y) + "\" width=\"" +
               number(box->width) + "\" height=\"" + number(box->height) + "\" rx=\"" + number(box->radius) +
               "\"" + paintAttributes(box->fill, box->outline) + "/>";
    }
    if (const auto* disc = std::get_if<Disc>(&shape)) {
        return "<circle cx=\"" + number(disc->cx) + "\" cy=\"" + number(disc->cy) + "\" r=\"" +
               number(disc->radius) + "\"" + paintAttributes(disc->fill, disc->outline) + "/>";
    }
    const auto& polygon = std::get<Polygon>(shape);
    std::string points;
    for (const QPointF& corner : polygon.corners) {
        points += (points.empty() ? "" : " ") + number(corner.x()) + "," + number(corner.y());
    }
    return "<polygon points=\"" + points + "\"" + paintAttributes(polygon.fill, polygon.outline) + "/>";
}

}  // namespace

QImage paintIcon(const Icon& icon, int side) {
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / kIconUnits, side / kIconUnits);
    for (const Shape& shape : icon) {
        paintShape(painter, shape);
    }
    painter.end();
    return picture;
}

std::string svgOf(const Icon& icon) {
    const std::string units = number(kIconUnits);
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
        units + "\" height=\"" + units + "\" viewBox=\"0 0 " + units + " " + units + "\">\n";
    for (const Shape& shape : icon) {
        text += "  " + svgElement(shape) + "\n";
    }
    return text + "</svg>\n";
}

}  // namespace icons
