#pragma once

#include <QImage>

#include "common/fonts.h"
#include "platform/bitmap/bitmap.h"

namespace pocketquillet_art {

// The start picture, 481 x 221, shown while no game runs: the name "PocketQuillet" over a row
// of stones on the window's white.
platform::Bitmap makeStartPicture(const art_common::ArtFonts& fonts);
// The window's small icon, 16 x 16: one stone with a red pearl.
QImage makeIcon(const art_common::ArtFonts& fonts);

}  // namespace pocketquillet_art
