#include "orbeni/ui/window_chrome.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "orbeni/game/game.h"
#include "orbeni/ui/bitmap_view.h"
#include "orbeni/ui/dialogs/hall_panel.h"
#include "orbeni/ui/editor_driver.h"
#include "orbeni/view/board_painter.h"
#include "orbeni/view/command_table.h"
#include "platform/qt/bitmap_image.h"
#include "platform/qt/command_actions.h"
#include "platform/qt/conversions.h"

namespace orbeni {

namespace {

constexpr int kScrollStep = 32;
// How far a maximized window may fall short of the screen, for the frame's edges.
constexpr int kScreenTolerance = 16;

constexpr std::array<int, kStatusPanelCount> kPanelWidths{60, 45, 70, 35, 40, 50, 45, 50};
constexpr std::array<const char*, kStatusPanelCount> kPanelLabels{"Tiles left", "", "Moves left", "",
                                                                  "Time",       "", "Status",     ""};
constexpr int kMessagePanel = 7;

int panelIndex(StatusPanel panel) {
    switch (panel) {
        case StatusPanel::TilesLeft:
            return 1;
        case StatusPanel::MovesLeft:
            return 3;
        case StatusPanel::Time:
            return 5;
        case StatusPanel::Message:
            return kMessagePanel;
    }
    return kMessagePanel;
}

QString resource(const std::filesystem::path& programFolder, const char* name) {
    return QString::fromStdString((programFolder / "resources" / name).string());
}

}  // namespace

WindowChrome::WindowChrome(QMainWindow& window, std::filesystem::path programFolder, Game& game,
                           BoardPainter& painter, const EditorDriver& editorDriver, Options& options,
                           platform::qt::CommandActions& commands)
    : m_window(window),
      m_programFolder(std::move(programFolder)),
      m_game(game),
      m_painter(painter),
      m_editorDriver(editorDriver),
      m_options(options),
      m_commands(commands) {}

// Puts the board image `Game` in the scroll box and the side panel beside it.
void WindowChrome::createBoardView() {
    m_scrolling = new QScrollArea;
    m_scrolling->setObjectName(QStringLiteral("Scrolling"));
    m_scrolling->setFrameShape(QFrame::NoFrame);
    m_boardImage = new BitmapView(m_painter.gameImage(), QStringLiteral("Game"));
    m_boardImage->centreOn(m_painter.surround());
    m_scrolling->setWidgetResizable(true);
    m_scrolling->setWidget(m_boardImage);
    m_scrolling->horizontalScrollBar()->setSingleStep(kScrollStep);
    m_scrolling->verticalScrollBar()->setSingleStep(kScrollStep);
    createHallPanel();
    // A new background shows around the board as well.
    m_painter.setChangeListeners(
        [this](platform::Rect area) {
            if (area.width == kBoardImageWidth && area.height == kBoardImageHeight) {
                m_boardImage->update();
            } else {
                m_boardImage->bitmapChanged(area);
            }
        },
        [this] { m_hofBox->update(); });

    auto* client = new QWidget;
    auto* row = new QHBoxLayout(client);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(m_scrolling, 1);
    row->addWidget(m_hofBox, 0, Qt::AlignTop);
    // Black only behind the side panel: the scroll bars keep the style's own look.
    client->setObjectName(QStringLiteral("Client"));
    client->setStyleSheet(QStringLiteral("#Client { background: black; }"));
    m_window.setCentralWidget(client);
}

void WindowChrome::createHallPanel() {
    // Without its picture the panel stays black.
    m_painter.loadHallPicture(m_programFolder / "hof.bmp");
    m_hofBox = new BitmapView(m_painter.hallPanel(), QStringLiteral("HofBox"));
    m_hofBox->setVisible(false);
}

void WindowChrome::createToolbar(std::function<void()> playerNameClicked) {
    m_tools = new QToolBar(QStringLiteral("Tools"), &m_window);
    m_tools->setObjectName(QStringLiteral("Tools"));
    m_tools->setMovable(false);
    m_tools->setFloatable(false);
    m_tools->setFixedHeight(kBarHeight);
    m_tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_tools->toggleViewAction()->setVisible(false);
    const ToolBarLayout buttons = toolBar();
    m_commands.addToolButtons(*m_tools, buttons.beforePlayer);
    m_playerPanel = new QPushButton(QString::fromStdString(m_game.playerName()), m_tools);
    m_playerPanel->setObjectName(QStringLiteral("PlayerPanel"));
    m_playerPanel->setToolTip(QStringLiteral("Player name"));
    m_playerPanel->setFlat(true);
    m_playerPanel->setMinimumWidth(80);
    QObject::connect(m_playerPanel, &QPushButton::clicked, m_tools, std::move(playerNameClicked));
    m_tools->addWidget(m_playerPanel);
    m_commands.addToolButtons(*m_tools, buttons.afterPlayer);
    decorateNewGameButton();
    m_window.addToolBar(Qt::TopToolBarArea, m_tools);
}

// The new-game button shows the game's picture instead of a caption. The picture is the action's,
// which the button takes again whenever the action changes.
void WindowChrome::decorateNewGameButton() {
    QAction* newGame = m_commands.action(static_cast<int>(Command::NewGame));
    newGame->setIcon(QIcon(resource(m_programFolder, "newgame.png")));
    auto* button = qobject_cast<QToolButton*>(m_tools->widgetForAction(newGame));
    button->setObjectName(QStringLiteral("NewGame"));
    button->setIconSize(QSize(28, 28));
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
}

// Builds LigneStatus: fixed labels in the even panels, sunken values in the odd ones.
void WindowChrome::createStatusBar() {
    QStatusBar* bar = m_window.statusBar();
    bar->setObjectName(QStringLiteral("LigneStatus"));
    bar->setSizeGripEnabled(false);
    bar->setFixedHeight(kBarHeight);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    for (int index = 0; index < kStatusPanelCount; ++index) {
        auto* panel = new QLabel(QString::fromUtf8(kPanelLabels[std::size_t(index)]), bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(index));
        panel->setFont(font);
        panel->setStyleSheet(QStringLiteral("color: navy;"));
        panel->setMinimumWidth(kPanelWidths[std::size_t(index)]);
        const bool value = index % 2 == 1;
        panel->setFrameStyle(value ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
        const bool message = index == kMessagePanel;
        panel->setAlignment(message ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        if (!message) {
            panel->setFixedWidth(kPanelWidths[std::size_t(index)]);
        }
        bar->addWidget(panel, message ? 1 : 0);
        m_statusPanels[std::size_t(index)] = panel;
    }
}

void WindowChrome::followOptions() {
    applyBoardCursor();
    applyToolbarTexture();
    m_tools->setVisible(m_options.showToolbar);
    m_window.statusBar()->setVisible(m_options.showStatus);
    m_hofBox->setVisible(m_options.showHallOfFame);
    ShowPanelHOF();
}

// Sets a panel's text only when it changes, so that an idle clock costs nothing.
void WindowChrome::setStatusText(StatusPanel panel, std::string_view text) {
    QLabel* label = m_statusPanels[std::size_t(panelIndex(panel))];
    const QString value = platform::qt::text(text);
    if (label->text() != value) {
        label->setText(value);
    }
}

void WindowChrome::setPauseCaptions(std::string_view menuCaption, std::string_view buttonCaption) {
    const int pause = static_cast<int>(Command::Pause);
    m_commands.action(pause)->setText(platform::qt::text(menuCaption));
    // The button comes with the toolbar.
    if (QAction* button = m_commands.button(pause)) {
        button->setText(platform::qt::text(buttonCaption));
    }
}

void WindowChrome::showPlayerName(const std::string& name) {
    m_playerPanel->setText(QString::fromStdString(name));
}

void WindowChrome::ShowPanelHOF() {
    if (!m_options.showHallOfFame) {
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

// Draws the side panel's texts at the resolution of the tileset in use as well.
void WindowChrome::followPixelScale() {
    const int scale = m_painter.pixelScale();
    m_boardImage->setPixelRatio(scale);
    m_hofBox->setPixelRatio(scale);
    ShowPanelHOF();
}

void WindowChrome::Toolbar1Click() {
    m_options.showToolbar = !m_options.showToolbar;
    const bool shown = m_options.showToolbar;
    m_game.ShowStatus(shown ? "Toolbar shown." : "Toolbar hidden.");
    (m_game.EditorMode() ? static_cast<QWidget*>(m_editorDriver.panel()) : m_tools)->setVisible(shown);
    m_window.resize(m_window.width(), m_window.height() + (shown ? kBarHeight : -kBarHeight));
    m_painter.FullRedraw();
}

// Shows or hides the status bar; the window changes height with it so the board keeps its size.
void WindowChrome::ShowTitleClick() {
    m_options.showStatus = !m_options.showStatus;
    m_window.statusBar()->setVisible(m_options.showStatus);
    m_window.resize(m_window.width(), m_window.height() + (m_options.showStatus ? kBarHeight : -kBarHeight));
    m_painter.FullRedraw();
}

void WindowChrome::ShowHallPanel() {
    bool& shown = m_options.showHallOfFame;
    shown = !shown;
    m_hofBox->setVisible(shown);
    m_window.resize(m_window.width() + (shown ? m_hofBox->width() : -m_hofBox->width()), m_window.height());
    ShowPanelHOF();
}

void WindowChrome::CoolMouseClick() {
    m_options.coolMouse = !m_options.coolMouse;
    applyBoardCursor();
}

void WindowChrome::CoolToolbarClick() {
    m_options.coolToolbar = !m_options.coolToolbar;
    applyToolbarTexture();
}

// The board drawn as large as the window allows; off again, the window gives up the room past the
// board at its own size.
void WindowChrome::ScaleBoardClick() {
    m_options.scaleBoard = !m_options.scaleBoard;
    applyBoardScale();
    keepBoardWhole();
}

// The toolbar's texture is painted behind its buttons; plain, the style's own colour shows.
void WindowChrome::applyToolbarTexture() {
    if (m_options.coolToolbar) {
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

void WindowChrome::applyBoardCursor() {
    if (m_options.coolMouse) {
        const QPixmap pointer(resource(m_programFolder, "techno.png"));
        m_boardImage->setCursor(pointer.isNull() ? QCursor(Qt::ArrowCursor) : QCursor(pointer, 0, 0));
    } else {
        m_boardImage->unsetCursor();
    }
}

// A scaled board always fits its view, so the scroll box never shows scroll bars for it.
void WindowChrome::applyBoardScale() {
    const bool scaled = m_options.scaleBoard;
    m_boardImage->scaleToView(scaled);
    const Qt::ScrollBarPolicy bars = scaled ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    m_scrolling->setHorizontalScrollBarPolicy(bars);
    m_scrolling->setVerticalScrollBarPolicy(bars);
}

void WindowChrome::fitWholeBoard() {
    const QSize whole = wholeBoardSize();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    m_window.resize(std::min(std::max(m_window.width(), whole.width()), screen.width()),
                    std::min(std::max(m_window.height(), whole.height()), screen.height()));
    applyBoardScale();
}

// The window's inner size that shows the whole board with the bars and the side panel shown.
QSize WindowChrome::wholeBoardSize() const {
    int width = kBoardImageWidth;
    int height = kBoardImageHeight + m_window.menuBar()->sizeHint().height();
    if (m_options.showHallOfFame) {
        width += m_hofBox->sizeHint().width();
    }
    if (m_options.showToolbar) {
        height += kBarHeight;
    }
    if (m_options.showStatus) {
        height += kBarHeight;
    }
    return {width, height};
}

void WindowChrome::keepBoardWhole() {
    if (fillsScreen() || m_options.scaleBoard) {
        return;
    }
    const QSize view = m_scrolling->viewport()->size();
    const int wider = view.width() - kBoardImageWidth;
    const int taller = view.height() - kBoardImageHeight;
    if (wider > 0 || taller > 0) {
        m_window.resize(m_window.width() - std::max(wider, 0), m_window.height() - std::max(taller, 0));
    }
}

// A window that fills the screen, maximized or made as large, shows the board in its middle; a
// window marked maximized that nothing made as large (no window manager) keeps the size limit.
bool WindowChrome::fillsScreen() const {
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    const QSize frame = m_window.frameGeometry().size();
    const bool screenSized = frame.width() >= screen.width() - kScreenTolerance &&
                             frame.height() >= screen.height() - kScreenTolerance;
    return m_window.isFullScreen() || screenSized;
}

}  // namespace orbeni
