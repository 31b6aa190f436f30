#include <array>

#include "face_art.h"

namespace orbeni_art {

namespace {

// The white dragon: an empty blue double frame.
void drawFrame(QPainter& painter, const QColor& colour) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 3.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(6.5, 7.5, 27, 35));
    painter.setPen(QPen(colour, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(11, 12, 18, 26));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (const QPointF corner :
         {QPointF(6.5, 7.5), QPointF(33.5, 7.5), QPointF(6.5, 42.5), QPointF(33.5, 42.5)}) {
        painter.drawRect(QRectF(corner.x() - 3, corner.y() - 3, 6, 6));
    }
}

}  // namespace

void paintWind(QPainter& painter, int rank, const FaceInk& ink) {
    static const std::array<QString, 4> kWinds = {"東", "南", "西", "北"};
    static const std::array<QString, 4> kLetters = {"E", "S", "W", "N"};
    const std::size_t index = std::size_t(rank - 1);
    fitGlyph(painter, kWinds[index], ink.fonts.brush, QRectF(4, 9, 32, 36), ink.palette.black);
    drawIndex(painter, kLetters[index], ink, ink.palette.red, 1.5, 1.5);
}

void paintDragon(QPainter& painter, int rank, const FaceInk& ink) {
    static const std::array<QString, 3> kLetters = {"R", "G", "W"};
    if (rank == 3) {
        drawFrame(painter, ink.palette.blue);
    } else {
        const QColor& colour = rank == 1 ? ink.palette.red : ink.palette.green;
        fitGlyph(painter, rank == 1 ? "中" : "發", ink.fonts.brush, QRectF(4, 8, 32, 38), colour);
    }
    drawIndex(painter, kLetters[std::size_t(rank - 1)], ink, ink.palette.black, 1.5, 1.5);
}

}  // namespace orbeni_art
