#pragma once

#include <array>

#include "orbeni/board/board.h"

namespace orbeni {

class GameClock;
class Host;
class Solitaire;
class StatusLine;
struct Options;
struct SavedGame;

inline constexpr int kRiversTiles = 84;
// The most cells a river of three segments crosses inside the band around the rectangle.
inline constexpr int kMaxRiverCells = 64;

// Rivers: 84 tiles in a rectangle, where a pair goes when a river of at most three straight
// lines joins its tiles through empty cells. It plays on the solitaire's board and selection.
class Rivers {
public:
    Rivers(Host& host, const Options& options, Solitaire& play, StatusLine& status, GameClock& clock)
        : m_host(host), m_options(options), m_play(play), m_status(status), m_clock(clock) {}

    // Fills the rectangle with the tiles of a new game.
    void deal();
    // Forgets the river of the last game.
    void reset();
    // Joins the selected pair by a river, or keeps only its second tile selected when none
    // joins them.
    void join();
    // Answers whether a river joins the two tiles; it keeps the river for riverPath().
    bool CanBeReached(int startTile, int targetTile);
    // The slide of a joined pair, one cell a step; the window paces it.
    bool advanceRiverSlide();
    void finishRiverSlide();
    // True while a joined pair slides, when its tiles are drawn unmarked and clicks wait.
    bool RiverPathFound() const { return m_riverPathFound; }
    // The river of the last joined pair, from the target's cell to the start's: its points and
    // their count. Shown until hideRiverPath().
    int riverPath(std::array<Position, kMaxRiverCells + 2>& points) const;
    bool riverPathShown() const { return m_riverPathShown; }
    void hideRiverPath();
    // Shows the next pair a river joins, at a hint's price; false when none is joined.
    bool Hint();
    // One pass of the shuffle, at a hint's price: Rivers counts no moves.
    void Shuffle();
    // A saved game keeps a sliding tile at the place it slid from, its pair not yet joined.
    void saveTo(SavedGame& saved) const;

private:
    void walkRiver(int x0, int y0, int dx, int dy, int x, int y);
    bool riverSegment(int x, int y, int dx, int dy, int segment, bool& found);
    void MoveRiverTiles(Position cell);

    Host& m_host;
    const Options& m_options;
    Solitaire& m_play;
    StatusLine& m_status;
    GameClock& m_clock;

    bool m_riverPathFound = false;
    bool m_riverPathShown = false;
    Position m_riverStartPlace;
    Position m_riverTargetPlace;
    std::array<Position, kMaxRiverCells> m_riverCells{};
    int m_riverCellCount = 0;
    int m_riverSlideStep = 0;
    Position m_riverSlideFrom;
};

}  // namespace orbeni
