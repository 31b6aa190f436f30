#pragma once

#include <QAction>
#include <QList>
#include <functional>
#include <string>

#include "orbeni/layouts/layout_editor.h"

class QLabel;
class QLineEdit;
class QMainWindow;
class QToolBar;

namespace orbeni {

class BoardPainter;
class Game;
class LayoutMenu;
struct Options;

// Drives the layout editor from the main window: entering and leaving it, its commands and its
// board moves, and the chrome it swaps in while it runs (its menus, and its panel with the
// layout's name and the tiles left in place of the toolbar).
class EditorDriver {
public:
    // hallPanelChanged draws the side panel again, which shows no scores in the editor.
    EditorDriver(QMainWindow& window, Game& game, LayoutEditor& editor, const LayoutMenu& layoutMenu,
                 BoardPainter& painter, const Options& options, std::function<void()> hallPanelChanged);

    // Adds the editor's panel, hidden, below the window's toolbars.
    void createPanel();
    // The game's toolbar and menus, and the editor's menus, which are taken off the menu bar until
    // the editor runs.
    void setChrome(QToolBar* gameTools, QList<QAction*> gameMenus, QList<QAction*> editorMenus);
    // The panel shown instead of the toolbar while the editor runs.
    QToolBar* panel() const { return m_panel; }

    // Enters the editor when the command allows it: a layout the deal refuses keeps it closed.
    void enter(const std::function<void()>& command);
    // Leaves the editor when the command allows it: a layout not yet finished keeps it open.
    void leave(const std::function<void()>& command);
    // Save, Save as, Try it: the layout goes under the name the panel shows.
    void saveAndExit(EditorExit exit);
    void cancel();
    // Moves the whole layout a step on the grid.
    void moveBoard(void (LayoutEditor::*move)());
    void showTilesLeft();

private:
    void showChrome(bool editing);

    QMainWindow& m_window;
    Game& m_game;
    LayoutEditor& m_editor;
    const LayoutMenu& m_layoutMenu;
    BoardPainter& m_painter;
    const Options& m_options;
    std::function<void()> m_hallPanelChanged;
    QToolBar* m_gameTools = nullptr;
    QList<QAction*> m_gameMenus;
    QList<QAction*> m_editorMenus;
    QToolBar* m_panel = nullptr;
    QLineEdit* m_name = nullptr;
    QLabel* m_tilesLeft = nullptr;
};

}  // namespace orbeni
