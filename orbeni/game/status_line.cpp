#include "orbeni/game/status_line.h"

#include "orbeni/game/host.h"

namespace orbeni {

void StatusLine::ShowStatus(std::string_view text) {
    m_message.show(text);
    m_host.setStatusText(StatusPanel::Message, m_message.visible());
}

void StatusLine::showNoMoreMoves() {
    ShowStatus("      SORRY, NO MORE MOVES !!");
    m_noMovesShown = true;
}

void StatusLine::reveal(bool coolStatus) {
    const int before = m_message.position();
    m_message.step(style(), coolStatus);
    if (m_message.position() != before) {
        m_host.setStatusText(StatusPanel::Message, m_message.visible());
    }
}

}  // namespace orbeni
