#include "orbeni/view/board_scale.h"

#include <algorithm>
#include <cmath>

namespace orbeni {

namespace {

// The smallest a scaled board is drawn, so that a view shrunk to nothing still maps its points.
constexpr int kSmallestSide = 1;

int floorDiv(long long numerator, long long denominator) {
    long long quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0))) {
        --quotient;
    }
    return int(quotient);
}

int ceilDiv(long long numerator, long long denominator) {
    return -floorDiv(-numerator, denominator);
}

}  // namespace

BoardScale::BoardScale(platform::Rect shown, int boardWidth, int boardHeight)
    : m_shown(shown), m_boardWidth(std::max(boardWidth, 1)), m_boardHeight(std::max(boardHeight, 1)) {}

BoardScale BoardScale::centred(int viewWidth, int viewHeight, int boardWidth, int boardHeight) {
    const int left = std::max(0, (viewWidth - boardWidth) / 2);
    const int top = std::max(0, (viewHeight - boardHeight) / 2);
    return BoardScale({left, top, boardWidth, boardHeight}, boardWidth, boardHeight);
}

// The side that limits the scale fills the view; the other is rounded to the nearest pixel, so
// that the board covers whole pixels and its proportions stay within half a pixel.
BoardScale BoardScale::fitted(int viewWidth, int viewHeight, int boardWidth, int boardHeight) {
    const int safeWidth = std::max(boardWidth, 1);
    const int safeHeight = std::max(boardHeight, 1);
    const double scale = std::min(double(viewWidth) / safeWidth, double(viewHeight) / safeHeight);
    const int width = std::max(kSmallestSide, std::min(viewWidth, int(std::lround(safeWidth * scale))));
    const int height = std::max(kSmallestSide, std::min(viewHeight, int(std::lround(safeHeight * scale))));
    const int left = std::max(0, (viewWidth - width) / 2);
    const int top = std::max(0, (viewHeight - height) / 2);
    return BoardScale({left, top, width, height}, safeWidth, safeHeight);
}

// Each view pixel shows the board pixel under its centre, as the filtered picture centres it.
BoardPoint BoardScale::toBoard(int viewX, int viewY) const {
    const long long x = 2LL * (viewX - m_shown.x) + 1;
    const long long y = 2LL * (viewY - m_shown.y) + 1;
    return {floorDiv(x * m_boardWidth, 2LL * m_shown.width),
            floorDiv(y * m_boardHeight, 2LL * m_shown.height)};
}

platform::Rect BoardScale::toView(platform::Rect board) const {
    const int margin = isUnscaled() ? 0 : 1;
    const int left = m_shown.x + floorDiv(1LL * board.x * m_shown.width, m_boardWidth) - margin;
    const int top = m_shown.y + floorDiv(1LL * board.y * m_shown.height, m_boardHeight) - margin;
    const int right =
        m_shown.x + ceilDiv(1LL * (board.x + board.width) * m_shown.width, m_boardWidth) + margin;
    const int bottom =
        m_shown.y + ceilDiv(1LL * (board.y + board.height) * m_shown.height, m_boardHeight) + margin;
    return {left, top, right - left, bottom - top};
}

platform::Rect BoardScale::toBoard(platform::Rect view) const {
    const int left = floorDiv(1LL * (view.x - m_shown.x) * m_boardWidth, m_shown.width);
    const int top = floorDiv(1LL * (view.y - m_shown.y) * m_boardHeight, m_shown.height);
    const int right = ceilDiv(1LL * (view.x + view.width - m_shown.x) * m_boardWidth, m_shown.width);
    const int bottom = ceilDiv(1LL * (view.y + view.height - m_shown.y) * m_boardHeight, m_shown.height);
    return {left, top, right - left, bottom - top};
}

}  // namespace orbeni
