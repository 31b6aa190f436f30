#pragma once

#include <optional>

#include "orbeni/board/board.h"

namespace orbeni {

class Game;

// The arrow keys.
enum class Direction { Left, Right, Up, Down };

// A point of the board image, where the mouse would be.
struct ImagePoint {
    int x = 0;
    int y = 0;
    bool operator==(const ImagePoint&) const = default;
};

// The middle of the face of a tile at the place, on the board image.
ImagePoint faceCentre(Position place);

// The place of the tile the arrow leads to from `from`: of the tiles a click may pick, those whose
// face centre lies within 45 degrees of the direction, else anywhere on that side; the nearest
// by distance with the distance across the direction counted twice. Off the board for none.
Position nearestInDirection(const Game& game, Position from, Direction direction);

// The place of the tile a click may pick whose face centre is nearest the point; off the board
// for none.
Position nearestPickable(const Game& game, ImagePoint point);

// The keyboard's cursor over the tiles a click may pick. It shows once a key is used, moves to the
// nearest pickable tile in the direction of an arrow, and stays on a pickable tile while pairs
// go and come back.
class KeyboardCursor {
public:
    explicit KeyboardCursor(const Game& game) : m_game(game) {}

    bool shown() const { return m_shown; }
    // Shows the cursor on the first selected tile, else where it last was, else on the pickable
    // tile nearest the board's top left corner.
    void show();
    void hide() { m_shown = false; }
    // Moves to the tile the arrow leads to; stays where it is when there is none, or while the
    // tiles are hidden.
    void move(Direction direction);
    // Goes to the nearest pickable tile when the marked one left or was blocked.
    void settle();
    // The marked tile's place; off the board while hidden or when no tile can be picked.
    Position place() const;
    // Where a click picks the marked tile: the middle of its face, or the first pixel of the face
    // that shows it when another tile's picture lies over its middle. None when nothing of it
    // shows, or when no tile is marked.
    std::optional<ImagePoint> clickPoint() const;

private:
    bool isPickableAt(Position place) const;

    const Game& m_game;
    bool m_shown = false;
    // The place the cursor went to last; the next pickable tile is looked for around it.
    Position m_place;
};

}  // namespace orbeni
