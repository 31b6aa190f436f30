#include "pocketquillet/ui/board_view.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace pocketquillet {

BoardView::BoardView(const platform::Bitmap& image, QWidget* parent) : QWidget(parent), m_image(image) {
    setObjectName(QStringLiteral("board"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(120, 80);
}

void BoardView::showAreas(const std::vector<platform::Rect>& areas) {
    for (const platform::Rect& area : areas) {
        update(area.x, area.y, area.width, area.height);
    }
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (m_image.isNull()) {
        painter.fillRect(event->rect(), Qt::white);
        return;
    }
    // The bitmap's rows are opaque 0xFFRRGGBB pixels, as Qt's RGB32 format keeps them.
    const QImage image(reinterpret_cast<const uchar*>(m_image.pixels().data()), m_image.width(),
                       m_image.height(), qsizetype(m_image.width()) * qsizetype(sizeof(platform::Pixel)),
                       QImage::Format_RGB32);
    painter.drawImage(event->rect(), image, event->rect());
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && leftButtonDown) {
        leftButtonDown(event->position().toPoint());
    }
}

void BoardView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (resized) {
        resized(size());
    }
}

}  // namespace pocketquillet
