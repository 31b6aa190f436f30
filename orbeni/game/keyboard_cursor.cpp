#include "orbeni/game/keyboard_cursor.h"

#include <cstdlib>
#include <tuple>
#include <utility>

#include "orbeni/game/game.h"

namespace orbeni {

namespace {

constexpr int kFaceHalfWidth = 20;
constexpr int kFaceHalfHeight = 25;
constexpr int kFaceWidth = 2 * kFaceHalfWidth;
constexpr int kFaceHeight = 2 * kFaceHalfHeight;
// How much more a step across the arrow's direction counts than a step along it.
constexpr int kAcrossWeight = 2;

// A pickable tile's place and how far it lies, as the search ranks it: by distance, then the
// upper one, then the left one, so that ties never depend on tile numbers.
struct Candidate {
    Position place;
    std::tuple<int, int, int> rank{};
    bool isBeatenBy(const std::tuple<int, int, int>& other) const { return !place.onBoard() || other < rank; }
};

bool isPickable(const Game& game, int tile) {
    return game.board().position(tile).onBoard() && game.isFree(tile);
}

// Calls `visit` with the place and face centre of every tile a click may pick.
template <typename Visit>
void forEachPickable(const Game& game, Visit visit) {
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        if (isPickable(game, tile)) {
            const Position place = game.board().position(tile);
            visit(place, faceCentre(place));
        }
    }
}

// How far a point lies in the direction from the start, and how far beside it.
std::pair<int, int> alongAndAcross(ImagePoint from, ImagePoint to, Direction direction) {
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    switch (direction) {
        case Direction::Left:
            return {-dx, std::abs(dy)};
        case Direction::Right:
            return {dx, std::abs(dy)};
        case Direction::Up:
            return {-dy, std::abs(dx)};
        case Direction::Down:
            return {dy, std::abs(dx)};
    }
    return {0, 0};
}

bool hidesTiles(const Game& game) {
    return game.GameStopped() || game.GamePaused() || game.BoardFinished();
}

}  // namespace

ImagePoint faceCentre(Position place) {
    return {CoordX(place.x - 1, place.z - 1) + kFaceHalfWidth,
            CoordY(place.y - 1, place.z - 1) + kFaceHalfHeight};
}

Position nearestInDirection(const Game& game, Position from, Direction direction) {
    const ImagePoint start = faceCentre(from);
    Candidate inCone;
    Candidate onSide;
    forEachPickable(game, [&](Position place, ImagePoint centre) {
        const auto [along, across] = alongAndAcross(start, centre, direction);
        if (along <= 0) {
            return;
        }
        const int weighted = kAcrossWeight * across;
        const std::tuple rank{along * along + weighted * weighted, centre.y, centre.x};
        Candidate& group = across <= along ? inCone : onSide;
        if (group.isBeatenBy(rank)) {
            group = {place, rank};
        }
    });
    return inCone.place.onBoard() ? inCone.place : onSide.place;
}

Position nearestPickable(const Game& game, ImagePoint point) {
    Candidate nearest;
    forEachPickable(game, [&](Position place, ImagePoint centre) {
        const int dx = centre.x - point.x;
        const int dy = centre.y - point.y;
        const std::tuple rank{dx * dx + dy * dy, centre.y, centre.x};
        if (nearest.isBeatenBy(rank)) {
            nearest = {place, rank};
        }
    });
    return nearest.place;
}

bool KeyboardCursor::isPickableAt(Position place) const {
    if (!place.onBoard()) {
        return false;
    }
    const int tile = m_game.board().cell(place);
    return tile >= 1 && tile <= kMaxTiles && m_game.isFree(tile);
}

void KeyboardCursor::show() {
    m_shown = true;
    const int selected = m_game.FirstTile();
    if (selected != 0 && isPickable(m_game, selected)) {
        m_place = m_game.board().position(selected);
    }
    settle();
}

void KeyboardCursor::move(Direction direction) {
    if (!m_shown || hidesTiles(m_game)) {
        return;
    }
    settle();
    const Position next = nearestInDirection(m_game, m_place, direction);
    if (next.onBoard()) {
        m_place = next;
    }
}

void KeyboardCursor::settle() {
    if (!m_shown || isPickableAt(m_place)) {
        return;
    }
    const ImagePoint around = m_place.onBoard() ? faceCentre(m_place) : ImagePoint{};
    const Position nearest = nearestPickable(m_game, around);
    if (nearest.onBoard()) {
        m_place = nearest;
    }
}

Position KeyboardCursor::place() const {
    return m_shown && isPickableAt(m_place) ? m_place : Position{};
}

std::optional<ImagePoint> KeyboardCursor::clickPoint() const {
    const Position marked = place();
    if (!marked.onBoard()) {
        return std::nullopt;
    }
    const int tile = m_game.board().cell(marked);
    const auto picks = [&](ImagePoint point) {
        return m_game.board().WhatTileThere(point.x - kBoardOffsetX, point.y - kBoardOffsetY) == tile;
    };
    const ImagePoint centre = faceCentre(marked);
    if (picks(centre)) {
        return centre;
    }
    const int left = centre.x - kFaceHalfWidth;
    const int top = centre.y - kFaceHalfHeight;
    for (int y = top; y < top + kFaceHeight; ++y) {
        for (int x = left; x < left + kFaceWidth; ++x) {
            if (picks({x, y})) {
                return ImagePoint{x, y};
            }
        }
    }
    return std::nullopt;
}

}  // namespace orbeni
