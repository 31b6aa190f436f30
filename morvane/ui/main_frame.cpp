#include "morvane/ui/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

#include "morvane/game/program_info.h"
#include "morvane/ui/dialogs/morvane_dialogs.h"
#include "morvane/ui/morvane_view.h"
#include "platform/profile/profile.h"
#include "platform/qt/command_actions.h"
#include "platform/qt/conversions.h"

namespace morvane {

namespace {

constexpr QSize kFirstSize(800, 600);

platform::Rect rectOf(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

}  // namespace

CMainFrame::CMainFrame(std::filesystem::path programFolder, std::filesystem::path settingsFile,
                       QWidget* parent)
    : QMainWindow(parent),
      m_programFolder(std::move(programFolder)),
      m_settings(std::make_unique<platform::Profile>(std::move(settingsFile), kSettingsFolderName)) {
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(platform::qt::text(kApplicationTitle));
    const QIcon icon(QString::fromStdString((m_programFolder / "morvane.png").string()));
    if (!icon.isNull()) {
        setWindowIcon(icon);
    }
    m_view = new CMorvaneView(m_programFolder, this);
    setCentralWidget(m_view);
    createCommands();
    createToolBar();
    createStatusBar();
    m_view->stateChanged = [this] {
        updateActions();
        updatePanes();
    };
    m_view->clockTicked = [this] { updatePanes(); };
    m_view->statusMessage = [this](const QString& message) { statusBar()->showMessage(message); };
    resize(kFirstSize);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::startGame(const std::string& commandLineGame, bool soundOn) {
    const StartupGame startup =
        recordStartup(*m_settings, commandLineGame, m_programFolder, std::filesystem::current_path());
    if (!startup.game.empty() && !enterGameFolder(startup.game)) {
        statusBar()->showMessage(
            tr("The folder of %1 cannot be entered.").arg(QString::fromStdString(startup.game)));
    }
    m_view->start(startup.game, soundOn);
    if (m_settings->isUnreadable()) {
        statusBar()->showMessage(tr("%1 cannot be read; the settings are not saved in this run.")
                                     .arg(QString::fromStdString(m_settings->path().string())));
    }
}

void CMainFrame::showFromSettings() {
    const WindowPlacement placement = readWindowPlacement(*m_settings);
    if (!placement.mode) {
        show();
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const platform::Rect normal =
        screen ? broughtOnScreen(placement.normal, rectOf(screen->availableGeometry())) : placement.normal;
    if (normal.width > 0 && normal.height > 0) {
        setGeometry(platform::qt::rectOf(normal));
    }
    switch (*placement.mode) {
        case WindowMode::Maximized:
            showMaximized();
            break;
        case WindowMode::Minimized:
            setAttribute(Qt::WA_ShowWithoutActivating);
            showMinimized();
            break;
        case WindowMode::Normal:
            show();
            break;
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    writeSettings();
    event->accept();
}

// The window's place is written when it closes: its state, and where it stands when restored.
void CMainFrame::writeSettings() {
    WindowPlacement placement;
    if (isMaximized() || (isFullScreen() && m_maximizedBeforeFullScreen)) {
        placement.mode = WindowMode::Maximized;
    } else {
        placement.mode = isMinimized() ? WindowMode::Minimized : WindowMode::Normal;
    }
    const QRect normal = isMaximized() || isMinimized() || isFullScreen() ? normalGeometry() : geometry();
    placement.normal = rectOf(normal);
    if (!writeWindowPlacement(*m_settings, placement)) {
        statusBar()->showMessage(tr("The window's place cannot be saved in %1.")
                                     .arg(QString::fromStdString(m_settings->path().string())));
    }
}

// Alt+F: the board fills the screen, or the window goes back to how it was. The reminder says
// how to leave, until the player asks not to see it again.
void CMainFrame::toggleFullScreen() {
    if (isFullScreen()) {
        menuBar()->show();
        if (m_maximizedBeforeFullScreen) {
            showMaximized();
        } else {
            showNormal();
        }
        writeFullScreen(*m_settings, false);
        return;
    }
    m_maximizedBeforeFullScreen = isMaximized();
    // The menu bar goes above the screen as the caption does; Alt+F still reaches its command.
    menuBar()->hide();
    showFullScreen();
    writeFullScreen(*m_settings, true);
    if (fullScreenReminderWanted(*m_settings) && showFullScreenReminder(this)) {
        turnFullScreenReminderOff(*m_settings);
    }
}

bool CMainFrame::saveScreenshot(const QString& file) {
    return grab().save(file);
}

}  // namespace morvane
