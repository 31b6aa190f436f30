#include "morvane/ui/splash_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "morvane/ui/bitmap_image.h"
#include "platform/bitmap/bmp_file.h"

namespace morvane {

namespace {

constexpr QSize kSplashSize(589, 374);
constexpr int kShownMilliseconds = 4000;

QPixmap loadPicture(const std::filesystem::path& file) {
    const platform::Result<platform::Bitmap> bitmap = platform::loadBmp(file);
    return bitmap ? QPixmap::fromImage(imageOf(bitmap.value()).copy()) : QPixmap();
}

}  // namespace

SplashWindow::SplashWindow(const std::filesystem::path& picture, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(loadPicture(picture)) {
    setObjectName(QStringLiteral("SplashWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the main window ends the program even while the splash still shows.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(m_picture.isNull() ? kSplashSize : m_picture.size());
    m_closeTimer.setSingleShot(true);
    connect(&m_closeTimer, &QTimer::timeout, this, &QWidget::close);
}

void SplashWindow::showCentred() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    show();
    m_closeTimer.start(kShownMilliseconds);
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_picture.isNull()) {
        painter.drawPixmap(0, 0, m_picture);
        return;
    }
    painter.fillRect(rect(), QColor(20, 60, 40));
    painter.setPen(QColor(240, 220, 150));
    QFont font = painter.font();
    font.setPixelSize(48);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Morvane"));
}

void SplashWindow::keyPressEvent(QKeyEvent*) {
    close();
}

void SplashWindow::mousePressEvent(QMouseEvent*) {
    close();
}

}  // namespace morvane
