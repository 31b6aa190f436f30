#pragma once

#include <QFont>

#include "pocketquillet/view/board_painter.h"

namespace pocketquillet {

// The status font: "Courier New" 12 px bold, or DejaVu Sans Mono where it is missing, widened
// to characters 8 px wide; it draws into the painter's bitmaps.
class StatusFont final : public TextDrawer {
public:
    StatusFont();

    StatusMetrics metrics() const override { return m_metrics; }
    void drawText(platform::Bitmap& target, Point origin, std::string_view text, platform::Pixel colour,
                  const platform::Pixel* background) override;

    const QFont& font() const { return m_font; }

private:
    QFont m_font;
    StatusMetrics m_metrics;
    int m_ascent = 0;
    int m_height = 0;
};

}  // namespace pocketquillet
