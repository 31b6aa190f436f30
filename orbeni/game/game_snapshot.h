#pragma once

#include <optional>

namespace orbeni {

class GameClock;
class GamePhase;
class HallEntry;
class Rivers;
class Solitaire;
struct Options;
struct SavedGame;

// The running game as a saved game, and a saved game put back on the board: the boards, the
// history, the hint, the generator and the clock, gathered from the parts that keep them.
class GameSnapshot {
public:
    GameSnapshot(const GamePhase& phase, const Options& options, Solitaire& play, const Rivers& rivers,
                 GameClock& clock, const HallEntry& hall)
        : m_phase(phase), m_options(options), m_play(play), m_rivers(rivers), m_clock(clock), m_hall(hall) {}

    // The running game, played for the hall-of-fame slot given, as a later run plays it on; none
    // when no game runs (stopped, finished, in the editor).
    std::optional<SavedGame> take(int slot) const;
    // The hall-of-fame slot a saved game plays on for: Rivers', or its layout's found by name in
    // today's list; none (0) for a layout no longer listed.
    int slotOf(const SavedGame& saved) const;
    // Puts the boards, the history, the hint, the generator and the clock of a saved game back.
    void restore(const SavedGame& saved);

private:
    const GamePhase& m_phase;
    const Options& m_options;
    Solitaire& m_play;
    const Rivers& m_rivers;
    GameClock& m_clock;
    const HallEntry& m_hall;
};

}  // namespace orbeni
