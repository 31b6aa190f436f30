#include "pocketquillet/game/board.h"

#include <algorithm>

namespace pocketquillet {

void BoardGrid::setFace(Cell cell, int face) {
    if (isOnBoard(cell) && face >= 0 && face <= kFaceCount) {
        m_faces[index(cell)] = static_cast<std::uint8_t>(face);
    }
}

int BoardGrid::stoneCount() const {
    return static_cast<int>(
        std::count_if(m_faces.begin(), m_faces.end(), [](std::uint8_t f) { return f != 0; }));
}

}  // namespace pocketquillet
