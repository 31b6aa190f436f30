#include "toolbar.h"

#include <QImage>
#include <QPainter>

#include "common/art_files.h"
#include "toolbar_pictures.h"

namespace morvane_art {

platform::Bitmap makeToolbar(const art_common::ArtFonts& fonts) {
    QImage strip(kToolbarPictures * kButtonWidth, kButtonHeight, QImage::Format_RGB32);
    strip.fill(kButtonFace);
    const std::vector<ButtonPicture> pictures = buttonPictures(fonts);
    for (int i = 0; i < kToolbarPictures && i < int(pictures.size()); ++i) {
        QPainter painter(&strip);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.translate(i * kButtonWidth, 0);
        painter.setClipRect(0, 0, kButtonWidth, kButtonHeight);
        pictures[std::size_t(i)](painter);
    }
    return art_common::toBitmap(strip);
}

}  // namespace morvane_art
