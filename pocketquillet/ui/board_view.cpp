#include "pocketquillet/ui/board_view.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/bitmap_image.h"

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
    painter.drawImage(event->rect(), platform::qt::imageOf(m_image), event->rect());
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
