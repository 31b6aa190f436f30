#pragma once

// Where the painter's files find the pieces of a tileset, and where a tile lies on the board
// image; not part of the painter's interface.

#include "orbeni/board/board.h"

namespace orbeni::tileset {

// The special pieces of a tileset, below its face pictures.
inline constexpr int kSpecialTop = 256;
inline constexpr int kBlankTileX = 0;
inline constexpr int kSelectedFaceX = 52;
inline constexpr int kHighlightFaceX = 98;
inline constexpr int kTileMaskX = 138;
inline constexpr int kMaskCornerX = 178;
inline constexpr int kMaskCornerY = 306;
inline constexpr int kFaceMasksTop = 312;

// The face corner of a place on the board image.
inline int faceX(Position place) {
    return CoordX(place.x - 1, place.z - 1);
}
inline int faceY(Position place) {
    return CoordY(place.y - 1, place.z - 1);
}

}  // namespace orbeni::tileset
