#include "orbeni/ui/bitmap_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/qt/bitmap_image.h"
#include "platform/qt/conversions.h"

namespace orbeni {

namespace {

// How small a board drawn to the view's size may become, in parts of its own size.
constexpr int kSmallestScaledPart = 4;

}  // namespace

BitmapView::BitmapView(const platform::Bitmap& bitmap, const QString& name, QWidget* parent)
    : QWidget(parent), m_bitmap(bitmap) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    fitBitmap();
}

QSize BitmapView::boardSize() const {
    return {m_bitmap.width() / m_pixelRatio, m_bitmap.height() / m_pixelRatio};
}

// Never taller than the bitmap, but cut at the bottom rather than holding a window taller.
void BitmapView::fitBitmap() {
    const QSize board = boardSize();
    setFixedWidth(board.width());
    setMinimumHeight(0);
    setMaximumHeight(board.height());
    resize(board);
    updateGeometry();
}

void BitmapView::centreOn(const platform::Bitmap& surround) {
    m_surround = &surround;
    setMinimumSize(boardSize());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void BitmapView::setPixelRatio(int ratio) {
    m_pixelRatio = std::max(ratio, 1);
    if (m_surround == nullptr) {
        fitBitmap();
    } else {
        scaleToView(m_scaled);
    }
    update();
}

// A scaled board follows the view down to a quarter of its size, so the window may shrink too.
void BitmapView::scaleToView(bool scaled) {
    m_scaled = scaled;
    const QSize board = boardSize();
    setMinimumSize(scaled ? board / kSmallestScaledPart : board);
    updateGeometry();
    update();
}

BoardScale BitmapView::boardScale() const {
    const QSize board = boardSize();
    if (m_scaled) {
        return BoardScale::fitted(width(), height(), board.width(), board.height());
    }
    if (m_surround == nullptr) {
        return BoardScale::centred(board.width(), board.height(), board.width(), board.height());
    }
    return BoardScale::centred(width(), height(), board.width(), board.height());
}

QPoint BitmapView::bitmapOrigin() const {
    const platform::Rect shown = boardScale().shown();
    return {shown.x, shown.y};
}

void BitmapView::bitmapChanged(platform::Rect area) {
    update(platform::qt::rectOf(boardScale().toView(area)));
}

QSize BitmapView::sizeHint() const {
    return boardSize();
}

void BitmapView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const BoardScale scale = boardScale();
    const QRect bitmapArea = platform::qt::rectOf(scale.shown());
    if (m_surround != nullptr && !bitmapArea.contains(event->rect())) {
        paintSurround(painter, event->rect(), scale);
    }
    paintBitmap(painter, event->rect() & bitmapArea, scale);
}

// Copies the area pixel for pixel when the board is shown at its own size on a screen of the
// bitmap's resolution; otherwise draws the whole board filtered to the view's size, clipped to the
// area, so that a repainted area gives the very pixels a whole repaint gives there.
void BitmapView::paintBitmap(QPainter& painter, const QRect& area, const BoardScale& scale) const {
    if (area.isEmpty()) {
        return;
    }
    const QImage image = platform::qt::imageOf(m_bitmap);
    if (scale.isUnscaled() && m_pixelRatio == 1) {
        painter.drawImage(area, image, area.translated(-bitmapOrigin()));
        return;
    }
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(platform::qt::rectOf(scale.shown()), image);
    painter.restore();
}

// Repeats the surround picture over the area so that it goes on from the bitmap's own corner, at
// the scale the board is drawn at.
void BitmapView::paintSurround(QPainter& painter, const QRect& area, const BoardScale& scale) const {
    const QImage tile = platform::qt::imageOf(*m_surround);
    if (tile.isNull()) {
        painter.fillRect(area, Qt::black);
        return;
    }
    const platform::Rect board = scale.toBoard({area.x(), area.y(), area.width(), area.height()});
    const auto firstBefore = [](int start, int step) { return start - (start % step + step) % step; };
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !scale.isUnscaled());
    painter.translate(scale.shown().x, scale.shown().y);
    painter.scale(scale.scaleX(), scale.scaleY());
    for (int y = firstBefore(board.y, tile.height()); y < board.y + board.height; y += tile.height()) {
        for (int x = firstBefore(board.x, tile.width()); x < board.x + board.width; x += tile.width()) {
            painter.drawImage(QPoint(x, y), tile);
        }
    }
    painter.restore();
}

QPoint BitmapView::boardPointAt(QPointF at) const {
    const BoardPoint point = boardScale().toBoard(int(std::floor(at.x())), int(std::floor(at.y())));
    return {point.x, point.y};
}

void BitmapView::mouseMoveEvent(QMouseEvent* event) {
    if (mouseMoved) {
        mouseMoved(boardPointAt(event->position()));
    }
}

void BitmapView::mouseReleaseEvent(QMouseEvent* event) {
    if (mouseReleased) {
        mouseReleased(event->button(), boardPointAt(event->position()));
    }
}

}  // namespace orbeni
