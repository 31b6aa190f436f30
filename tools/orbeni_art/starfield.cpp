#include <algorithm>
#include <cmath>
#include <cstdint>

#include "backgrounds.h"

namespace orbeni_art {

namespace {

// A fixed-seed generator so the same sky comes out on every build.
class Sparkle {
public:
    double next() {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return double(m_state >> 11) / double(1ull << 53);
    }

private:
    std::uint64_t m_state = 0x0A2D40ED3Aull;
};

double hashNoise(int x, int y) {
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return double(h ^ (h >> 16)) / 4294967295.0;
}

double smoothNoise(double x, double y) {
    const int ix = int(std::floor(x));
    const int iy = int(std::floor(y));
    const double fx = x - ix;
    const double fy = y - iy;
    const double sx = fx * fx * (3 - 2 * fx);
    const double sy = fy * fy * (3 - 2 * fy);
    const double top = hashNoise(ix, iy) + (hashNoise(ix + 1, iy) - hashNoise(ix, iy)) * sx;
    const double bottom = hashNoise(ix, iy + 1) + (hashNoise(ix + 1, iy + 1) - hashNoise(ix, iy + 1)) * sx;
    return top + (bottom - top) * sy;
}

// Fractal clouds in 0..1.
double clouds(double x, double y) {
    double sum = 0;
    double amplitude = 0.5;
    for (int octave = 0; octave < 5; ++octave) {
        sum += amplitude * smoothNoise(x, y);
        x = x * 2.03 + 17.1;
        y = y * 2.03 + 5.3;
        amplitude *= 0.5;
    }
    return sum;
}

struct Light {
    double red = 0;
    double green = 0;
    double blue = 0;
};

// Lights a pixel of the tilted galaxy: a warm core, a bluish disc crossed by dark dust lanes.
Light galaxy(double x, double y) {
    const double angle = -0.62;
    const double u = (x - 470) * std::cos(angle) - (y - 170) * std::sin(angle);
    const double v = ((x - 470) * std::sin(angle) + (y - 170) * std::cos(angle)) / 0.32;
    const double r = std::hypot(u, v);
    const double core = std::exp(-(r * r) / (2 * 14.0 * 14.0));
    const double lanes = 1 - 0.55 * std::pow(std::max(0.0, std::sin(r / 11.0 + 0.8 * std::atan2(v, u))), 6);
    const double disc = std::exp(-r / 52.0) * lanes * (0.75 + 0.5 * clouds(u / 18, v / 18));
    return {1.1 * core + 0.55 * disc, 1.0 * core + 0.58 * disc, 0.8 * core + 0.78 * disc};
}

Light nebula(double x, double y) {
    const double violet = std::pow(clouds(x / 140.0, y / 140.0), 3.0) * 0.9;
    const double teal = std::pow(clouds(x / 95.0 + 40, y / 95.0 + 9), 4.0) * 0.7;
    return {0.55 * violet + 0.02, 0.08 * violet + 0.35 * teal + 0.02, 0.7 * violet + 0.45 * teal + 0.07};
}

void addStar(platform::Bitmap& sky, double x, double y, double brightness, double warmth) {
    const int radius = brightness > 0.9 ? 3 : 1;
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const int px = int(x) + dx;
            const int py = int(y) + dy;
            const double glow = brightness * std::exp(-(dx * dx + dy * dy) / (radius > 1 ? 1.6 : 0.35));
            const platform::Pixel old = sky.pixel(px, py);
            auto lift = [glow](int channel, double tint) {
                return std::uint8_t(std::min(255.0, channel + 255 * glow * tint));
            };
            sky.setPixel(px, py,
                         platform::rgb(lift(platform::redOf(old), 0.85 + 0.15 * warmth),
                                       lift(platform::greenOf(old), 0.9),
                                       lift(platform::blueOf(old), 1.0 - 0.2 * warmth)));
        }
    }
}

}  // namespace

platform::Bitmap makeAndromeda() {
    platform::Bitmap sky(kBoardWidth, kBoardHeight);
    for (int y = 0; y < kBoardHeight; ++y) {
        for (int x = 0; x < kBoardWidth; ++x) {
            const Light haze = nebula(x, y);
            const Light disc = galaxy(x, y);
            auto level = [](double value) { return std::uint8_t(std::clamp(255 * value, 0.0, 255.0)); };
            sky.setPixel(x, y,
                         platform::rgb(level(haze.red + disc.red), level(haze.green + disc.green),
                                       level(haze.blue + disc.blue)));
        }
    }
    Sparkle sparkle;
    for (int star = 0; star < 1800; ++star) {
        const double x = sparkle.next() * kBoardWidth;
        const double y = sparkle.next() * kBoardHeight;
        const double brightness = std::pow(sparkle.next(), 6.0);
        addStar(sky, x, y, 0.15 + 0.85 * brightness, sparkle.next());
    }
    return sky;
}

}  // namespace orbeni_art
