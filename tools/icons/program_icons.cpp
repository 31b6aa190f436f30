#include "program_icons.h"

namespace icons {

namespace {

const QColor kIvory(0xf4, 0xec, 0xd6);
const QColor kInk(0x3a, 0x2e, 0x22);

// A game tile seen a little from above: its dark side below and to the left, its face on top.
void addTile(Icon& icon, double x, double y, double width, double height, const QColor& side) {
    const double depth = width * 0.12;
    icon.push_back(RoundedBox{x - depth, y + depth, width, height, width * 0.12, side, {kInk, 3}});
    icon.push_back(RoundedBox{x, y, width, height, width * 0.12, kIvory, {kInk, 3}});
}

// A diamond of the given half size around a centre.
Polygon diamond(double cx, double cy, double half, const QColor& fill) {
    return Polygon{{{cx, cy - half}, {cx + half, cy}, {cx, cy + half}, {cx - half, cy}}, fill, {kInk, 2}};
}

// Three tiles of a heap, the front one a five of circles.
Icon orbeniIcon() {
    const QColor jade(0x2f, 0x7d, 0x4f);
    Icon icon;
    addTile(icon, 118, 22, 108, 146, jade);
    addTile(icon, 74, 58, 108, 146, jade);
    addTile(icon, 40, 94, 108, 146, jade);
    const QColor blue(0x1f, 0x4e, 0x9c);
    const QColor red(0xc0, 0x25, 0x25);
    for (const QPointF corner : {QPointF(68, 124), QPointF(120, 124), QPointF(68, 210), QPointF(120, 210)}) {
        icon.push_back(Disc{corner.x(), corner.y(), 17, blue, {kInk, 2}});
    }
    icon.push_back(Disc{94, 167, 20, red, {kInk, 2}});
    return icon;
}

// A small pyramid of layered tiles, each marked with a diamond.
Icon morvaneIcon() {
    const QColor slate(0x4a, 0x5a, 0x8c);
    const QColor gold(0xd8, 0xa0, 0x20);
    const QColor plum(0x8c, 0x2a, 0x6a);
    Icon icon;
    addTile(icon, 28, 118, 96, 124, slate);
    icon.push_back(diamond(76, 180, 30, plum));
    addTile(icon, 140, 118, 96, 124, slate);
    icon.push_back(diamond(188, 180, 30, plum));
    addTile(icon, 86, 22, 96, 124, slate);
    icon.push_back(diamond(134, 84, 34, gold));
    return icon;
}

// A board with six stones; the two gold ones match and are joined by their free path.
Icon pocketquilletIcon() {
    const QColor felt(0x1e, 0x6a, 0x52);
    const QColor gold(0xe8, 0xb8, 0x30);
    const QColor stone(0x9a, 0xa6, 0xb4);
    const QColor ruby(0xb8, 0x30, 0x40);
    Icon icon;
    icon.push_back(RoundedBox{16, 40, 224, 176, 28, felt, {kInk, 4}});
    icon.push_back(Polygon{
        {{72, 96}, {184, 96}, {184, 160}, {178, 160}, {178, 102}, {72, 102}}, QColor(0xff, 0xf4, 0xc0), {}});
    const QColor colours[2][3] = {{gold, stone, ruby}, {stone, ruby, gold}};
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
            icon.push_back(Disc{72.0 + 56 * column, 96.0 + 64 * row, 24, colours[row][column], {kInk, 3}});
        }
    }
    return icon;
}

}  // namespace

std::vector<ProgramIcon> programIcons() {
    return {{"orbeni", orbeniIcon()}, {"morvane", morvaneIcon()}, {"pocketquillet", pocketquilletIcon()}};
}

}  // namespace icons
