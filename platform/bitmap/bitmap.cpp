#include "platform/bitmap/bitmap.h"

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

}  // namespace platform
