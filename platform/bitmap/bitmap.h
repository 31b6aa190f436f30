#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace platform {

// A pixel as 0xFFRRGGBB: the layout of a 32-bit device-independent bitmap, always opaque, so a
// window can show the pixels without converting them (Qt's RGB32 format).
using Pixel = std::uint32_t;

constexpr Pixel rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return 0xFF000000u | (Pixel(red) << 16) | (Pixel(green) << 8) | Pixel(blue);
}
constexpr std::uint8_t redOf(Pixel p) {
    return std::uint8_t(p >> 16);
}
constexpr std::uint8_t greenOf(Pixel p) {
    return std::uint8_t(p >> 8);
}
constexpr std::uint8_t blueOf(Pixel p) {
    return std::uint8_t(p);
}

inline constexpr Pixel kBlack = rgb(0, 0, 0);
inline constexpr Pixel kWhite = rgb(255, 255, 255);

// A rectangle of pixels: x and y of its top-left corner, its width and height.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The part two rectangles share; empty (0 x 0 at the origin) when they do not overlap.
Rect intersected(const Rect& a, const Rect& b);

// A picture of 32-bit pixels in top-down rows, the stand-in for a memory device context with its
// selected bitmap. A null bitmap has no pixels: a width or height below 1 makes one, 0 x 0.
// The constructor and setPixel() store every pixel opaque (alpha byte 0xFF), as do the raster
// operations; only writes through row() can break that.
class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, Pixel fill = kBlack);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isNull() const { return m_pixels.empty(); }
    Rect rect() const { return {0, 0, m_width, m_height}; }

    // Pixel access; coordinates outside the picture read as black and write nothing.
    Pixel pixel(int x, int y) const;
    void setPixel(int x, int y, Pixel value);

    Pixel* row(int y) { return m_pixels.data() + std::size_t(y) * std::size_t(m_width); }
    const Pixel* row(int y) const { return m_pixels.data() + std::size_t(y) * std::size_t(m_width); }
    std::span<const Pixel> pixels() const { return m_pixels; }

    friend bool operator==(const Bitmap&, const Bitmap&) = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<Pixel> m_pixels;
};

}  // namespace platform
