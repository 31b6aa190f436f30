#include "orbeni/ui/orbeni_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

#include "orbeni/game/program_info.h"
#include "platform/profile/profile.h"

namespace orbeni {

namespace {

constexpr int kBoardWidth = 704;
constexpr int kBoardHeight = 468;
constexpr int kScrollStep = 32;
constexpr int kTimerMilliseconds = 10;

ScreenSize screenSize() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return {screen.width(), screen.height()};
}

std::optional<MouseButton> gameButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return std::nullopt;
    }
}

}  // namespace

TOrbeni::TOrbeni(std::filesystem::path programFolder, QWidget* parent)
    : QMainWindow(parent), m_programFolder(std::move(programFolder)) {
    setWindowTitle(QString::fromUtf8(kApplicationTitle.data(), qsizetype(kApplicationTitle.size())));
    m_clock.start();
    Init();
}

// Builds the window and the game from the settings file and the layouts of the program folder.
// FIXME: still missing here: the splash TSplash, the toolbar Tools with PlayerPanel, the side panel
// HofBox, the Music menu's pieces, the switch to 800 x 600 and the tileset and background loads.
void TOrbeni::Init() {
    createBoardView();
    createStatusBar();
    readSettings();
    if (!m_layoutMenu.build(m_programFolder / "Layouts", m_settings.boardNumber)) {
        // Without a layout there is no game to play: the program ends before anything is shown
        // or written.
        m_canRun = false;
        return;
    }
    m_game.loadHallOfFame(m_programFolder / "Hallfame.ini", m_layoutMenu.list().captions());
    createMenus();
    statusBar()->setVisible(m_settings.showStatus);
    const WindowBounds bounds = startBounds(m_settings, screenSize());
    move(bounds.left, bounds.top);
    resize(bounds.width, bounds.height);
    if (m_settings.maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_game.Temps();
        updateActions();
    });
    updateActions();
}

void TOrbeni::createBoardView() {
    m_scrolling = new QScrollArea(this);
    m_scrolling->setObjectName(QStringLiteral("Scrolling"));
    // FIXME: the board painter is not connected yet; the board image is a plain teal area.
    m_boardImage = new QWidget;
    m_boardImage->setObjectName(QStringLiteral("Game"));
    m_boardImage->setFixedSize(kBoardWidth, kBoardHeight);
    m_boardImage->setAutoFillBackground(true);
    m_boardImage->setPalette(QPalette(QColor(0, 128, 128)));
    m_boardImage->installEventFilter(this);
    m_scrolling->setWidget(m_boardImage);
    m_scrolling->horizontalScrollBar()->setSingleStep(kScrollStep);
    m_scrolling->verticalScrollBar()->setSingleStep(kScrollStep);
    setCentralWidget(m_scrolling);
}

void TOrbeni::readSettings() {
    const platform::Profile profile(m_programFolder / kSettingsFileName);
    m_settings = orbeni::readSettings(profile, screenSize());
    forgetMissingFiles(m_settings, m_programFolder);
    applyOptions(m_settings, m_game.options());
    m_game.setPlayerName(m_settings.currentPlayer);
    m_game.setSpecificSeed(m_settings.randomSeed);
}

void TOrbeni::writeSettings() {
    takeOptions(m_game.options(), m_settings);
    m_settings.currentPlayer = m_game.playerName();
    m_settings.randomSeed = m_game.specificSeed();
    m_settings.boardNumber = m_game.currentLayout();
    m_settings.maximized = isMaximized();
    // The bounds to come back to are those of the window when it is not maximized: the frame's
    // corner, as move() takes it, and the size inside the frame, as resize() takes it.
    const QPoint frameOffset = geometry().topLeft() - pos();
    const QRect normal = isMaximized() && normalGeometry().isValid() ? normalGeometry() : geometry();
    m_settings.bounds = {normal.x() - frameOffset.x(), normal.y() - frameOffset.y(), normal.width(),
                         normal.height()};
    m_settings.previousRes = screenSize().width;
    platform::Profile profile(m_programFolder / kSettingsFileName);
    orbeni::writeSettings(profile, m_settings);
}

// Loads the current layout, starts the clock and, when wanted, the first game.
void TOrbeni::FormShow() {
    m_scrolling->horizontalScrollBar()->setValue(kBoardOffsetX);
    m_scrolling->verticalScrollBar()->setValue(kBoardOffsetY);
    m_layoutMenu.loadCurrent(LayoutLoad::StartUp);
    m_timer.start(kTimerMilliseconds);
    if (m_settings.startDirectly) {
        m_game.BeginGame();
    }
    updateActions();
}

// Stops the clock and keeps the settings and the hall of fame for the next run.
void TOrbeni::FormCloseQuery() {
    m_timer.stop();
    writeSettings();
    m_game.saveHallOfFame();
}

// Keeps the board view from growing past the whole board image.
void TOrbeni::FormResize() {
    const QSize view = m_scrolling->viewport()->size();
    const int wider = view.width() - kBoardWidth;
    const int taller = view.height() - kBoardHeight;
    if (!isMaximized() && (wider > 0 || taller > 0)) {
        resize(width() - std::max(wider, 0), height() - std::max(taller, 0));
    }
}

void TOrbeni::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shown && m_canRun) {
        m_shown = true;
        FormShow();
    }
}

void TOrbeni::closeEvent(QCloseEvent* event) {
    if (m_canRun) {
        FormCloseQuery();
    }
    event->accept();
}

void TOrbeni::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

bool TOrbeni::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_boardImage && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (const std::optional<MouseButton> button = gameButton(mouse->button())) {
            const QPoint at = mouse->position().toPoint();
            runCommand([&] { m_game.ButtonDown(*button, at.x(), at.y()); });
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace orbeni
