#include <QKeyEvent>
#include <QPushButton>
#include <QScrollArea>

#include "orbeni/ui/bitmap_view.h"
#include "orbeni/ui/orbeni_window.h"

// Play by keyboard: the arrows move a cursor over the tiles a click may pick, Enter or Space
// picks the tile under it as a left click would, Escape drops the selection as a right click
// does; in the layout editor the arrows move over the grid, Enter places and Delete removes.
// The commands' keys act wherever the window has the keys, a dialog being a window of its own;
// each command's rule says when.

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

// Gives the board the keyboard. The commands' keys come with their actions (createCommands).
void TOrbeni::createKeys() {
    m_boardImage->setFocusPolicy(Qt::StrongFocus);
    m_boardImage->installEventFilter(this);
    m_scrolling->setFocusProxy(m_boardImage);
    // As the toolbar's other buttons, the player's panel takes no keys from the board when clicked.
    m_playerPanel->setFocusPolicy(Qt::TabFocus);
    m_boardImage->setFocus();
}

bool TOrbeni::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_boardImage) {
        if (event->type() == QEvent::MouseButtonPress) {
            hideKeyCursor();
        } else if (event->type() == QEvent::KeyPress) {
            return boardKeyPressed(*static_cast<QKeyEvent*>(event));
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TOrbeni::boardKeyPressed(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    const bool handled = m_game.EditorMode() ? editorKeyPressed(event) : playKeyPressed(event);
    if (handled) {
        settleKeyCursor();
    }
    return handled;
}

// The first arrow or Enter only shows the cursor, so that nothing is picked unseen.
bool TOrbeni::playKeyPressed(const QKeyEvent& event) {
    const int key = event.key();
    const std::optional<Direction> direction = arrowDirection(key);
    if (!direction && !isEnter(key)) {
        if (key == Qt::Key_Escape) {
            boardMouseReleased(Qt::RightButton, QPoint());
            return true;
        }
        return false;
    }
    if (!m_keyCursor.shown()) {
        m_keyCursor.show();
    } else if (direction) {
        m_keyCursor.move(*direction);
    } else if (const std::optional<ImagePoint> point = m_keyCursor.clickPoint()) {
        boardMouseReleased(Qt::LeftButton, QPoint(point->x, point->y));
    }
    return true;
}

// Shift makes the arrows move half a tile, for the offsets between rows and columns.
bool TOrbeni::editorKeyPressed(const QKeyEvent& event) {
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
        runCommand([this] { m_editor.removeTile(m_editorCursor.topTile()); });
    } else {
        runCommand([this] { m_editor.placeAt(m_editorCursor.placeTarget()); });
    }
    return true;
}

void TOrbeni::hideKeyCursor() {
    m_keyCursor.hide();
    m_editorCursor.hide();
    m_painter.setKeyCursor(Position{});
}

// Keeps the cursor of the board in play on what it marks after a command changed the board.
void TOrbeni::settleKeyCursor() {
    if (m_game.EditorMode()) {
        m_painter.setKeyCursor(m_editorCursor.markPlace());
        return;
    }
    m_keyCursor.settle();
    m_painter.setKeyCursor(m_keyCursor.place());
}

}  // namespace orbeni
