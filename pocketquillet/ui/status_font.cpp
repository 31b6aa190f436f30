#include "pocketquillet/ui/status_font.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace pocketquillet {

namespace {

constexpr int kPixelHeight = 12;
constexpr int kCharacterWidth = 8;

QColor colourOf(platform::Pixel pixel) {
    return QColor(platform::redOf(pixel), platform::greenOf(pixel), platform::blueOf(pixel));
}

}  // namespace

StatusFont::StatusFont() {
    m_font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono")});
    m_font.setStyleHint(QFont::Monospace);
    m_font.setPixelSize(kPixelHeight);
    m_font.setBold(true);
    const int natural = QFontMetrics(m_font).horizontalAdvance(QLatin1Char('0'));
    if (natural > 0 && natural != kCharacterWidth) {
        m_font.setStretch(100 * kCharacterWidth / natural);
    }
    const QFontMetrics metrics(m_font);
    m_metrics = {std::max(metrics.horizontalAdvance(QLatin1Char('0')), 1),
                 metrics.height() + metrics.leading()};
    m_ascent = metrics.ascent();
    m_height = metrics.height();
}

void StatusFont::drawText(platform::Bitmap& target, Point origin, std::string_view text,
                          platform::Pixel colour, const platform::Pixel* background) {
    if (target.isNull()) {
        return;
    }
    QImage image(reinterpret_cast<uchar*>(target.row(0)), target.width(), target.height(),
                 qsizetype(target.width()) * qsizetype(sizeof(platform::Pixel)), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setFont(m_font);
    const QString line = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (background != nullptr) {
        const int width = static_cast<int>(line.size()) * m_metrics.charWidth;
        painter.fillRect(origin.x, origin.y, width, m_height, colourOf(*background));
    }
    painter.setPen(colourOf(colour));
    painter.drawText(origin.x, origin.y + m_ascent, line);
}

}  // namespace pocketquillet
