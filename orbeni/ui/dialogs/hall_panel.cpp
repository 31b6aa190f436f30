#include "orbeni/ui/dialogs/hall_panel.h"

#include <QPainter>

#include "orbeni/game/hall_of_fame.h"

namespace orbeni {

namespace {

// Ten points on the 96-dot screens the panel was laid out for.
constexpr int kTextPixelSize = 13;
constexpr int kRowPitch = 27;
const QColor kYellow(255, 255, 0);
const QColor kAqua(0, 255, 255);

QFont panelFont(const QString& family, QFont::StyleHint hint) {
    QFont font(family);
    font.setStyleHint(hint);
    font.setPixelSize(kTextPixelSize);
    return font;
}

// Writes text with its top-left corner at a point, as the panel's positions are given.
void drawTextAt(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(QRect(x, y, painter.device()->width(), kRowPitch),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

void drawTitle(QPainter& painter) {
    QFont title = panelFont(QStringLiteral("Arial"), QFont::SansSerif);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(kYellow);
    drawTextAt(painter, 21, 50, QStringLiteral("HALL OF"));
    drawTextAt(painter, 31, 70, QStringLiteral("FAME"));
}

// A rank never loaded has no entry to show; its row stays empty.
void drawRank(QPainter& painter, const HallOfFame& hall, int slot, int rank) {
    const std::string& entry = hall.entry(slot, rank);
    if (entry.empty()) {
        return;
    }
    QFont name = panelFont(QStringLiteral("Courier New"), QFont::TypeWriter);
    const bool last = rank == hall.LastRank();
    name.setBold(!last);
    name.setItalic(last);
    painter.setFont(name);
    painter.setPen(Qt::white);
    drawTextAt(painter, 15, 80 + kRowPitch * rank, QString::fromStdString(HallOfFame::entryName(entry)));
    painter.setFont(panelFont(QStringLiteral("Courier New"), QFont::TypeWriter));
    painter.setPen(kAqua);
    drawTextAt(painter, 39, 94 + kRowPitch * rank,
               QString::fromStdString(formatMinutes(HallOfFame::totalTime(entry))));
}

}  // namespace

QImage ShowPanelHOF(const QImage& hofPic, const HallOfFame& hall, int slot, HallPanelContent content,
                    int pixelScale) {
    QImage panel = hofPic.isNull() ? QImage(pixelScale * kHallPanelWidth, pixelScale * kHallPanelHeight,
                                            QImage::Format_RGB32)
                                   : hofPic.convertToFormat(QImage::Format_RGB32);
    if (hofPic.isNull()) {
        panel.fill(Qt::black);
    }
    panel.setDevicePixelRatio(pixelScale);
    if (content == HallPanelContent::BackgroundOnly) {
        return panel;
    }
    QPainter painter(&panel);
    drawTitle(painter);
    for (int rank = 1; rank <= kRanks; ++rank) {
        drawRank(painter, hall, slot, rank);
    }
    return panel;
}

}  // namespace orbeni
