#include "tile_body.h"

#include <algorithm>

namespace orbeni_art {

namespace {

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// How far a pixel of the tile lies behind the face: 0 on the face, up to 6 * scale at the back.
int depthOf(int x, int y, int scale) {
    return std::max({0, kEdge * scale - x, y - (kFaceHeight * scale - 1)});
}

// Colours one pixel of the tile's side: ivory next to the face, then the coloured back, the
// bottom side in shadow. The colour bands are those of the tile's own size, each scale pixels deep.
QColor sideColour(int x, int y, const TilePalette& palette, int scale) {
    const int depth = (depthOf(x, y, scale) + scale - 1) / scale;
    const bool bottomSide = y - (kFaceHeight * scale - 1) > kEdge * scale - x;
    const double along = bottomSide ? double(x) / (kTileWidth * scale) : double(y) / (kTileHeight * scale);
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

bool insideTileOutline(int x, int y, int scale) {
    if (x < 0 || y < 0 || x >= kTileWidth * scale || y >= kTileHeight * scale) {
        return false;
    }
    const int depth = depthOf(x, y, scale);
    return depth <= kEdge * scale && x + depth < kTileWidth * scale && y - depth >= 0;
}

// The bevel lines are one pixel of the face's own size wide, scale pixels at a larger scale.
void drawFace(platform::Bitmap& sheet, int left, int top, const FaceTint& tint, int scale) {
    for (int y = 0; y < kFaceHeight * scale; ++y) {
        for (int x = 0; x < kFaceWidth * scale; ++x) {
            const double shade = 0.35 * x / (kFaceWidth * scale - 1) + 0.65 * y / (kFaceHeight * scale - 1);
            const int column = x / scale;
            const int row = y / scale;
            QColor colour = mix(tint.light, tint.dark, 0.85 * shade);
            if (row == 0 || column == kFaceWidth - 1) {
                colour = mix(colour, Qt::white, 0.6);
            } else if (column == 0 || row == kFaceHeight - 1) {
                colour = mix(colour, tint.dark, 0.7);
            } else if (row == 1 || column == kFaceWidth - 2) {
                colour = mix(colour, Qt::white, 0.25);
            }
            sheet.setPixel(left + x, top + y, toPixel(colour));
        }
    }
}

void drawBlankTile(platform::Bitmap& sheet, int left, int top, const TilePalette& palette, int scale) {
    for (int y = 0; y < kTileHeight * scale; ++y) {
        for (int x = 0; x < kTileWidth * scale; ++x) {
            const bool inside = insideTileOutline(x, y, scale);
            sheet.setPixel(left + x, top + y,
                           inside ? toPixel(sideColour(x, y, palette, scale)) : platform::kBlack);
        }
    }
    drawFace(sheet, left + kEdge * scale, top, {palette.faceLight, palette.faceDark}, scale);
}

void drawTileMask(platform::Bitmap& sheet, int left, int top, int scale) {
    for (int y = 0; y < kTileHeight * scale; ++y) {
        for (int x = 0; x < kTileWidth * scale; ++x) {
            const bool inside = insideTileOutline(x, y, scale);
            sheet.setPixel(left + x, top + y, inside ? platform::kBlack : platform::kWhite);
        }
    }
}

}  // namespace orbeni_art
