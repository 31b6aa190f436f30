#pragma once

#include <QImage>

#include "platform/bitmap/bitmap.h"

namespace morvane_art {

// Every picture morvane ships, for the eye: the three tile bitmaps at real size, a heap of each
// set as the board lays it, the splash, the tool bar at real size and enlarged, the design
// marker and the icons.
struct MorvanePictures {
    platform::Bitmap builtInTiles;
    platform::Bitmap lanternTiles;
    platform::Bitmap terraceTiles;
    platform::Bitmap marker;
    platform::Bitmap splash;
    platform::Bitmap toolbar;
    QImage icon;
    QImage largeIcon;
};

QImage makeContactSheet(const MorvanePictures& pictures);

}  // namespace morvane_art
