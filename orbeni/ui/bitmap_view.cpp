#include "orbeni/ui/bitmap_view.h"

#include <QMouseEvent>
#include <QPainter>

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

QSize BitmapView::sizeHint() const {
    return {m_bitmap.width(), m_bitmap.height()};
}

void BitmapView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), imageOf(m_bitmap), event->rect());
}

void BitmapView::mouseMoveEvent(QMouseEvent* event) {
    if (mouseMoved) {
        mouseMoved(event->position().toPoint());
    }
}

void BitmapView::mouseReleaseEvent(QMouseEvent* event) {
    if (mouseReleased) {
        mouseReleased(event->button(), event->position().toPoint());
    }
}

}  // namespace orbeni
