#include "stones.h"

#include <QLinearGradient>
#include <QPainter>

#include "common/art_files.h"
#include "common/symbols.h"

namespace pocketquillet_art {

namespace {

using art_common::SymbolFamily;

const art_common::Inks kInks = {QColor(246, 242, 230), QColor(30, 28, 30),   QColor(200, 30, 36),
                                QColor(30, 140, 64),   QColor(12, 82, 40),   QColor(30, 80, 196),
                                QColor(24, 32, 100),   QColor(226, 166, 20), QColor(228, 104, 30),
                                QColor(255, 255, 255)};

struct FaceSymbol {
    SymbolFamily family;
    int member;
};

FaceSymbol symbolOf(int face) {
    if (face <= 27) {
        const SymbolFamily suits[] = {SymbolFamily::Pearls, SymbolFamily::Reeds, SymbolFamily::Numerals};
        return {suits[(face - 1) / 9], (face - 1) % 9 + 1};
    }
    if (face <= 31) {
        return {SymbolFamily::Winds, face - 27};
    }
    if (face <= 34) {
        return {SymbolFamily::Emblems, face - 31};
    }
    if (face <= 38) {
        return {SymbolFamily::Seasons, face - 34};
    }
    return {SymbolFamily::Moons, face - 38};
}

}  // namespace

void drawStone(QPainter& painter, const QRectF& square, int face, const art_common::ArtFonts& fonts) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double unit = square.width() / kStoneSize;
    const QRectF body = square.adjusted(0.5 * unit, 0.5 * unit, -0.5 * unit, -0.5 * unit);
    // A pebble lit from the top left: a grey rim below and right, a cream top.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 116, 108));
    painter.drawRoundedRect(body, 5 * unit, 5 * unit);
    QLinearGradient light(body.topLeft(), body.bottomRight());
    light.setColorAt(0, QColor(255, 253, 246));
    light.setColorAt(1, QColor(226, 218, 198));
    painter.setBrush(light);
    painter.drawRoundedRect(body.adjusted(0, 0, -1.6 * unit, -1.6 * unit), 4.5 * unit, 4.5 * unit);
    const FaceSymbol symbol = symbolOf(face);
    const QRectF area = body.adjusted(2.2 * unit, 2.2 * unit, -3.6 * unit, -3.6 * unit);
    art_common::drawSymbol(painter, area, symbol.family, symbol.member, kInks, fonts);
    painter.restore();
}

platform::Bitmap makeStones(const art_common::ArtFonts& fonts) {
    QImage stones(kStonesPerRow * kStoneSize, 3 * kStoneSize, QImage::Format_RGB32);
    stones.fill(Qt::white);
    QPainter painter(&stones);
    for (int face = 1; face <= kFaces; ++face) {
        const QRectF square(kStoneSize * ((face - 1) % kStonesPerRow),
                            kStoneSize * ((face - 1) / kStonesPerRow), kStoneSize, kStoneSize);
        drawStone(painter, square, face, fonts);
    }
    return art_common::toBitmap(stones);
}

platform::Bitmap makePattern() {
    platform::Bitmap pattern(kStoneSize, kStoneSize);
    for (int y = 0; y < kStoneSize; ++y) {
        for (int x = 0; x < kStoneSize; ++x) {
            // Diagonal stripes two pixels wide in two strengths of orange, which XOR turns blue.
            const bool strong = ((x + y) / 2) % 2 == 0;
            pattern.setPixel(x, y, strong ? platform::rgb(255, 150, 0) : platform::rgb(200, 100, 0));
        }
    }
    return pattern;
}

}  // namespace pocketquillet_art
