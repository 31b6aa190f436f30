#include <cstdio>

#include "morvane/game/game.h"
#include "morvane/game/hall_of_fame.h"

namespace morvane {

std::string Game::rulesOrCursorText() const {
    if (m_design.active()) {
        return m_design.cursorText();
    }
    std::string text(9, ' ');
    text[0] = m_settings.rules.left ? '<' : ' ';
    text[2] = m_settings.rules.up ? '^' : ' ';
    text[4] = m_settings.rules.lift ? 'O' : ' ';
    text[6] = m_settings.rules.down ? '_' : ' ';
    text[8] = m_settings.rules.right ? '>' : ' ';
    return text;
}

std::string Game::tilesText() const {
    return std::to_string(m_design.active() ? m_design.spaceCount() : m_tilesLeft);
}

std::string Game::selectedCodeText() const {
    if (m_first.isNone()) {
        return {};
    }
    const TileCode code = m_play.at(m_first);
    int count = 0;
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            for (int z = 0; z < kLayers; ++z) {
                count += code != 0 && m_play.at(x, y, z) == code ? 1 : 0;
            }
        }
    }
    return count == 0 ? std::string() : std::to_string(count);
}

std::string Game::timeText() const {
    return morvane::timeText(m_elapsedSeconds);
}

}  // namespace morvane
