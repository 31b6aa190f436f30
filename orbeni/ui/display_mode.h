#pragma once

#include <QSize>

namespace orbeni {

// The switch of the display to 800 x 600 for this session, and back at closing. Only an X server
// with RandR allows it; Wayland and the other platforms refuse the test, and nothing changes.
class DisplayMode {
public:
    // True when the display was switched (not when it already was 800 x 600).
    bool switchTo800x600();
    // Gives the display back the mode it had before the switch; nothing when there was none.
    void restore();

private:
    QSize m_previous;
};

}  // namespace orbeni
