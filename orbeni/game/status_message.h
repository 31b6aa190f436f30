#pragma once

#include <string>
#include <string_view>

namespace orbeni {

enum class RevealStyle { Slide, Bounce };

// The status message and its reveal: a new text slides in two characters per tick, the
// no-more-moves text swings back and forth.
class StatusMessage {
public:
    void show(std::string_view text) {
        m_text = text;
        m_position = static_cast<int>(m_text.size());
        m_direction = 1;
    }
    // Advances the reveal by one tick; without Cool Status a sliding text shows whole at once.
    void step(RevealStyle style, bool coolStatus) {
        if (style == RevealStyle::Bounce) {
            m_position += 2 * m_direction;
            if (m_position < 1 || m_position >= static_cast<int>(m_text.size())) {
                m_direction = -m_direction;
                m_position += 2 * m_direction;
            }
        } else if (m_position > 1) {
            m_position = coolStatus ? m_position - 2 : 1;
        }
        if (m_position < 1) {
            m_position = 1;
        }
    }
    // Whether the next step can move the text: a sliding text stops once it shows whole, the
    // no-more-moves text swings for as long as it shows.
    bool moving(RevealStyle style) const {
        return style == RevealStyle::Bounce ? !m_text.empty() : m_position > 1;
    }
    int position() const { return m_position; }
    const std::string& text() const { return m_text; }
    // The part on display: from character `position` (1-based) to the end.
    std::string_view visible() const {
        const std::size_t from = m_position > 1 ? static_cast<std::size_t>(m_position - 1) : 0;
        return from < m_text.size() ? std::string_view(m_text).substr(from) : std::string_view();
    }

private:
    std::string m_text;
    int m_position = 0;
    int m_direction = 1;
};

}  // namespace orbeni
