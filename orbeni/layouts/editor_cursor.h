#pragma once

#include "orbeni/board/board.h"
#include "orbeni/game/keyboard_cursor.h"

namespace orbeni {

// How far an arrow moves the editor's cursor: a whole tile, or half a tile for the offsets that
// layouts use between rows and columns.
enum class EditorStep { WholeTile = 2, HalfTile = 1 };

// The keyboard's cursor over the layout editor's grid: a cell of the playing area, whatever
// layer its tiles are on.
class EditorCursor {
public:
    explicit EditorCursor(const Board& board) : m_board(board) {}

    bool shown() const { return m_shown; }
    // Shows the cursor where it was; the first time, on the first tile of the layout in reading
    // order, or in the middle of an empty grid.
    void show();
    void hide() { m_shown = false; }
    // Moves within the playing area; at its edge the cursor stops.
    void move(Direction direction, EditorStep step);

    // The place a new tile takes at the cell: the layer that carries it and has room, none when
    // no layer has.
    Position placeTarget() const;
    // The top tile anchored at the cell, 0 for none.
    int topTile() const;
    // Where the cursor is drawn: on the top tile of the cell, else where a new tile would go,
    // else on the table; off the board while hidden.
    Position markPlace() const;

private:
    const Board& m_board;
    bool m_shown = false;
    // The cell; (0, 0) until the cursor was first shown.
    int m_x = 0;
    int m_y = 0;
};

}  // namespace orbeni
