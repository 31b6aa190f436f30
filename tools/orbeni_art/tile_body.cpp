#include "tile_body.h"

#include <algorithm>

namespace orbeni_art {

namespace {

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// How far a pixel of the tile lies behind the face: 0 on the face, up to 6 at the back.
int depthOf(int x, int y) {
    return std::max({0, kEdge - x, y - (kFaceHeight - 1)});
}

// Colours one pixel of the tile's side: ivory next to the face, then the coloured back, the
// bottom side in shadow.
QColor sideColour(int x, int y, const TilePalette& palette) {
    const int depth = depthOf(x, y);
    const bool bottomSide = y - (kFaceHeight - 1) > kEdge - x;
    const double along = bottomSide ? double(x) / kTileWidth : double(y) / kTileHeight;
    QColor colour;
    if (depth <= 2) {
        colour = mix(palette.bone, palette.faceDark, depth == 1 ? 0.2 : 0.55);
    } else if (depth == 3) {
        colour = mix(palette.faceDark, palette.backDark, 0.45);
    } else {
        colour = mix(palette.backLight, palette.backDark, 0.25 + 0.4 * along + (depth == 6 ? 0.35 : 0.0));
    }
    return bottomSide ? colour.darker(128) : colour;
}

}  // namespace

platform::Pixel toPixel(const QColor& colour) {
    return platform::rgb(std::uint8_t(colour.red()), std::uint8_t(colour.green()),
                         std::uint8_t(colour.blue()));
}

bool insideTileOutline(int x, int y) {
    if (x < 0 || y < 0 || x >= kTileWidth || y >= kTileHeight) {
        return false;
    }
    const int depth = depthOf(x, y);
    return depth <= kEdge && x + depth < kTileWidth && y - depth >= 0;
}

void drawFace(platform::Bitmap& sheet, int left, int top, const FaceTint& tint) {
    for (int y = 0; y < kFaceHeight; ++y) {
        for (int x = 0; x < kFaceWidth; ++x) {
            const double shade = 0.35 * x / (kFaceWidth - 1) + 0.65 * y / (kFaceHeight - 1);
            QColor colour = mix(tint.light, tint.dark, 0.85 * shade);
            if (y == 0 || x == kFaceWidth - 1) {
                colour = mix(colour, Qt::white, 0.6);
            } else if (x == 0 || y == kFaceHeight - 1) {
                colour = mix(colour, tint.dark, 0.7);
            } else if (y == 1 || x == kFaceWidth - 2) {
                colour = mix(colour, Qt::white, 0.25);
            }
            sheet.setPixel(left + x, top + y, toPixel(colour));
        }
    }
}

void drawBlankTile(platform::Bitmap& sheet, int left, int top, const TilePalette& palette) {
    for (int y = 0; y < kTileHeight; ++y) {
        for (int x = 0; x < kTileWidth; ++x) {
            const bool inside = insideTileOutline(x, y);
            sheet.setPixel(left + x, top + y, inside ? toPixel(sideColour(x, y, palette)) : platform::kBlack);
        }
    }
    drawFace(sheet, left + kEdge, top, {palette.faceLight, palette.faceDark});
}

void drawTileMask(platform::Bitmap& sheet, int left, int top) {
    for (int y = 0; y < kTileHeight; ++y) {
        for (int x = 0; x < kTileWidth; ++x) {
            sheet.setPixel(left + x, top + y, insideTileOutline(x, y) ? platform::kBlack : platform::kWhite);
        }
    }
}

}  // namespace orbeni_art
