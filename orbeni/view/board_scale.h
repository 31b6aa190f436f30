#pragma once

#include "platform/bitmap/bitmap.h"

namespace orbeni {

// A point of the board image, in board pixels; outside the image when the pointer is over the
// letterbox around it.
struct BoardPoint {
    int x = 0;
    int y = 0;
    bool operator==(const BoardPoint&) const = default;
};

// Where the board image stands in its view and how large it is drawn: the one rule that both the
// painting and the hit test follow. Board pixels are those of the 704 x 468 board image; view
// pixels are the widget's own (logical) pixels.
class BoardScale {
public:
    // The board at its own size, in the middle of a view larger than it, at the corner of one
    // smaller than it.
    static BoardScale centred(int viewWidth, int viewHeight, int boardWidth, int boardHeight);
    // The board as large as the view allows, keeping its proportions, in the middle of the view.
    static BoardScale fitted(int viewWidth, int viewHeight, int boardWidth, int boardHeight);

    // The board image's place in the view.
    const platform::Rect& shown() const { return m_shown; }
    double scaleX() const { return double(m_shown.width) / m_boardWidth; }
    double scaleY() const { return double(m_shown.height) / m_boardHeight; }
    bool isUnscaled() const { return m_shown.width == m_boardWidth && m_shown.height == m_boardHeight; }

    // The board pixel under a view pixel.
    BoardPoint toBoard(int viewX, int viewY) const;
    // The view pixels that show any part of a rectangle of the board, with one more pixel around a
    // scaled board for the smoothing that reaches over from its neighbours.
    platform::Rect toView(platform::Rect board) const;
    // The board pixels that any part of a rectangle of the view shows.
    platform::Rect toBoard(platform::Rect view) const;

private:
    BoardScale(platform::Rect shown, int boardWidth, int boardHeight);

    platform::Rect m_shown;
    int m_boardWidth = 1;
    int m_boardHeight = 1;
};

}  // namespace orbeni
