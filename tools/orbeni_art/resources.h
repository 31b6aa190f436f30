#pragma once

#include <QImage>
#include <QPoint>

#include "fonts.h"
#include "platform/bitmap/bitmap.h"

namespace orbeni_art {

// The picture of the welcome window: the title over a night sky and a small heap of tiles.
platform::Bitmap makeSplash(const ArtFonts& fonts, const platform::Bitmap& tileset);

// A strip of dark jade silk that the toolbar repeats behind its buttons.
platform::Bitmap makeToolbarTexture();

// The green tick of the dialogs' OK buttons, 16 x 16 with transparency.
QImage makeOkGlyph();

// The new-game button: a tile with the red dragon and a spark, 32 x 32 with transparency.
QImage makeNewGamePicture(const ArtFonts& fonts);

// The board's "TECHNO" pointer, 32 x 32 with transparency; its hot spot is kTechnoHotSpot and is
// also stored in the picture's "HotSpot" text as "x,y".
inline constexpr QPoint kTechnoHotSpot(1, 1);
QImage makeTechnoPointer();

}  // namespace orbeni_art
