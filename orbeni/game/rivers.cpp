#include "orbeni/game/rivers.h"

#include "orbeni/game/game_clock.h"
#include "orbeni/game/host.h"
#include "orbeni/game/options.h"
#include "orbeni/game/saved_game.h"
#include "orbeni/game/solitaire.h"
#include "orbeni/game/status_line.h"

namespace orbeni {

namespace {

// Answers whether a river may go one cell further: the band around the rectangle (columns 2
// and 32, rows 1, 3 and 17, 19) is the farthest it reaches.
bool canStep(int x, int y, int dx, int dy) {
    if (dx > 0) {
        return x < 32;
    }
    if (dx < 0) {
        return x >= 3;
    }
    if (dy > 0) {
        return y < 18;
    }
    return y >= 3;
}

}  // namespace

void Rivers::deal() {
    RandomGenerator& generator = m_play.generator();
    Board& board = m_play.board();
    generator.randomize(m_host.timeOfDayMilliseconds());
    board.clear();
    for (int tile = 1; tile <= kRiversTiles; ++tile) {
        Position place;
        do {
            const int a = generator.random(14) + 2;
            const int b = generator.random(6) + 2;
            place = Position{2 * a, 2 * b + 1, 1};
        } while (board.cell(place) != 0);
        board.place(tile, place);
    }
    m_play.takeDeal(kRiversTiles);
}

void Rivers::reset() {
    m_riverPathFound = m_riverPathShown = false;
}

// Without animation both tiles go at once; with it the first tile first slides along the river,
// step by step as the window asks, and the pair goes at its end. The first tile is recorded
// where it stood before it slid.
void Rivers::join() {
    const Position firstPlace = m_play.board().position(m_play.FirstTile());
    if (!CanBeReached(m_play.SecondTile(), m_play.FirstTile())) {
        m_play.unselectFirst();
        m_status.ShowStatus("No path of three lines joins these tiles.");
        return;
    }
    m_riverPathShown = true;
    m_riverSlideFrom = Position{firstPlace.x, firstPlace.y, 1};
    m_riverSlideStep = 0;
    m_riverPathFound = m_options.tileRivers && m_riverCellCount > 0;
    m_host.redrawBoard();
    if (m_riverPathFound) {
        m_host.riverJoined(RiverJoin::Slides);
    } else {
        m_play.removePair(m_riverSlideFrom);
        m_host.riverJoined(RiverJoin::AtOnce);
    }
}

// Moves the sliding tile one cell along its river; after the last cell the pair goes. True while
// steps are left.
bool Rivers::advanceRiverSlide() {
    if (!m_riverPathFound) {
        return false;
    }
    if (m_riverSlideStep < m_riverCellCount) {
        MoveRiverTiles(m_riverCells[static_cast<std::size_t>(m_riverSlideStep++)]);
        return true;
    }
    m_riverPathFound = false;
    m_play.removePair(m_riverSlideFrom);
    return false;
}

void Rivers::finishRiverSlide() {
    while (advanceRiverSlide()) {
    }
}

void Rivers::hideRiverPath() {
    if (m_riverPathShown) {
        m_riverPathShown = false;
        m_host.redrawBoard();
    }
}

int Rivers::riverPath(std::array<Position, kMaxRiverCells + 2>& points) const {
    points[0] = m_riverTargetPlace;
    for (int i = 0; i < m_riverCellCount; ++i) {
        points[static_cast<std::size_t>(i + 1)] = m_riverCells[static_cast<std::size_t>(i)];
    }
    points[static_cast<std::size_t>(m_riverCellCount + 1)] = m_riverStartPlace;
    return m_riverCellCount + 2;
}

// Searches a river of at most three straight segments from the start tile to the target; the
// first direction that finds one (right, left, down, up, and the turns in the same order) wins.
// The cells the target would travel, from its own to the one next to the start, are kept.
bool Rivers::CanBeReached(int startTile, int targetTile) {
    const Position start = m_play.board().position(startTile);
    m_riverStartPlace = start;
    m_riverTargetPlace = m_play.board().position(targetTile);
    m_riverCellCount = 0;
    bool found = false;
    constexpr int kDirections[4][2] = {{2, 0}, {-2, 0}, {0, 2}, {0, -2}};
    for (const auto& direction : kDirections) {
        if (riverSegment(start.x, start.y, direction[0], direction[1], 1, found)) {
            return true;
        }
    }
    return false;
}

// Follows one straight segment from a corner through empty cells, turning from each of them
// while turns are left; on success notes this segment's cells on the way back.
bool Rivers::riverSegment(int x0, int y0, int dx, int dy, int segment, bool& found) {
    const Board& board = m_play.board();
    int x = x0;
    int y = y0;
    while (!found && canStep(x, y, dx, dy)) {
        x += dx;
        y += dy;
        if (board.cell(x, y, 1) != 0) {
            found = x == m_riverTargetPlace.x && y == m_riverTargetPlace.y;
            break;
        }
        if (segment < 3) {
            const int turnX = dy != 0 ? 2 : 0;
            const int turnY = dx != 0 ? 2 : 0;
            if (riverSegment(x, y, turnX, turnY, segment + 1, found) ||
                riverSegment(x, y, -turnX, -turnY, segment + 1, found)) {
                break;
            }
        }
    }
    if (!found) {
        return false;
    }
    walkRiver(x0, y0, dx, dy, x, y);
    return true;
}

// Notes the cells of a segment from its far end back to the cell after its corner (x0, y0).
void Rivers::walkRiver(int x0, int y0, int dx, int dy, int x, int y) {
    for (; x != x0 || y != y0; x -= dx, y -= dy) {
        const Position cell{x, y, 1};
        if (cell != m_riverTargetPlace && m_riverCellCount < kMaxRiverCells) {
            m_riverCells[static_cast<std::size_t>(m_riverCellCount++)] = cell;
        }
    }
}

// Moves the sliding tile on its river by one cell.
void Rivers::MoveRiverTiles(Position cell) {
    Board& board = m_play.board();
    const int tile = m_play.FirstTile();
    const Position from = board.position(tile);
    board.remove(tile);
    m_host.redrawTile(tile, from);
    board.place(tile, cell);
    m_host.redrawTile(tile, cell);
}

// Finds the pairs a river joins, as the removal searches them, and shows the next one.
bool Rivers::Hint() {
    m_play.showHint(TilePair{});
    int pairs = 0;
    TilePair joined[kRiversTiles / 2 * 3] = {};
    for (int a = 1; a <= kRiversTiles; ++a) {
        for (int b = a + 1; b <= kRiversTiles && matchGroup(b) == matchGroup(a); ++b) {
            if (m_play.board().position(a).onBoard() && m_play.board().position(b).onBoard() &&
                CanBeReached(a, b)) {
                joined[pairs++] = TilePair{a, b};
            }
        }
    }
    if (pairs == 0) {
        return false;
    }
    m_play.hintAmong(joined, pairs);
    m_clock.addPenalty(kHintPenaltySeconds);
    return true;
}

void Rivers::Shuffle() {
    shufflePass(m_play.board(), m_play.generator());
    m_status.ShowStatus("Tiles shuffled.");
    m_clock.addPenalty(kRiversShufflePenaltySeconds);
}

void Rivers::saveTo(SavedGame& saved) const {
    if (m_riverPathFound) {
        saved.board.remove(m_play.FirstTile());
        saved.board.place(m_play.FirstTile(), m_riverSlideFrom);
    }
}

}  // namespace orbeni
