#include "morvane/ui/morvane_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <ctime>

#include "platform/audio/wave_player.h"
#include "platform/bitmap/bmp_file.h"
#include "platform/qt/bitmap_image.h"
#include "platform/qt/conversions.h"

namespace morvane {

namespace {

constexpr int kClockMilliseconds = 1000;
// A resize counts as ended once the window has kept its size this long.
constexpr int kResizeSettleMilliseconds = 150;

}  // namespace

CMorvaneView::CMorvaneView(std::filesystem::path programFolder, QWidget* parent)
    : QWidget(parent), m_programFolder(std::move(programFolder)), m_game(*this, m_programFolder) {
    setObjectName(QStringLiteral("CMorvaneView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setMinimumSize(160, 120);
    if (auto marker = platform::loadBmp(m_programFolder / "marker.bmp")) {
        m_painter.setMarker(std::move(marker.value()));
    } else {
        m_painter.setMarker(platform::Bitmap(15, 15, platform::rgb(40, 160, 90)));
    }
    useBuiltInTiles();
    m_clock.setTimerType(Qt::CoarseTimer);
    m_clock.onTimeout([this] {
        m_game.tick();
        if (clockTicked) {
            clockTicked();
        }
    });
    m_soundEnded.setSingleShot(true);
    m_soundEnded.onTimeout([this] { letSoundDeviceGo(); });
    m_resizeSettled.setSingleShot(true);
    m_resizeSettled.onTimeout([this] { resumePainting(); });
}

CMorvaneView::~CMorvaneView() = default;

void CMorvaneView::start(const std::filesystem::path& game, bool soundOn) {
    m_game.seedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
    m_game.setSoundOn(soundOn);
    m_game.start(game);
    changed();
}

void CMorvaneView::suspendPainting() {
    m_paintSuspended = true;
}

void CMorvaneView::resumePainting() {
    m_resizeSettled.stop();
    m_paintSuspended = false;
    m_pictureStale = true;
    update();
}

PlayGeometry CMorvaneView::playGeometry() const {
    return m_painter.playGeometry(m_game, width(), height());
}

QPoint CMorvaneView::faceCentre(const Position& tile) const {
    const QRect face = platform::qt::rectOf(playGeometry().faceRect(tile));
    return face.center();
}

void CMorvaneView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (m_paintSuspended) {
        const platform::Pixel fill = m_game.design().active() ? platform::kBlack : m_painter.background();
        painter.fillRect(event->rect(), QColor::fromRgb(fill));
        return;
    }
    if (m_pictureStale || m_staleArea) {
        const std::optional<Position> cursor = m_game.design().active() ? m_designCursor : std::nullopt;
        m_painter.paint(m_game, width(), height(), cursor, m_pictureStale ? std::nullopt : m_staleArea);
        m_pictureStale = false;
        m_staleArea.reset();
    }
    painter.drawImage(event->rect(), platform::qt::imageOf(m_painter.picture()), event->rect());
}

void CMorvaneView::resizeEvent(QResizeEvent*) {
    m_pictureStale = true;
    if (isVisible()) {
        suspendPainting();
        m_resizeSettled.start(kResizeSettleMilliseconds);
    }
}

void CMorvaneView::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (m_game.design().active()) {
        designClickAt(point, event->button());
    } else if (event->button() == Qt::LeftButton && !m_game.moves().active()) {
        playClickAt(point);
    }
}

void CMorvaneView::mouseMoveEvent(QMouseEvent* event) {
    if (m_game.design().active()) {
        moveDesignCursorTo(event->position().toPoint());
    }
}

// The game's limits follow its spaces before every hit test, so the scale may change with it.
void CMorvaneView::playClickAt(QPoint point) {
    const GameSettings& settings = m_game.settings();
    const int hlimit = settings.hlimit;
    const int vlimit = settings.vlimit;
    m_game.refreshLimits();
    if (settings.hlimit != hlimit || settings.vlimit != vlimit) {
        repaintAll();
    }
    const std::optional<Position> tile =
        hitTest(m_game.playBoard(), settings.hlimit, settings.vlimit, playGeometry(), point.x(), point.y());
    if (tile) {
        m_game.playClick(*tile);
        changed();
    }
}

void CMorvaneView::designClickAt(QPoint point, Qt::MouseButton button) {
    if (button != Qt::LeftButton && button != Qt::RightButton) {
        return;
    }
    const DesignGeometry grid(width(), height());
    m_game.design().click(grid.columnAt(point.x()), grid.rowAt(point.y()),
                          button == Qt::LeftButton ? MouseButton::Left : MouseButton::Right);
    changed();
}

// Moves the outline of the space an insert would add, and the status pane with it.
void CMorvaneView::moveDesignCursorTo(QPoint point) {
    const DesignGeometry grid(width(), height());
    const DesignCursor& cursor = m_game.design().moveCursor(grid.columnAt(point.x()), grid.rowAt(point.y()));
    const Position outline{cursor.column, cursor.row, cursor.height};
    if (m_designCursor == outline) {
        return;
    }
    if (m_designCursor) {
        invalidate(grid.markerRect(m_designCursor->x, m_designCursor->y, m_designCursor->z));
    }
    m_designCursor = outline;
    invalidate(grid.markerRect(outline.x, outline.y, outline.z));
    changed();
}

void CMorvaneView::startClock() {
    m_clock.start(kClockMilliseconds);
}

void CMorvaneView::stopClock() {
    m_clock.stop();
}

void CMorvaneView::hideDesignCursor() {
    if (m_designCursor) {
        invalidate(DesignGeometry(width(), height())
                       .markerRect(m_designCursor->x, m_designCursor->y, m_designCursor->z));
        m_designCursor.reset();
    }
}

// Paints a part of the picture again at the next paint, and shows it.
void CMorvaneView::invalidate(const platform::Rect& area) {
    if (m_staleArea) {
        const QRect both = platform::qt::rectOf(*m_staleArea).united(platform::qt::rectOf(area));
        m_staleArea = platform::Rect{both.x(), both.y(), both.width(), both.height()};
    } else {
        m_staleArea = area;
    }
    update(platform::qt::rectOf(area));
}

void CMorvaneView::changed() {
    if (stateChanged) {
        stateChanged();
    }
}

}  // namespace morvane
