#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

#include "fonts.h"

namespace art_common {

// The inks a face is painted with; each tile set picks its own.
struct Inks {
    QColor face;  // the ground the symbol lies on
    QColor dark;
    QColor red;
    QColor green;
    QColor darkGreen;
    QColor blue;
    QColor navy;
    QColor gold;
    QColor orange;
    QColor light;
};

// The families of faces both games' sets are made of. The first three count 1..9, the winds
// are North, East, South and West, the emblems a flame, a jewel and a frame, the seasons a
// blossom, a sun, a leaf and a snowflake, the moons four phases from new to full.
enum class SymbolFamily { Pearls, Reeds, Numerals, Winds, Emblems, Seasons, Moons };

// Paints member (1-based) of a family into an area of a face, with smooth edges.
void drawSymbol(QPainter& painter, const QRectF& area, SymbolFamily family, int member, const Inks& inks,
                const ArtFonts& fonts);

// The parts, one per file.
void drawPearls(QPainter& painter, const QRectF& area, int count, const Inks& inks);
void drawReeds(QPainter& painter, const QRectF& area, int count, const Inks& inks);
void drawNumeral(QPainter& painter, const QRectF& area, int number, const Inks& inks, const ArtFonts& fonts);
void drawWind(QPainter& painter, const QRectF& area, int wind, const Inks& inks, const ArtFonts& fonts);
void drawEmblem(QPainter& painter, const QRectF& area, int emblem, const Inks& inks);
void drawSeason(QPainter& painter, const QRectF& area, int season, const Inks& inks);
void drawMoon(QPainter& painter, const QRectF& area, int phase, const Inks& inks);

}  // namespace art_common
