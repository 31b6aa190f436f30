#include "orbeni/ui/bitmap_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "orbeni/ui/bitmap_image.h"

namespace orbeni {

BitmapView::BitmapView(const platform::Bitmap& bitmap, const QString& name, QWidget* parent)
    : QWidget(parent), m_bitmap(bitmap) {
    setObjectName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    fitBitmap();
}

// Never taller than the bitmap, but cut at the bottom rather than holding a window taller.
void BitmapView::fitBitmap() {
    setFixedWidth(m_bitmap.width());
    setMinimumHeight(0);
    setMaximumHeight(m_bitmap.height());
    resize(m_bitmap.width(), m_bitmap.height());
    updateGeometry();
}

void BitmapView::centreOn(const platform::Bitmap& surround) {
    m_surround = &surround;
    setMinimumSize(m_bitmap.width(), m_bitmap.height());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

QPoint BitmapView::bitmapOrigin() const {
    if (m_surround == nullptr) {
        return {};
    }
    return {std::max(0, (width() - m_bitmap.width()) / 2), std::max(0, (height() - m_bitmap.height()) / 2)};
}

void BitmapView::bitmapChanged(platform::Rect area) {
    update(QRect(area.x, area.y, area.width, area.height).translated(bitmapOrigin()));
}

QSize BitmapView::sizeHint() const {
    return {m_bitmap.width(), m_bitmap.height()};
}

void BitmapView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QPoint origin = bitmapOrigin();
    const QRect bitmapArea(origin, QSize(m_bitmap.width(), m_bitmap.height()));
    if (m_surround != nullptr && !bitmapArea.contains(event->rect())) {
        paintSurround(painter, event->rect());
    }
    const QRect shown = event->rect() & bitmapArea;
    painter.drawImage(shown, imageOf(m_bitmap), shown.translated(-origin));
}

// Repeats the surround picture over the area so that it goes on from the bitmap's own corner.
void BitmapView::paintSurround(QPainter& painter, const QRect& area) const {
    const QImage tile = imageOf(*m_surround);
    if (tile.isNull()) {
        painter.fillRect(area, Qt::black);
        return;
    }
    const QPoint origin = bitmapOrigin();
    const auto firstBefore = [](int from, int start, int step) {
        return start - ((start - from) % step + step) % step;
    };
    const int left = firstBefore(origin.x(), area.left(), tile.width());
    const int top = firstBefore(origin.y(), area.top(), tile.height());
    for (int y = top; y <= area.bottom(); y += tile.height()) {
        for (int x = left; x <= area.right(); x += tile.width()) {
            const QRect part = QRect(QPoint(x, y), tile.size()) & area;
            painter.drawImage(part, tile, part.translated(-x, -y));
        }
    }
}

void BitmapView::mouseMoveEvent(QMouseEvent* event) {
    if (mouseMoved) {
        mouseMoved(event->position().toPoint() - bitmapOrigin());
    }
}

void BitmapView::mouseReleaseEvent(QMouseEvent* event) {
    if (mouseReleased) {
        mouseReleased(event->button(), event->position().toPoint() - bitmapOrigin());
    }
}

}  // namespace orbeni
