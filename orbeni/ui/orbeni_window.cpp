#include "orbeni/ui/orbeni_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include "orbeni/game/program_info.h"
#include "orbeni/ui/bitmap_view.h"
#include "platform/profile/profile.h"
#include "platform/profile/settings_folder.h"
#include "platform/qt/conversions.h"

namespace orbeni {

namespace {

// A sliding Rivers tile moves one cell a step; the river stays drawn a moment after the pair goes.
constexpr int kRiverSlideStepMilliseconds = 35;
constexpr int kRiverPathMilliseconds = 350;

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

TOrbeni::TOrbeni(std::filesystem::path programFolder, std::filesystem::path userFolder, QWidget* parent)
    : QMainWindow(parent),
      m_programFolder(std::move(programFolder)),
      m_userFolder(userFolder.empty() ? m_programFolder : std::move(userFolder)) {
    setWindowTitle(platform::qt::text(kApplicationTitle));
    Init();
}

TOrbeni::~TOrbeni() = default;

// Builds the window and the game from the settings file and the folders of the program: the
// music, the layouts and the hall of fame.
void TOrbeni::Init() {
    m_chrome.createBoardView();
    m_chrome.boardView().mouseMoved = [this](QPoint at) { m_painter.FormMouseMove(at.x(), at.y()); };
    m_chrome.boardView().mouseReleased = [this](Qt::MouseButton button, QPoint at) {
        boardMouseReleased(button, at);
    };
    bindCommands();
    m_chrome.createToolbar([this] { m_host.ConfigClick(); });
    m_editorDriver.createPanel();
    m_chrome.createStatusBar();
    readSettings();
    // Without a piece of music or a layout the program cannot run: it ends before anything is
    // shown or written.
    if (!m_music.build(m_settings.midiNumber) ||
        !m_layoutMenu.build(m_programFolder / "Layouts", m_settings.boardNumber,
                            playerLayoutsFolder(m_programFolder, m_userFolder))) {
        m_canRun = false;
        return;
    }
    m_game.loadHallOfFame(m_userFolder / kHallOfFameFileName, m_layoutMenu.list().captions());
    tellUnreadableFiles({m_userFolder / kSettingsFileName, m_userFolder / kHallOfFameFileName});
    createMenus();
    m_keys.watch(m_chrome.boardView(), m_chrome.scrolling(), m_chrome.playerPanel());
    if (m_settings.options.setRes800) {
        m_displaySwitched = m_displayMode.switchTo800x600();
    }
    m_chrome.showPlayerName(m_game.playerName());
    m_chrome.followOptions();
    const WindowBounds bounds = startBounds(m_settings, screenSize());
    move(bounds.left, bounds.top);
    resize(bounds.width, bounds.height);
    m_chrome.fitWholeBoard();
    if (m_settings.maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    m_timer.setSingleShot(true);
    m_timer.onTimeout([this] { Temps(); });
    m_riverSlideTimer.onTimeout([this] { stepRiverSlide(); });
    m_riverPathTimer.setSingleShot(true);
    m_riverPathTimer.onTimeout([this] { m_game.hideRiverPath(); });
    m_solveTimer.onTimeout([this] { stepSolve(); });
    m_music.LoadMidiClick(m_music.midiNumber());
    updateActions();
}

void TOrbeni::boardMouseReleased(Qt::MouseButton qtButton, QPoint at) {
    const std::optional<MouseButton> button = gameButton(qtButton);
    // The board takes no click while a Rivers tile slides.
    if (!button || m_game.RiverPathFound()) {
        return;
    }
    runCommand([&] {
        if (m_game.EditorMode()) {
            m_editor.ButtonDown(*button, at.x(), at.y());
        } else {
            m_game.ButtonDown(*button, at.x(), at.y());
        }
    });
}

void TOrbeni::riverJoined(RiverJoin join) {
    if (join == RiverJoin::Slides) {
        m_riverSlideTimer.start(kRiverSlideStepMilliseconds);
    } else {
        m_riverPathTimer.start(kRiverPathMilliseconds);
    }
}

void TOrbeni::stepRiverSlide() {
    if (!m_game.advanceRiverSlide()) {
        m_riverSlideTimer.stop();
        m_riverPathTimer.start(kRiverPathMilliseconds);
        followBoardChange();
    }
}

// Runs a command that deals: the tile under the pointer is no longer the one highlighted.
void TOrbeni::newDeal(const std::function<void()>& deal) {
    m_painter.clearHover();
    deal();
}

// The clock: the game's time and status bar, the status message, the end of the music. The menus
// follow only when a tick changed what they show: the music's next piece, a game out of time.
void TOrbeni::Temps() {
    m_game.Temps();
    m_savedGame.follow(m_game);
    if (commandState() != m_commands.shownState()) {
        updateActions();
    }
    scheduleTemps();
}

// Sleeps until the game has something to show, so that an idle window costs nothing.
void TOrbeni::scheduleTemps() {
    if (const std::optional<std::uint32_t> delay = m_game.nextTempsDelay()) {
        m_timer.start(static_cast<int>(*delay));
    } else {
        m_timer.stop();
    }
}

// A command changes what the status bar counts, and may start a message: the clock looks a reveal
// tick later, as the steady tick of old did.
void TOrbeni::wakeTempsSoon() {
    constexpr int kTick = static_cast<int>(kRevealTickMilliseconds);
    if (!m_timer.isActive() || m_timer.remainingTime() > kTick) {
        m_timer.start(kTick);
    }
}

// Says once, when the window is up, which files could not be read: they are played on with
// defaults and not written in this run, so that what they hold is not lost.
void TOrbeni::tellUnreadableFiles(const std::vector<std::filesystem::path>& files) {
    QStringList unreadable;
    for (const std::filesystem::path& file : files) {
        if (platform::isUnreadableFile(file)) {
            unreadable << QString::fromStdString(file.string());
        }
    }
    if (unreadable.isEmpty()) {
        return;
    }
    QTimer::singleShot(0, this, [this, unreadable] {
        QMessageBox::warning(this, windowTitle(),
                             tr("%1 cannot be read. The game plays on without it, and it is not written "
                                "until the program starts again.")
                                 .arg(unreadable.join(tr(" and "))));
    });
}

void TOrbeni::readSettings() {
    const platform::Profile profile(m_userFolder / kSettingsFileName);
    m_settings = orbeni::readSettings(profile, screenSize());
    forgetMissingFiles(m_settings, m_programFolder);
    m_painter.setHighlightMode(HighlightMode(m_settings.highlight));
    m_game.setPlayerName(m_settings.currentPlayer);
    m_game.setSpecificSeed(m_settings.randomSeed);
}

void TOrbeni::writeSettings() {
    m_settings.midiNumber = m_music.midiNumber();
    m_settings.currentPlayer = m_game.playerName();
    m_settings.randomSeed = m_game.specificSeed();
    m_settings.boardNumber = m_game.checkedLayout();
    m_settings.maximized = isMaximized();
    // The bounds to come back to are those of the window when it is not maximized: the frame's
    // corner, as move() takes it, and the size inside the frame, as resize() takes it.
    const QPoint frameOffset = geometry().topLeft() - pos();
    const QRect normal = isMaximized() && normalGeometry().isValid() ? normalGeometry() : geometry();
    m_settings.bounds = {normal.x() - frameOffset.x(), normal.y() - frameOffset.y(), normal.width(),
                         normal.height()};
    m_settings.previousRes = screenSize().width;
    platform::Profile profile(m_userFolder / kSettingsFileName);
    orbeni::writeSettings(profile, m_settings);
}

// Loads the remembered pictures and the current layout, starts the clock and plays on the game
// left at the last close, or, when wanted, starts the first game.
void TOrbeni::FormShow() {
    m_chrome.scrolling().horizontalScrollBar()->setValue(kBoardOffsetX);
    m_chrome.scrolling().verticalScrollBar()->setValue(kBoardOffsetY);
    // FIXME: the resolution is chosen once; moved to a screen of another pixel ratio, the window
    // keeps it and Qt scales its pictures.
    m_pictures.ActiveTilesetBackground(devicePixelRatioF());
    m_layoutMenu.loadCurrent(LayoutLoad::StartUp);
    if (m_savedGame.resume(m_game) == ResumeOutcome::NoSavedGame && m_settings.options.startDirectly) {
        m_game.BeginGame();
    }
    updateActions();
    wakeTempsSoon();
}

// Stops the music and the clock, keeps the settings, the hall of fame and the running game for
// the next run and gives the display its own mode back.
void TOrbeni::FormCloseQuery() {
    m_music.close();
    m_timer.stop();
    writeSettings();
    m_game.saveHallOfFame();
    m_savedGame.keep(m_game);
    if (m_displaySwitched) {
        m_displayMode.restore();
    }
}

// Keeps the board view from growing past the whole board image.
void TOrbeni::FormResize() {
    m_chrome.keepBoardWhole();
}

bool TOrbeni::saveScreenshot(const QString& file) {
    return grab().save(file);
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

}  // namespace orbeni
