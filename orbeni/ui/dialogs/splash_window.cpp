#include "orbeni/ui/dialogs/splash_window.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

#include "orbeni/game/program_info.h"
#include "platform/qt/bitmap_image.h"

namespace orbeni {

namespace {

// The window is this much larger than its picture, the room the original frame took.
constexpr int kExtraWidth = 5;
constexpr int kExtraHeight = 25;
constexpr QSize kPlainSize(320, 120);
constexpr int kPictureInset = 2;

QPixmap loadPicture(const std::filesystem::path& file) {
    return QPixmap::fromImage(platform::qt::loadImage(file));
}

}  // namespace

TSplash::TSplash(const std::filesystem::path& picture, QWidget* parent)
    : QWidget(parent, Qt::Window), m_picture(loadPicture(picture)) {
    setObjectName(QStringLiteral("TSplash"));
    setWindowTitle(QStringLiteral("Welcome to Orbeni..."));
    const QSize pictureSize = m_picture.isNull() ? kPlainSize : m_picture.size();
    setFixedSize(pictureSize + QSize(kExtraWidth, kExtraHeight));
}

void TSplash::showNow() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    show();
    repaint();
}

// Draws the picture on a dark frame, with the program's name in the strip below it.
void TSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient night(0, 0, 0, height());
    night.setColorAt(0, QColor(18, 24, 62));
    night.setColorAt(1, QColor(2, 4, 14));
    painter.fillRect(rect(), night);
    const QRect strip(0, height() - kExtraHeight + kPictureInset, width(), kExtraHeight - kPictureInset);
    if (!m_picture.isNull()) {
        painter.drawPixmap(kPictureInset, kPictureInset, m_picture);
    }
    painter.setPen(QColor(230, 200, 110));
    QFont font = painter.font();
    font.setPixelSize(m_picture.isNull() ? 28 : 12);
    font.setBold(true);
    painter.setFont(font);
    const QString name =
        QString::fromUtf8(kApplicationTitle.data(), qsizetype(kApplicationTitle.size())).trimmed();
    painter.drawText(m_picture.isNull() ? rect() : strip, Qt::AlignCenter, name);
}

}  // namespace orbeni
