#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "orbeni/ui/bitmap_view.h"
#include "orbeni/ui/dialogs/hall_panel.h"
#include "orbeni/ui/orbeni_window.h"
#include "orbeni/view/command_table.h"
#include "platform/qt/bitmap_image.h"
#include "platform/qt/command_actions.h"

// The window's chrome around the board: the toolbar with the player panel, the side panel, the
// commands that show and hide them.

namespace orbeni {

namespace {

QString resource(const std::filesystem::path& programFolder, const char* name) {
    return QString::fromStdString((programFolder / "resources" / name).string());
}

}  // namespace

void TOrbeni::createToolbar() {
    m_tools = new QToolBar(QStringLiteral("Tools"), this);
    m_tools->setObjectName(QStringLiteral("Tools"));
    m_tools->setMovable(false);
    m_tools->setFloatable(false);
    m_tools->setFixedHeight(kBarHeight);
    m_tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_tools->toggleViewAction()->setVisible(false);
    const ToolBarLayout buttons = toolBar();
    m_commands->addToolButtons(*m_tools, buttons.beforePlayer);
    m_playerPanel = new QPushButton(QString::fromStdString(m_game.playerName()), m_tools);
    m_playerPanel->setObjectName(QStringLiteral("PlayerPanel"));
    m_playerPanel->setToolTip(QStringLiteral("Player name"));
    m_playerPanel->setFlat(true);
    m_playerPanel->setMinimumWidth(80);
    connect(m_playerPanel, &QPushButton::clicked, this, [this] { runCommand(Command::PlayerName, 0); });
    m_tools->addWidget(m_playerPanel);
    m_commands->addToolButtons(*m_tools, buttons.afterPlayer);
    decorateNewGameButton();
    addToolBar(Qt::TopToolBarArea, m_tools);
}

// The new-game button shows the game's picture instead of a caption. The picture is the action's,
// which the button takes again whenever the action changes.
void TOrbeni::decorateNewGameButton() {
    QAction* newGame = m_commands->action(static_cast<int>(Command::NewGame));
    newGame->setIcon(QIcon(resource(m_programFolder, "newgame.png")));
    auto* button = qobject_cast<QToolButton*>(m_tools->widgetForAction(newGame));
    button->setObjectName(QStringLiteral("NewGame"));
    button->setIconSize(QSize(28, 28));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
}

// The toolbar's texture is painted behind its buttons; plain, the style's own colour shows.
void TOrbeni::applyToolbarTexture() {
    if (m_settings.options.coolToolbar) {
        const QString texture = resource(m_programFolder, "toolbar.bmp");
        // The white labels stay readable over the texture: a hovered or pressed button only
        // lightens or darkens the texture a little behind them.
        m_tools->setStyleSheet(
            QStringLiteral("QToolBar { border-image: url(%1) 0 0 0 0 repeat repeat; }"
                           "QToolButton, QPushButton { color: white; font-weight: bold;"
                           " background: transparent; border: 1px solid transparent; border-radius: 3px;"
                           " padding: 2px 4px; }"
                           "QToolButton:hover, QPushButton:hover { background: rgba(255, 255, 255, 48);"
                           " border-color: rgba(255, 255, 255, 110); }"
                           "QToolButton:pressed, QPushButton:pressed { background: rgba(0, 0, 0, 70); }")
                .arg(texture));
    } else {
        m_tools->setStyleSheet(QString());
    }
}

void TOrbeni::applyBoardCursor() {
    if (m_settings.options.coolMouse) {
        const QPixmap pointer(resource(m_programFolder, "techno.png"));
        m_boardImage->setCursor(pointer.isNull() ? QCursor(Qt::ArrowCursor) : QCursor(pointer, 0, 0));
    } else {
        m_boardImage->unsetCursor();
    }
}

void TOrbeni::createHallPanel() {
    // Without its picture the panel stays black.
    m_painter.loadHallPicture(m_programFolder / "hof.bmp");
    m_hofBox = new BitmapView(m_painter.hallPanel(), QStringLiteral("HofBox"));
    m_hofBox->setVisible(false);
}

// Draws the hall of fame of the current layout over the panel's picture.
void TOrbeni::ShowPanelHOF() {
    if (!m_game.options().showHallOfFame) {
        return;
    }
    const int slot = m_game.currentLayout();
    const HallPanelContent content =
        m_game.EditorMode() ? HallPanelContent::BackgroundOnly : HallPanelContent::Scores;
    const QImage panel = orbeni::ShowPanelHOF(platform::qt::imageOf(m_painter.hallPicture()),
                                              m_game.hallOfFame(), slot, content, m_painter.pixelScale());
    platform::Bitmap& shown = m_painter.hallPanel();
    if (shown.width() != panel.width() || shown.height() != panel.height()) {
        shown = platform::Bitmap(panel.width(), panel.height());
        m_hofBox->fitBitmap();
    }
    platform::qt::copyInto(panel, shown);
    m_painter.hallPanelRedrawn();
    m_hofBox->update();
}

void TOrbeni::Toolbar1Click() {
    m_settings.options.showToolbar = !m_settings.options.showToolbar;
    const bool shown = m_settings.options.showToolbar;
    m_game.ShowStatus(shown ? "Toolbar shown." : "Toolbar hidden.");
    (m_game.EditorMode() ? static_cast<QWidget*>(m_editorDriver.panel()) : m_tools)->setVisible(shown);
    resize(width(), height() + (shown ? kBarHeight : -kBarHeight));
    m_painter.FullRedraw();
}

// Shows or hides the status bar; the window changes height with it so the board keeps its size.
void TOrbeni::ShowTitleClick() {
    m_settings.options.showStatus = !m_settings.options.showStatus;
    statusBar()->setVisible(m_settings.options.showStatus);
    resize(width(), height() + (m_settings.options.showStatus ? kBarHeight : -kBarHeight));
    m_painter.FullRedraw();
}

void TOrbeni::ShowHallPanel() {
    bool& shown = m_game.options().showHallOfFame;
    shown = !shown;
    m_hofBox->setVisible(shown);
    resize(width() + (shown ? m_hofBox->width() : -m_hofBox->width()), height());
    ShowPanelHOF();
}

void TOrbeni::CoolMouseClick() {
    m_settings.options.coolMouse = !m_settings.options.coolMouse;
    applyBoardCursor();
}

void TOrbeni::CoolToolbarClick() {
    m_settings.options.coolToolbar = !m_settings.options.coolToolbar;
    applyToolbarTexture();
}

}  // namespace orbeni
