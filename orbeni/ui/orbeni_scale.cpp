#include <QScrollArea>

#include "orbeni/ui/bitmap_view.h"
#include "orbeni/ui/orbeni_window.h"

// The board drawn as large as the window allows, and the board and side panel drawn with the
// screen's own pixels on a HiDPI screen.

namespace orbeni {

// Off again, the window gives up the room past the board at its own size.
void TOrbeni::ScaleBoardClick() {
    m_settings.options.scaleBoard = !m_settings.options.scaleBoard;
    applyBoardScale();
    FormResize();
}

// A scaled board always fits its view, so the scroll box never shows scroll bars for it.
void TOrbeni::applyBoardScale() {
    const bool scaled = m_settings.options.scaleBoard;
    m_boardImage->scaleToView(scaled);
    const Qt::ScrollBarPolicy bars = scaled ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    m_scrolling->setHorizontalScrollBarPolicy(bars);
    m_scrolling->setVerticalScrollBarPolicy(bars);
}

// Shows the pictures with as many pixels as the tileset in use gave them, and draws the side
// panel's texts at that resolution.
void TOrbeni::followPixelScale() {
    const int scale = m_painter.pixelScale();
    m_boardImage->setPixelRatio(scale);
    m_hofBox->setPixelRatio(scale);
    ShowPanelHOF();
}

}  // namespace orbeni
