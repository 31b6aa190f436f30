#include "orbeni/ui/keyboard_play.h"

#include <QKeyEvent>
#include <utility>

#include "orbeni/game/game.h"
#include "orbeni/layouts/layout_editor.h"
#include "orbeni/ui/bitmap_view.h"
#include "orbeni/view/board_painter.h"

// The commands' keys are not these: they act wherever the window has the keys, a dialog being a
// window of its own, as each command's rule allows.

namespace orbeni {

namespace {

std::optional<Direction> arrowDirection(int key) {
    switch (key) {
        case Qt::Key_Left:
            return Direction::Left;
        case Qt::Key_Right:
            return Direction::Right;
        case Qt::Key_Up:
            return Direction::Up;
        case Qt::Key_Down:
            return Direction::Down;
        default:
            return std::nullopt;
    }
}

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

}  // namespace

KeyboardPlay::KeyboardPlay(Game& game, LayoutEditor& editor, BoardPainter& painter,
                           std::function<void(Qt::MouseButton, QPoint)> click,
                           std::function<void(const std::function<void()>&)> run)
    : m_game(game),
      m_editor(editor),
      m_painter(painter),
      m_click(std::move(click)),
      m_run(std::move(run)),
      m_keyCursor(game),
      m_editorCursor(game.board()) {}

void KeyboardPlay::watch(BitmapView& board, QWidget& boardFrame, QWidget& playerPanel) {
    m_board = &board;
    board.setFocusPolicy(Qt::StrongFocus);
    board.installEventFilter(this);
    boardFrame.setFocusProxy(&board);
    // As the toolbar's other buttons, the player's panel takes no keys from the board when clicked.
    playerPanel.setFocusPolicy(Qt::TabFocus);
    board.setFocus();
}

bool KeyboardPlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_board) {
        if (event->type() == QEvent::MouseButtonPress) {
            hide();
        } else if (event->type() == QEvent::KeyPress) {
            return boardKeyPressed(*static_cast<QKeyEvent*>(event));
        }
    }
    return QObject::eventFilter(watched, event);
}

bool KeyboardPlay::boardKeyPressed(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    const bool handled = m_game.EditorMode() ? editorKeyPressed(event) : playKeyPressed(event);
    if (handled) {
        settle();
    }
    return handled;
}

// The first arrow or Enter only shows the cursor, so that nothing is picked unseen.
bool KeyboardPlay::playKeyPressed(const QKeyEvent& event) {
    const int key = event.key();
    const std::optional<Direction> direction = arrowDirection(key);
    if (!direction && !isEnter(key)) {
        if (key == Qt::Key_Escape) {
            m_click(Qt::RightButton, QPoint());
            return true;
        }
        return false;
    }
    if (!m_keyCursor.shown()) {
        m_keyCursor.show();
    } else if (direction) {
        m_keyCursor.move(*direction);
    } else if (const std::optional<ImagePoint> point = m_keyCursor.clickPoint()) {
        m_click(Qt::LeftButton, QPoint(point->x, point->y));
    }
    return true;
}

// Shift makes the arrows move half a tile, for the offsets between rows and columns.
bool KeyboardPlay::editorKeyPressed(const QKeyEvent& event) {
    const int key = event.key();
    const std::optional<Direction> direction = arrowDirection(key);
    const bool removes = key == Qt::Key_Delete || key == Qt::Key_Backspace;
    if (!direction && !isEnter(key) && !removes) {
        return false;
    }
    if (!m_editorCursor.shown()) {
        m_editorCursor.show();
    } else if (direction) {
        const bool half = event.modifiers() & Qt::ShiftModifier;
        m_editorCursor.move(*direction, half ? EditorStep::HalfTile : EditorStep::WholeTile);
    } else if (removes) {
        m_run([this] { m_editor.removeTile(m_editorCursor.topTile()); });
    } else {
        m_run([this] { m_editor.placeAt(m_editorCursor.placeTarget()); });
    }
    return true;
}

void KeyboardPlay::hide() {
    m_keyCursor.hide();
    m_editorCursor.hide();
    m_painter.setKeyCursor(Position{});
}

void KeyboardPlay::settle() {
    if (m_game.EditorMode()) {
        m_painter.setKeyCursor(m_editorCursor.markPlace());
        return;
    }
    m_keyCursor.settle();
    m_painter.setKeyCursor(m_keyCursor.place());
}

}  // namespace orbeni
