#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/bitmap/bitmap.h"

namespace pocketquillet {

// The window's place when "WindowPos" says "MAX": the top-left corner at the system's size.
inline constexpr std::u16string_view kMaximalWindowPos = u"MAX";
// The size a window takes when its right or bottom edge lies before its left or top.
inline constexpr int kFallbackWindowWidth = 640;
inline constexpr int kFallbackWindowHeight = 480;

// Where the window opens: a rectangle, or the system's default size at (0, 0) when none is set.
struct WindowPlacement {
    bool systemSize = true;
    platform::Rect rect;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// Reads "WindowPos": "MAX" in any case, or left, top, right and bottom as percentages of the
// screen. A negative left or top becomes 0; an edge before its opposite gives the fallback size
// from that side of the screen. Any other text counts as "MAX".
WindowPlacement windowPlacement(std::u16string_view windowPos, int screenWidth, int screenHeight);

// Writes a window rectangle as "left,top,right,bottom".
std::u16string windowPosText(const platform::Rect& window);

}  // namespace pocketquillet
