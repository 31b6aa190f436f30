#pragma once

#include <QImage>

#include "common/fonts.h"
#include "platform/bitmap/bitmap.h"

namespace pocketquillet_art {

inline constexpr int kStoneSize = 25;
inline constexpr int kFaces = 42;
inline constexpr int kStonesPerRow = 18;

// The 42 stone faces, 25 x 25 each, face f at (25 ((f - 1) mod 18), 25 ((f - 1) div 18)):
// pearls, reeds and numerals 1..9 (faces 1..27), the four winds (28..31), the three emblems
// (32..34), and the seasons (35..38) and moons (39..42), which pair with any of their four.
platform::Bitmap makeStones(const art_common::ArtFonts& fonts);

// Draws one stone with its face into a square, at any size.
void drawStone(QPainter& painter, const QRectF& square, int face, const art_common::ArtFonts& fonts);

// The pattern a selected stone and a connection path are combined with by XOR: on white it
// shows blue stripes, on a stone it turns the stone's colours over to bluish ones.
platform::Bitmap makePattern();

}  // namespace pocketquillet_art
