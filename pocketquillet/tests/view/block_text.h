#pragma once

#include <string_view>

#include "platform/bitmap/raster_ops.h"
#include "pocketquillet/view/board_painter.h"
#include "pocketquillet/view/status_lines.h"

namespace pocketquillet::test {

// Draws each character as a block: a background box when opaque, and a bar of the colour.
class BlockText final : public TextDrawer {
public:
    StatusMetrics metrics() const override { return {8, 14}; }
    void drawText(platform::Bitmap& target, Point origin, std::string_view text, platform::Pixel colour,
                  const platform::Pixel* background) override {
        const int width = characterCount(text) * 8;
        if (background != nullptr) {
            platform::fillRect(target, {origin.x, origin.y, width, 14}, *background);
        }
        platform::fillRect(target, {origin.x, origin.y + 5, width, 3}, colour);
        ++calls;
    }
    int calls = 0;
};

}  // namespace pocketquillet::test
