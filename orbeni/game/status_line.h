#pragma once

#include <string_view>

#include "orbeni/game/status_message.h"

namespace orbeni {

class Host;

// The message panel of the status bar: every part of the game tells the player what happened
// there, and the clock's ticks reveal it.
class StatusLine {
public:
    explicit StatusLine(Host& host) : m_host(host) {}

    void ShowStatus(std::string_view text);
    // Shows the no-more-moves text, which swings back and forth until a move returns.
    void showNoMoreMoves();
    bool noMovesShown() const { return m_noMovesShown; }
    void clearNoMoreMoves() { m_noMovesShown = false; }
    // Reveals the message one tick further; without Cool Status a new text shows whole at once.
    void reveal(bool coolStatus);
    // Whether the next tick can change what the panel shows.
    bool revealing() const { return m_message.moving(style()); }
    const StatusMessage& message() const { return m_message; }

private:
    RevealStyle style() const { return m_noMovesShown ? RevealStyle::Bounce : RevealStyle::Slide; }

    Host& m_host;
    StatusMessage m_message;
    bool m_noMovesShown = false;
};

}  // namespace orbeni
