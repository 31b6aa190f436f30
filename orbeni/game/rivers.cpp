#include "orbeni/game/game.h"

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

void Game::FourRivers() {
    m_riversMode = true;
    m_layoutChosen = false;
    m_currentLayout = kRiversSlot;
    m_generator.randomize(m_host.timeOfDayMilliseconds());
    m_board.clear();
    for (int tile = 1; tile <= kRiversTiles; ++tile) {
        Position place;
        do {
            const int a = m_generator.random(14) + 2;
            const int b = m_generator.random(6) + 2;
            place = Position{2 * a, 2 * b + 1, 1};
        } while (m_board.cell(place) != 0);
        m_board.place(tile, place);
    }
    m_tilesLeft = m_tilesTotal = kRiversTiles;
    m_dealtBoard = m_board;
    resetPlay();
    setPauseCaptions(false);
    m_startTick = m_host.tickMilliseconds();
    ShowStatus("Mahjongg Rivers started.");
    m_gameStopped = false;
    redrawBoard();
    m_host.redrawHallPanel();
}

// Removes the selected pair when a river joins them; the first tile is recorded where it stood
// before it slid along the river.
void Game::removeRiversPair() {
    const Position firstPlace = m_board.position(m_firstTile);
    if (!CanBeReached(m_secondTile, m_firstTile)) {
        unselectFirst();
        return;
    }
    removePair(Position{firstPlace.x, firstPlace.y, 1});
}

// Searches a river of at most three straight segments from the start tile to the target; the
// first direction that finds one (right, left, down, up, and the turns in the same order) wins.
bool Game::CanBeReached(int startTile, int targetTile) {
    const Position start = m_board.position(startTile);
    m_riverTargetPlace = m_board.position(targetTile);
    m_riverPathFound = false;
    constexpr int kDirections[4][2] = {{2, 0}, {-2, 0}, {0, 2}, {0, -2}};
    for (const auto& direction : kDirections) {
        if (riverSegment(start.x, start.y, direction[0], direction[1], 1)) {
            m_riverPathFound = false;
            return true;
        }
    }
    return false;
}

// Follows one straight segment from a corner through empty cells, turning from each of them
// while turns are left; on success slides the target back along this segment.
bool Game::riverSegment(int x0, int y0, int dx, int dy, int segment) {
    int x = x0;
    int y = y0;
    while (!m_riverPathFound && canStep(x, y, dx, dy)) {
        x += dx;
        y += dy;
        if (m_board.cell(x, y, 1) != 0) {
            IsIt(x, y);
            break;
        }
        if (segment < 3) {
            const int turnX = dy != 0 ? 2 : 0;
            const int turnY = dx != 0 ? 2 : 0;
            if (riverSegment(x, y, turnX, turnY, segment + 1) ||
                riverSegment(x, y, -turnX, -turnY, segment + 1)) {
                break;
            }
        }
    }
    if (!m_riverPathFound) {
        return false;
    }
    walkRiver(x0, y0, dx, dy, x, y);
    return true;
}

// Slides the moving tile from (x, y) back along a segment to the cell after its corner (x0, y0).
void Game::walkRiver(int x0, int y0, int dx, int dy, int x, int y) {
    for (; x != x0 || y != y0; x -= dx, y -= dy) {
        if (Position{x, y, 1} != m_riverMovingPlace) {
            MoveRiverTiles(x, y);
        }
    }
}

// Notes whether an occupied cell on the river is the target; either way it ends the segment.
void Game::IsIt(int x, int y) {
    if (x == m_riverTargetPlace.x && y == m_riverTargetPlace.y) {
        m_riverPathFound = true;
        m_riverMovingTile = m_board.cell(x, y, 1);
        m_riverMovingPlace = Position{x, y, 1};
    }
}

// Moves the tile on its river by one cell, shown at once, when tile rivers are animated.
void Game::MoveRiverTiles(int x, int y) {
    if (!m_options.tileRivers) {
        return;
    }
    const Position from = m_riverMovingPlace;
    m_board.remove(m_riverMovingTile);
    m_host.redrawTile(m_riverMovingTile, from);
    m_riverMovingPlace = Position{x, y, 1};
    m_board.place(m_riverMovingTile, m_riverMovingPlace);
    m_host.redrawTile(m_riverMovingTile, m_riverMovingPlace);
    m_host.repaintNow();
}

}  // namespace orbeni
