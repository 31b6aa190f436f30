#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "fonts.h"
#include "palette.h"

namespace orbeni_art {

enum class FaceFamily { Crak, Bamboo, Dot, Flower, Season, Dragon, Wind };

// One face: its family and its rank within it (1..9 for the suits; 1..4 for flowers, seasons and
// winds in the order east, south, west, north; 1..3 for the red, green and white dragon).
struct FaceKind {
    FaceFamily family = FaceFamily::Crak;
    int rank = 1;
};

// What a face is painted with.
struct FaceInk {
    const TilePalette& palette;
    const ArtFonts& fonts;
};

// Paints a face on a transparent 40 x 50 picture.
void paintFace(QPainter& painter, FaceKind face, const FaceInk& ink);

void paintCrak(QPainter& painter, int rank, const FaceInk& ink);
void paintBamboo(QPainter& painter, int rank, const FaceInk& ink);
void paintDots(QPainter& painter, int rank, const FaceInk& ink);
void paintWind(QPainter& painter, int rank, const FaceInk& ink);
void paintDragon(QPainter& painter, int rank, const FaceInk& ink);
void paintFlower(QPainter& painter, int rank, const FaceInk& ink);
void paintSeason(QPainter& painter, int rank, const FaceInk& ink);

// Draws text scaled to fill a box, centred, keeping its proportions.
void fitGlyph(QPainter& painter, const QString& text, const QString& family, const QRectF& box,
              const QColor& colour);

// Draws a small index numeral or letter with its top-left corner at (x, y).
void drawIndex(QPainter& painter, const QString& text, const FaceInk& ink, const QColor& colour, double x,
               double y);

}  // namespace orbeni_art
