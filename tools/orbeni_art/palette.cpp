#include "palette.h"

namespace orbeni_art {

TilePalette tilePalette(TileColouring colouring) {
    switch (colouring) {
        case TileColouring::Darker:
            return {QColor(226, 210, 172), QColor(186, 164, 122), QColor(196, 176, 136), QColor(122, 78, 44),
                    QColor(64, 36, 18),    QColor(12, 10, 8),     QColor(158, 22, 20),   QColor(18, 92, 48),
                    QColor(26, 52, 122),   QColor(170, 120, 20),  QColor(196, 86, 120),  QColor(96, 60, 30)};
        case TileColouring::Blue:
            return {QColor(252, 253, 255), QColor(210, 222, 238), QColor(226, 234, 246), QColor(52, 104, 200),
                    QColor(14, 40, 116),   QColor(18, 20, 40),    QColor(204, 30, 52),   QColor(16, 124, 96),
                    QColor(22, 62, 176),   QColor(200, 150, 30),  QColor(230, 110, 160), QColor(110, 76, 50)};
        case TileColouring::Normal:
            break;
    }
    return {QColor(253, 249, 234), QColor(228, 216, 186), QColor(236, 226, 198), QColor(52, 146, 92),
            QColor(18, 86, 50),    QColor(22, 22, 22),    QColor(198, 28, 28),   QColor(20, 122, 58),
            QColor(30, 70, 164),   QColor(206, 150, 26),  QColor(232, 112, 150), QColor(112, 72, 40)};
}

}  // namespace orbeni_art
