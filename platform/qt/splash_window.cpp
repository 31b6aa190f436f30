#include "platform/qt/splash_window.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace platform::qt {

namespace {

Qt::WindowFlags flagsOf(const SplashLook& look) {
    return look.windowTitle.isEmpty() ? Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                                      : Qt::Window;
}

}  // namespace

SplashWindow::SplashWindow(const QImage& picture, SplashLook look)
    : QWidget(nullptr, flagsOf(look)), m_picture(picture), m_look(std::move(look)) {
    setObjectName(QStringLiteral("SplashWindow"));
    setWindowTitle(m_look.windowTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the main window ends the program even while the splash still shows.
    setAttribute(Qt::WA_QuitOnClose, false);
    const QSize pictureSize = m_picture.isNull() ? m_look.plainSize : m_picture.size();
    setFixedSize(pictureSize.grownBy(m_look.frame));
    m_closeTimer.setSingleShot(true);
    m_closeTimer.onTimeout([this] { close(); });
}

void SplashWindow::showCentred() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    show();
    repaint();
    if (m_look.shownFor.count() > 0) {
        m_closeTimer.start(m_look.shownFor);
    }
}

// Draws the picture on its frame, with the program's name on the strip below it; without the
// picture, the name alone.
void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient frame(0, 0, 0, height());
    frame.setColorAt(0, m_look.frameTop);
    frame.setColorAt(1, m_look.frameBottom);
    painter.fillRect(rect(), frame);
    if (!m_picture.isNull()) {
        painter.drawImage(m_look.frame.left(), m_look.frame.top(), m_picture);
        if (m_look.frame.bottom() == 0) {
            return;
        }
    }
    painter.setPen(m_look.nameColour);
    QFont font = painter.font();
    font.setPixelSize(m_picture.isNull() ? m_look.namePixels : m_look.stripNamePixels);
    font.setBold(true);
    painter.setFont(font);
    const QRect strip(0, height() - m_look.frame.bottom(), width(), m_look.frame.bottom());
    painter.drawText(m_picture.isNull() ? rect() : strip, Qt::AlignCenter, m_look.name);
}

void SplashWindow::keyPressEvent(QKeyEvent*) {
    if (m_look.shownFor.count() > 0) {
        close();
    }
}

void SplashWindow::mousePressEvent(QMouseEvent*) {
    if (m_look.shownFor.count() > 0) {
        close();
    }
}

}  // namespace platform::qt
