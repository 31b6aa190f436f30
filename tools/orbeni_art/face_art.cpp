#include "face_art.h"

#include <QFont>
#include <QPainterPath>

namespace orbeni_art {

namespace {

QPainterPath textPath(const QString& text, const QString& family, double pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(int(pixelSize));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

}  // namespace

void paintFace(QPainter& painter, FaceKind face, const FaceInk& ink) {
    switch (face.family) {
        case FaceFamily::Crak:
            return paintCrak(painter, face.rank, ink);
        case FaceFamily::Bamboo:
            return paintBamboo(painter, face.rank, ink);
        case FaceFamily::Dot:
            return paintDots(painter, face.rank, ink);
        case FaceFamily::Flower:
            return paintFlower(painter, face.rank, ink);
        case FaceFamily::Season:
            return paintSeason(painter, face.rank, ink);
        case FaceFamily::Dragon:
            return paintDragon(painter, face.rank, ink);
        case FaceFamily::Wind:
            return paintWind(painter, face.rank, ink);
    }
}

void fitGlyph(QPainter& painter, const QString& text, const QString& family, const QRectF& box,
              const QColor& colour) {
    const QPainterPath path = textPath(text, family, 100, false);
    const QRectF bounds = path.boundingRect();
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    painter.save();
    painter.translate(box.center());
    painter.scale(scale, scale);
    painter.translate(-bounds.center());
    painter.fillPath(path, colour);
    painter.restore();
}

void drawIndex(QPainter& painter, const QString& text, const FaceInk& ink, const QColor& colour, double x,
               double y) {
    const QPainterPath path = textPath(text, ink.fonts.sans, 8, true);
    const QRectF bounds = path.boundingRect();
    painter.save();
    painter.translate(x - bounds.left(), y - bounds.top());
    painter.fillPath(path, colour);
    painter.restore();
}

}  // namespace orbeni_art
