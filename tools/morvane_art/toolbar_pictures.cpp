// The button pictures of the tool bar, one function each, in the tool bar's order.
#include "toolbar_pictures.h"

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace morvane_art {

namespace {

const QColor kBlue(40, 92, 204);
const QColor kGreen(36, 150, 70);
const QColor kRed(206, 36, 36);
const QColor kInk(30, 26, 24);

void loadGame(QPainter& p) {
    p.setPen(QPen(QColor(150, 100, 20), 0.9));
    p.setBrush(QColor(226, 176, 60));
    p.drawPolygon(QPolygonF({{1, 3}, {6, 3}, {7.5, 4.5}, {13, 4.5}, {13, 13}, {1, 13}}));
    p.setBrush(QColor(250, 214, 110));
    p.drawPolygon(QPolygonF({{3.5, 7}, {15.5, 7}, {13, 13}, {1, 13}}));
}

void newGame(QPainter& p) {
    drawSmallTile(p, QRectF(4, 2.5, 8, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(8, 7.5), 2.3, 2.3);
    p.setPen(QPen(QColor(236, 170, 20), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13.5, 0.8), QPointF(13.5, 5.2));
    p.drawLine(QPointF(11.3, 3), QPointF(15.7, 3));
}

// An arrow running round a circle: the same deal again.
void restartGame(QPainter& p) {
    p.setPen(QPen(kGreen, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 2, 11, 11), 100 * 16, 280 * 16);
    p.setPen(QPen(kGreen.darker(150), 0.8));
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({{5.5, 0}, {9.8, 2.2}, {6, 5.6}}));
}

void undo(QPainter& p) {
    p.setPen(QPen(kBlue, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(5, 6);
    path.cubicTo(10, 6, 14.5, 7, 13.5, 12.5);
    p.drawPath(path);
    p.setPen(QPen(kBlue.darker(150), 0.8));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({{0.8, 6}, {6, 1.6}, {6, 10.4}}));
}

void ribbon(QPainter& p, const QColor& colour) {
    p.setPen(QPen(colour.darker(160), 0.9));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({{1.5, 0.5}, {7.5, 0.5}, {7.5, 14}, {4.5, 10.5}, {1.5, 14}}));
}

void setBookmark(QPainter& p, int bookmark, const art_common::ArtFonts& fonts) {
    ribbon(p, kRed);
    drawDigit(p, QRectF(8, 1, 8, 13), bookmark, kInk, fonts);
}

void goToBookmark(QPainter& p, int bookmark, const art_common::ArtFonts& fonts) {
    drawArrow(p, QPointF(0.5, 7.5), QPointF(8, 7.5), kGreen, 3);
    drawDigit(p, QRectF(8, 1, 8, 13), bookmark, kBlue, fonts);
}

void showMoves(QPainter& p) {
    drawBulb(p, QColor(255, 222, 70));
}

void triangle(QPainter& p, bool pointsRight) {
    p.setPen(QPen(kBlue.darker(150), 0.9));
    p.setBrush(kBlue);
    const double tip = pointsRight ? 13 : 3;
    const double back = pointsRight ? 4 : 12;
    p.drawPolygon(QPolygonF({{back, 2}, {tip, 7.5}, {back, 13}}));
    p.setBrush(kBlue.darker(120));
    p.drawRect(QRectF(pointsRight ? 13 : 1.5, 2, 1.5, 11));
}

void doIt(QPainter& p) {
    p.setPen(QPen(kGreen, 2.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{2.5, 8}, {6.2, 12}, {13.8, 3}}));
}

void exitShowMoves(QPainter& p) {
    drawBulb(p, QColor(214, 214, 200));
    drawCross(p, QRectF(8.5, 7.5, 6, 6), kRed);
}

// A pencil across a grid: the layout is drawn by hand.
void enterDesignMode(QPainter& p) {
    p.setPen(QPen(QColor(150, 150, 160), 0.8));
    for (const double at : {1.5, 6.0, 10.5}) {
        p.drawLine(QPointF(at, 1), QPointF(at, 14));
        p.drawLine(QPointF(1, at + 1.5), QPointF(15, at + 1.5));
    }
    p.translate(8, 7.5);
    p.rotate(-45);
    p.setPen(QPen(QColor(120, 80, 20), 0.8));
    p.setBrush(QColor(244, 190, 40));
    p.drawRect(QRectF(-4, -1.8, 8, 3.6));
    p.setBrush(QColor(232, 130, 150));
    p.drawRect(QRectF(4, -1.8, 2.2, 3.6));
    p.setBrush(QColor(240, 214, 170));
    p.drawPolygon(QPolygonF({{-4, -1.8}, {-7.5, 0}, {-4, 1.8}}));
    p.resetTransform();
}

void shift(QPainter& p, QPointF from, QPointF to) {
    drawArrow(p, from, to, QColor(30, 60, 150), 3.4);
}

void insertMode(QPainter& p) {
    drawSmallTile(p, QRectF(3, 1, 9, 11));
    p.setPen(QPen(kGreen, 2.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(7.5, 3), QPointF(7.5, 10));
    p.drawLine(QPointF(4, 6.5), QPointF(11, 6.5));
}

void removeMode(QPainter& p) {
    drawSmallTile(p, QRectF(3, 1, 9, 11));
    p.setPen(QPen(kRed, 2.6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(4, 6.5), QPointF(11, 6.5));
}

// A broom sweeping the board clear.
void clearBoard(QPainter& p) {
    p.setPen(QPen(QColor(120, 70, 30), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 1), QPointF(7.5, 8));
    p.setPen(QPen(QColor(150, 100, 20), 0.8));
    p.setBrush(QColor(236, 190, 70));
    p.drawPolygon(QPolygonF({{6, 6.5}, {9.5, 9.5}, {6, 14.5}, {0.5, 14.5}, {0.5, 12}}));
    p.setPen(QPen(QColor(150, 100, 20), 0.7));
    p.drawLine(QPointF(4, 10), QPointF(2.5, 14.5));
    p.drawLine(QPointF(6.5, 10.5), QPointF(4.8, 14.5));
}

// A cog wheel.
void editSettings(QPainter& p) {
    QPolygonF cog;
    for (int i = 0; i < 32; ++i) {
        const double angle = i * std::numbers::pi / 16;
        const double radius = (i / 2) % 2 == 0 ? 7 : 5.2;
        cog << QPointF(8 + radius * std::cos(angle + 0.1), 7.5 + radius * std::sin(angle + 0.1));
    }
    p.setPen(QPen(QColor(60, 70, 90), 0.9));
    p.setBrush(QColor(130, 144, 170));
    p.drawPolygon(cog);
    p.setBrush(kButtonFace);
    p.drawEllipse(QPointF(8, 7.5), 2.2, 2.2);
}

void saveGame(QPainter& p) {
    p.setPen(QPen(QColor(20, 40, 110), 0.9));
    p.setBrush(QColor(50, 90, 190));
    p.drawPolygon(QPolygonF({{1.5, 1}, {12.5, 1}, {14.5, 3}, {14.5, 14}, {1.5, 14}}));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(3.5, 1, 8, 5));
    p.setBrush(QColor(190, 196, 210));
    p.drawRect(QRectF(4, 9, 8, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 90, 190));
    p.drawRect(QRectF(9, 2, 1.8, 3));
}

// A door with an arrow coming out of it: back to play.
void exitDesignMode(QPainter& p) {
    p.setPen(QPen(QColor(90, 50, 20), 0.9));
    p.setBrush(QColor(170, 110, 60));
    p.drawRect(QRectF(7, 1, 7.5, 13));
    p.setBrush(QColor(236, 190, 70));
    p.drawEllipse(QPointF(8.8, 7.8), 0.9, 0.9);
    drawArrow(p, QPointF(12, 7.5), QPointF(0.5, 7.5), kGreen, 3);
}

void onLineManual(QPainter& p, const art_common::ArtFonts& fonts) {
    p.setPen(QPen(QColor(20, 40, 110), 0.9));
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(8, 7.5), 6.8, 6.8);
    p.setFont(fonts.sansAt(12));
    p.setPen(Qt::white);
    p.drawText(QRectF(1, 1, 14, 13.5), Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace

std::vector<ButtonPicture> buttonPictures(const art_common::ArtFonts& fonts) {
    std::vector<ButtonPicture> pictures = {loadGame, newGame, restartGame, undo};
    for (int bookmark = 1; bookmark <= 4; ++bookmark) {
        pictures.push_back([bookmark, &fonts](QPainter& p) { setBookmark(p, bookmark, fonts); });
    }
    for (int bookmark = 1; bookmark <= 4; ++bookmark) {
        pictures.push_back([bookmark, &fonts](QPainter& p) { goToBookmark(p, bookmark, fonts); });
    }
    pictures.insert(pictures.end(),
                    {showMoves, [](QPainter& p) { triangle(p, true); },
                     [](QPainter& p) { triangle(p, false); }, doIt, exitShowMoves, enterDesignMode});
    pictures.push_back([](QPainter& p) { shift(p, {1, 7.5}, {15, 7.5}); });
    pictures.push_back([](QPainter& p) { shift(p, {15, 7.5}, {1, 7.5}); });
    pictures.push_back([](QPainter& p) { shift(p, {8, 14.5}, {8, 0.5}); });
    pictures.push_back([](QPainter& p) { shift(p, {8, 0.5}, {8, 14.5}); });
    pictures.insert(pictures.end(),
                    {insertMode, removeMode, clearBoard, editSettings, saveGame, exitDesignMode});
    pictures.push_back([&fonts](QPainter& p) { onLineManual(p, fonts); });
    return pictures;
}

}  // namespace morvane_art
