#pragma once

#include <QColor>

namespace orbeni_art {

// The three built-in tilesets differ only in their colours.
enum class TileColouring { Normal, Darker, Blue };

// Colours of one tileset: the ivory face, the bone layer under it, the coloured back, and the
// inks the faces are painted with.
struct TilePalette {
    QColor faceLight;
    QColor faceDark;
    QColor bone;
    QColor backLight;
    QColor backDark;
    QColor black;
    QColor red;
    QColor green;
    QColor blue;
    QColor gold;
    QColor pink;
    QColor brown;
};

TilePalette tilePalette(TileColouring colouring);

// Face backgrounds of a selected and of a hinted tile, shared by the three tilesets.
struct FaceTint {
    QColor light;
    QColor dark;
};
inline constexpr FaceTint kSelectedTint{QColor(255, 238, 150), QColor(236, 196, 84)};
inline constexpr FaceTint kHighlightTint{QColor(200, 244, 214), QColor(128, 206, 170)};

}  // namespace orbeni_art
