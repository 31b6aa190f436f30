#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <string>
#include <variant>
#include <vector>

namespace icons {

// An icon is drawn on a square of kIconUnits units; the same shapes give the pictures of every
// size and the scalable file, so that they never differ.
constexpr double kIconUnits = 256.0;

struct Outline {
    QColor colour;
    double width = 0;  // in units; 0 draws no outline
};

struct RoundedBox {
    double x = 0, y = 0, width = 0, height = 0, radius = 0;
    QColor fill;
    Outline outline;
};

struct Disc {
    double cx = 0, cy = 0, radius = 0;
    QColor fill;
    Outline outline;
};

struct Polygon {
    std::vector<QPointF> corners;
    QColor fill;
    Outline outline;
};

using Shape = std::variant<RoundedBox, Disc, Polygon>;

// The shapes of one icon, back to front.
using Icon = std::vector<Shape>;

// Paints the icon on a transparent square picture of the given side in pixels.
QImage paintIcon(const Icon& icon, int side);

// The icon as an SVG document of kIconUnits by kIconUnits user units.
std::string svgOf(const Icon& icon);

}  // namespace icons
