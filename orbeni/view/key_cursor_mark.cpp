#include <array>
#include <utility>

#include "orbeni/view/board_painter.h"
#include "orbeni/view/tileset_layout.h"
#include "platform/bitmap/raster_ops.h"

// The keyboard's cursor: four corner brackets inside a tile's face, drawn over the composed board
// so that neither the selected or hinted face backgrounds nor the hover rectangle along the
// face's edge hide it.

namespace orbeni {

namespace {

using namespace tileset;

// How far the brackets stand in from the face's edges, how long and how thick their arms are.
constexpr int kBracketInset = 4;
constexpr int kBracketArm = 12;
constexpr int kBracketThickness = 3;

// The arms of the four brackets of a face whose corner is (px, py).
std::array<platform::Rect, 8> bracketArms(int px, int py) {
    std::array<platform::Rect, 8> arms;
    std::size_t index = 0;
    for (const bool right : {false, true}) {
        for (const bool bottom : {false, true}) {
            const int outerX = right ? px + kFaceWidth - kBracketInset : px + kBracketInset;
            const int outerY = bottom ? py + kFaceHeight - kBracketInset : py + kBracketInset;
            const int armX = right ? outerX - kBracketArm : outerX;
            const int armY = bottom ? outerY - kBracketArm : outerY;
            const int barX = right ? outerX - kBracketThickness : outerX;
            const int barY = bottom ? outerY - kBracketThickness : outerY;
            arms[index++] = {armX, barY, kBracketArm, kBracketThickness};
            arms[index++] = {barX, armY, kBracketThickness, kBracketArm};
        }
    }
    return arms;
}

}  // namespace

void BoardPainter::setKeyCursor(Position place) {
    if (place == m_keyCursor) {
        return;
    }
    const Position left = std::exchange(m_keyCursor, place);
    redrawPlace(left);
    redrawPlace(place);
}

// Outlines each arm in black first, so that the brackets show on light and dark faces alike.
void BoardPainter::drawKeyCursor() {
    if (!m_keyCursor.onBoard()) {
        return;
    }
    const std::array<platform::Rect, 8> arms = bracketArms(faceX(m_keyCursor), faceY(m_keyCursor));
    for (const platform::Rect& arm : arms) {
        fill(m_buffer, {arm.x - 1, arm.y - 1, arm.width + 2, arm.height + 2}, platform::kBlack);
    }
    for (const platform::Rect& arm : arms) {
        fill(m_buffer, arm, kKeyCursorColour);
    }
}

}  // namespace orbeni
