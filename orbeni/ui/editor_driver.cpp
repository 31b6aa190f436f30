#include "orbeni/ui/editor_driver.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>
#include <utility>

#include "orbeni/game/game.h"
#include "orbeni/layouts/layout_menu.h"
#include "orbeni/ui/window_chrome.h"
#include "orbeni/view/board_painter.h"

namespace orbeni {

namespace {

constexpr int kEditorLabelMargin = 6;

}  // namespace

EditorDriver::EditorDriver(QMainWindow& window, Game& game, LayoutEditor& editor,
                           const LayoutMenu& layoutMenu, BoardPainter& painter, const Options& options,
                           std::function<void()> hallPanelChanged)
    : m_window(window),
      m_game(game),
      m_editor(editor),
      m_layoutMenu(layoutMenu),
      m_painter(painter),
      m_options(options),
      m_hallPanelChanged(std::move(hallPanelChanged)) {}

void EditorDriver::createPanel() {
    m_panel = new QToolBar(QStringLiteral("EditorPanel"), &m_window);
    m_panel->setObjectName(QStringLiteral("EditorPanel"));
    m_panel->setMovable(false);
    m_panel->setFixedHeight(kBarHeight);
    m_panel->toggleViewAction()->setVisible(false);
    // Each label keeps a little room from what it names and from its neighbours.
    const auto label = [this](const char* text, const char* name) {
        auto* shown = new QLabel(QString::fromUtf8(text), m_panel);
        shown->setObjectName(QString::fromUtf8(name));
        shown->setContentsMargins(kEditorLabelMargin, 0, kEditorLabelMargin, 0);
        m_panel->addWidget(shown);
        return shown;
    };
    label("Layout Name", "Label1");
    m_name = new QLineEdit(m_panel);
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_name->setFixedWidth(200);
    m_panel->addWidget(m_name);
    label("Tiles left", "Label3")->setContentsMargins(2 * kEditorLabelMargin, 0, 0, 0);
    m_tilesLeft = label("", "Label4");
    m_tilesLeft->setMinimumWidth(m_tilesLeft->fontMetrics().horizontalAdvance(QStringLiteral("0000")) +
                                 2 * kEditorLabelMargin);
    m_window.addToolBar(Qt::TopToolBarArea, m_panel);
    m_panel->setVisible(false);
}

void EditorDriver::setChrome(QToolBar* gameTools, QList<QAction*> gameMenus, QList<QAction*> editorMenus) {
    m_gameTools = gameTools;
    m_gameMenus = std::move(gameMenus);
    m_editorMenus = std::move(editorMenus);
    for (QAction* menu : m_editorMenus) {
        m_window.menuBar()->removeAction(menu);
    }
}

void EditorDriver::enter(const std::function<void()>& command) {
    command();
    if (!m_game.EditorMode()) {
        return;
    }
    m_painter.resetPreview();
    showChrome(true);
    m_name->setText(QString::fromStdString(m_layoutMenu.currentName()));
    m_hallPanelChanged();
}

void EditorDriver::leave(const std::function<void()>& command) {
    command();
    if (m_game.EditorMode()) {
        return;
    }
    m_painter.resetPreview();
    showChrome(false);
    m_painter.FullRedraw();
    m_hallPanelChanged();
}

void EditorDriver::saveAndExit(EditorExit exit) {
    leave([this, exit] { m_editor.SaveandexitClick(exit, m_name->text().toStdString()); });
}

void EditorDriver::cancel() {
    leave([this] { m_editor.Cancel2Click(); });
}

// The preview marks a place of the board as it was: a move takes it off.
void EditorDriver::moveBoard(void (LayoutEditor::*move)()) {
    m_painter.resetPreview();
    (m_editor.*move)();
}

void EditorDriver::showTilesLeft() {
    if (m_tilesLeft != nullptr) {
        m_tilesLeft->setText(QString::number(m_editor.EditorTilesLeft()));
    }
}

// Swaps the main menu bar and toolbar for the editor's, and back.
void EditorDriver::showChrome(bool editing) {
    QMenuBar* bar = m_window.menuBar();
    for (QAction* menu : editing ? m_gameMenus : m_editorMenus) {
        bar->removeAction(menu);
    }
    bar->addActions(editing ? m_editorMenus : m_gameMenus);
    m_gameTools->setVisible(!editing && m_options.showToolbar);
    m_panel->setVisible(editing && m_options.showToolbar);
}

}  // namespace orbeni
