#pragma once

#include <array>
#include <bitset>
#include <string>
#include <string_view>
#include <utility>

#include "platform/bitmap/bitmap.h"
#include "pocketquillet/view/window_geometry.h"

namespace pocketquillet {

class PocketGame;

// The 16 standard colours by index: black, navy, dark green, teal, dark red, purple, olive,
// silver, grey, blue, green, cyan, red, magenta, yellow, white.
platform::Pixel standardColour(int index);

inline constexpr int kBlackIndex = 0;
inline constexpr int kDarkRedIndex = 4;
inline constexpr int kSilverIndex = 7;
inline constexpr int kGreyIndex = 8;
inline constexpr int kYellowIndex = 14;
inline constexpr int kWhiteIndex = 15;

// One text of the status box: drawn first in the shadow colour on its background one pixel
// right and down, then in the text colour without background at its place.
struct StatusLine {
    Point origin;
    std::string text;  // UTF-8
    platform::Pixel shadow = standardColour(kWhiteIndex);
    platform::Pixel shadowBackground = standardColour(kSilverIndex);
    platform::Pixel colour = standardColour(kDarkRedIndex);
    friend bool operator==(const StatusLine&, const StatusLine&) = default;
};

// Three lines in each of up to three columns.
inline constexpr int kMostStatusLines = 9;
struct StatusLines {
    std::array<StatusLine, kMostStatusLines> lines;
    int count = 0;
    void add(StatusLine line) { lines[static_cast<std::size_t>(count++)] = std::move(line); }
};

// The status lines of the running game in its mode and language, placed by the geometry.
StatusLines statusLines(const PocketGame& game, const BoardGeometry& geometry);

// Which lines must be drawn again because their text, colour or place differs from before.
std::bitset<kMostStatusLines> changedLines(const StatusLines& before, const StatusLines& now);

// Fills the one conversion of a status pattern (%-4d, %-7lu, %-4u, %-17s) with a number or a
// text, padded by characters rather than bytes.
std::string formatStatus(std::string_view pattern, long long number);
std::string formatStatus(std::string_view pattern, std::string_view text);

// The number of characters (not bytes) of a UTF-8 text.
int characterCount(std::string_view text);

}  // namespace pocketquillet
