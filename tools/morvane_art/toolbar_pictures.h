#pragma once

#include <QColor>
#include <QPainter>
#include <functional>
#include <vector>

#include "common/fonts.h"

namespace morvane_art {

// The grey of a tool bar the pictures are laid on.
inline const QColor kButtonFace(239, 239, 239);

// Draws one button picture into the 16 x 15 square at the painter's origin.
using ButtonPicture = std::function<void(QPainter&)>;

// The 29 pictures in the tool bar's order.
std::vector<ButtonPicture> buttonPictures(const art_common::ArtFonts& fonts);

// The pieces the pictures are made of.
void drawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, double width);
void drawSmallTile(QPainter& painter, const QRectF& face);
void drawDigit(QPainter& painter, const QRectF& area, int digit, const QColor& colour,
               const art_common::ArtFonts& fonts);
void drawBulb(QPainter& painter, const QColor& glass);
void drawCross(QPainter& painter, const QRectF& area, const QColor& colour);

}  // namespace morvane_art
