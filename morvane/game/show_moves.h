#pragma once

#include <array>
#include <functional>

#include "morvane/game/board.h"
#include "morvane/game/game_settings.h"

namespace morvane {

inline constexpr int kMoveListPairs = 500;

struct MovePair {
    Position first;
    Position second;
};

// Show Moves: the free matching pairs of the board, listed once when it starts, and the one shown.
class ShowMoves {
public:
    // Lists every free matching pair in board order (x, then y, then z), the first 500 of them.
    void list(const Board& board, const GameSettings& settings,
              const std::function<bool(const Position&)>& isFree);
    bool active() const { return m_active; }
    // Shows the list's first pair.
    void start() {
        m_active = true;
        m_index = 0;
    }
    void stop() { m_active = false; }
    // Shows the pair by pairs further on (back for a negative step); false past either end.
    bool step(int by);
    int length() const { return m_length; }
    int index() const { return m_index; }
    const MovePair& pair(int index) const { return m_pairs[static_cast<std::size_t>(index)]; }
    const MovePair& shown() const { return pair(m_index); }

private:
    std::array<MovePair, kMoveListPairs> m_pairs{};
    int m_length = 0;
    int m_index = 0;
    bool m_active = false;
};

}  // namespace morvane
