#include "platform/bitmap/bitmap.h"

#include <algorithm>

namespace platform {

Bitmap::Bitmap(int width, int height, Pixel fill) {
    if (width <= 0 || height <= 0) {
        return;  // a picture without pixels is the null bitmap, 0 x 0
    }
    m_width = width;
    m_height = height;
    m_pixels.assign(std::size_t(width) * std::size_t(height), fill | 0xFF000000u);
}

Pixel Bitmap::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return kBlack;
    }
    return row(y)[x];
}

void Bitmap::setPixel(int x, int y, Pixel value) {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) {
        return;
    }
    row(y)[x] = value | 0xFF000000u;
}

Rect intersected(const Rect& a, const Rect& b) {
    const int left = std::max(a.x, b.x);
    const int top = std::max(a.y, b.y);
    const long long right =
        std::min(static_cast<long long>(a.x) + a.width, static_cast<long long>(b.x) + b.width);
    const long long bottom =
        std::min(static_cast<long long>(a.y) + a.height, static_cast<long long>(b.y) + b.height);
    if (a.width <= 0 || a.height <= 0 || b.width <= 0 || b.height <= 0 || right <= left || bottom <= top) {
        return {};
    }
    return {left, top, static_cast<int>(right - left), static_cast<int>(bottom - top)};
}

}  // namespace platform
