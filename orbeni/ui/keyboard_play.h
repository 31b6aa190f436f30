#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

#include "orbeni/game/keyboard_cursor.h"
#include "orbeni/layouts/editor_cursor.h"

class QKeyEvent;
class QWidget;

namespace orbeni {

class BitmapView;
class BoardPainter;
class Game;
class LayoutEditor;

// Play by keyboard on the board image: the arrows move a cursor over the tiles a click may pick,
// Enter or Space picks the tile under it as a left click would, Escape drops the selection as a
// right click does; in the layout editor the arrows move over the grid, Enter places and Delete
// removes. A click of the mouse hides the cursor.
class KeyboardPlay : public QObject {
    Q_OBJECT

public:
    // click plays a click of the board at a point of its image; run runs a command of the game
    // and shows its outcome.
    KeyboardPlay(Game& game, LayoutEditor& editor, BoardPainter& painter,
                 std::function<void(Qt::MouseButton, QPoint)> click,
                 std::function<void(const std::function<void()>&)> run);

    // Gives the board the keys; the player's panel takes none from it when clicked.
    void watch(BitmapView& board, QWidget& boardFrame, QWidget& playerPanel);
    // Keeps the cursor of the board in play on what it marks after a command changed the board.
    void settle();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool boardKeyPressed(const QKeyEvent& event);
    bool playKeyPressed(const QKeyEvent& event);
    bool editorKeyPressed(const QKeyEvent& event);
    void hide();

    Game& m_game;
    LayoutEditor& m_editor;
    BoardPainter& m_painter;
    std::function<void(Qt::MouseButton, QPoint)> m_click;
    std::function<void(const std::function<void()>&)> m_run;
    QObject* m_board = nullptr;
    KeyboardCursor m_keyCursor;
    EditorCursor m_editorCursor;
};

}  // namespace orbeni
