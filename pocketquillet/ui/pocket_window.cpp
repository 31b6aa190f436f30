#include "pocketquillet/ui/pocket_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "platform/profile/settings_folder.h"
#include "platform/qt/command_actions.h"
#include "pocketquillet/game/program_info.h"
#include "pocketquillet/ui/board_view.h"
#include "pocketquillet/view/dialog_texts.h"
#include "pocketquillet/view/window_pos.h"

namespace pocketquillet {

namespace {

// The size the window takes where "WindowPos" leaves it to the system: the board at a size
// near its stone pictures, with the status box below.
constexpr int kSystemWidth = 640;
constexpr int kSystemHeight = 420;
constexpr int kClockMilliseconds = 1000;
constexpr int kPairFlashMilliseconds = 350;

}  // namespace

PocketWindow::PocketWindow(WindowServices services, QWidget* parent)
    : QMainWindow(parent),
      m_profile(services.profile != nullptr ? *services.profile : m_defaultProfile),
      m_game(*this, services.random != nullptr ? *services.random : m_deviceRandom, m_profile,
             std::move(services.hiscoreFile)),
      m_painter(m_game, m_art.pictures(), m_statusFont) {
    setObjectName(QStringLiteral("PocketQuillet"));
    setWindowTitle(platform::qt::text(kApplicationTitle));
    if (!m_art.icon().isNull()) {
        setWindowIcon(m_art.icon());
    }
    m_view = new BoardView(m_painter.image(), this);
    m_view->leftButtonDown = [this](QPoint point) { clickAt(point); };
    m_view->resized = [this](QSize size) { showAreas(m_painter.resize(size.width(), size.height())); };
    setCentralWidget(m_view);
    createMenus();
    createCloseButton();
    m_clock.setInterval(kClockMilliseconds);
    m_clock.onTimeout([this] {
        m_game.tick();
        updateActions();
        repaintStatus();
    });
    m_pairFlash.setSingleShot(true);
    m_pairFlash.setInterval(kPairFlashMilliseconds);
    m_pairFlash.onTimeout([this] { emptyRemovedCells(); });
    m_soundEnded.setSingleShot(true);
    m_soundEnded.onTimeout([this] {
        if (m_wavePlayer) {
            m_wavePlayer->closeWhenSilent();
        }
    });
    readSettings();
    syncAudio();
    updateActions();
    tellUnreadableHiscores();
}

// Says once, when the window is up, that the hiscore table cannot be read: the game plays on,
// and the table is not written in this run, so that its scores are not lost.
void PocketWindow::tellUnreadableHiscores() {
    if (platform::readFileGuarded(m_game.hiscoreFile())) {
        return;
    }
    const QString file = QString::fromStdString(m_game.hiscoreFile().string());
    QTimer::singleShot(0, this, [this, file] {
        QMessageBox::warning(this, windowTitle(),
                             tr("%1 cannot be read. The game plays on, and no hiscore is saved until the "
                                "program starts again.")
                                 .arg(file));
    });
}

PocketWindow::~PocketWindow() = default;

// Places the window as "WindowPos" says, on the screen it opens on.
void PocketWindow::readSettings() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const WindowPlacement placement =
        windowPlacement(m_game.options().windowPos, available.width(), available.height());
    if (placement.systemSize) {
        move(available.topLeft());
        resize(kSystemWidth, kSystemHeight);
        return;
    }
    const platform::Rect& rect = placement.rect;
    move(available.x() + rect.x, available.y() + rect.y);
    resize(rect.width, rect.height);
}

void PocketWindow::writeSettings() {
    const QRect frame = frameGeometry();
    m_profile.writeText(u"MAIN", u"WindowPos",
                        windowPosText({frame.x(), frame.y(), frame.width(), frame.height()}));
}

void PocketWindow::closeEvent(QCloseEvent* event) {
    if (m_writesSettings) {
        writeSettings();
    }
    m_clock.stop();
    event->accept();
}

bool PocketWindow::saveScreenshot(const QString& file) {
    return grab().save(file);
}

// A click in a margin or beside the cells still reaches the game, which then only takes away
// a path it shows.
void PocketWindow::clickAt(QPoint point) {
    const std::optional<Cell> cell = m_painter.geometry().cellAt({point.x(), point.y()});
    m_game.clickCell(cell.value_or(kNoCell));
    updateActions();
    repaintStatus();
}

void PocketWindow::showAreas(const BoardPainter::Areas& areas) {
    m_view->showAreas(areas);
}

}  // namespace pocketquillet
