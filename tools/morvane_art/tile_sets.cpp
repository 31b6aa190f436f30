#include "tile_sets.h"

#include "platform/bitmap/bitmap.h"

namespace morvane_art {

namespace {

using art_common::SymbolFamily;

QColor colourOf(platform::Pixel pixel) {
    return QColor(platform::redOf(pixel), platform::greenOf(pixel), platform::blueOf(pixel));
}

enum BuiltInColour {
    kTable,
    kInk,
    kIvory,
    kIvoryShade,
    kBone,
    kBack,
    kOutline,
    kRed,
    kGreen,
    kDarkGreen,
    kBlue,
    kNavy,
    kGold,
    kOrange,
    kGrey,
    kWhite
};

}  // namespace

const art_common::Palette16& builtInPalette() {
    using platform::rgb;
    static const art_common::Palette16 kPalette = {
        rgb(26, 70, 58),    rgb(30, 26, 24),   rgb(250, 246, 232), rgb(222, 210, 182),
        rgb(206, 184, 140), rgb(150, 94, 50),  rgb(80, 46, 24),    rgb(206, 36, 36),
        rgb(36, 150, 70),   rgb(14, 88, 46),   rgb(38, 92, 204),   rgb(26, 38, 108),
        rgb(238, 180, 36),  rgb(234, 112, 34), rgb(140, 138, 128), rgb(255, 255, 255)};
    return kPalette;
}

TileStyle builtInStyle() {
    const auto c = [](BuiltInColour colour) { return colourOf(builtInPalette()[colour]); };
    TileStyle style;
    style.table = c(kTable);
    style.face = c(kIvory);
    style.faceShade = c(kIvoryShade);
    style.bone = c(kBone);
    style.back = c(kBack);
    style.outline = c(kOutline);
    style.inks = {c(kIvory), c(kInk),  c(kRed),  c(kGreen),  c(kDarkGreen),
                  c(kBlue),  c(kNavy), c(kGold), c(kOrange), c(kWhite)};
    style.hardEdges = true;
    return style;
}

std::vector<GroupRow> builtInGroups() {
    return {{SymbolFamily::Pearls, 9}, {SymbolFamily::Reeds, 9},   {SymbolFamily::Numerals, 9},
            {SymbolFamily::Winds, 4},  {SymbolFamily::Emblems, 3}, {SymbolFamily::Seasons, 4},
            {SymbolFamily::Moons, 4}};
}

TileStyle lanternStyle() {
    TileStyle style;
    style.width = 56;
    style.height = 72;
    style.depth = 8;
    style.table = QColor(18, 24, 52);
    style.face = QColor(40, 22, 20);
    style.faceShade = QColor(196, 148, 52);
    style.bone = QColor(168, 36, 30);
    style.back = QColor(110, 18, 18);
    style.outline = QColor(50, 8, 8);
    style.inks = {QColor(40, 22, 20),   QColor(250, 226, 160), QColor(236, 64, 48), QColor(110, 196, 110),
                  QColor(40, 120, 70),  QColor(242, 196, 70),  QColor(34, 44, 96),  QColor(250, 206, 80),
                  QColor(244, 140, 50), QColor(255, 250, 230)};
    return style;
}

// Lantern's pearls are gold on lacquer; its numerals count 1..6.
std::vector<GroupRow> lanternGroups() {
    return {{SymbolFamily::Pearls, 9},
            {SymbolFamily::Numerals, 6},
            {SymbolFamily::Seasons, 4},
            {SymbolFamily::Moons, 4}};
}

TileStyle terraceStyle() {
    TileStyle style;
    style.width = 48;
    style.height = 62;
    style.depth = 10;
    style.table = QColor(58, 64, 70);
    style.face = QColor(214, 232, 214);
    style.faceShade = QColor(168, 196, 172);
    style.bone = QColor(150, 178, 154);
    style.back = QColor(96, 120, 104);
    style.outline = QColor(46, 60, 52);
    style.inks = {QColor(214, 232, 214), QColor(30, 44, 40),   QColor(190, 40, 48), QColor(40, 140, 80),
                  QColor(20, 84, 52),    QColor(40, 84, 170),  QColor(24, 36, 96),  QColor(220, 160, 40),
                  QColor(224, 104, 40),  QColor(255, 255, 255)};
    return style;
}

std::vector<GroupRow> terraceGroups() {
    return {{SymbolFamily::Reeds, 9},
            {SymbolFamily::Winds, 4},
            {SymbolFamily::Emblems, 3},
            {SymbolFamily::Seasons, 4},
            {SymbolFamily::Moons, 4}};
}

}  // namespace morvane_art
