#include "outputs.h"

#include <QPainter>

#include "common/art_files.h"
#include "pictures.h"
#include "sounds.h"
#include "stones.h"

namespace pocketquillet_art {

namespace {

bool writeSounds(const std::filesystem::path& folder) {
    const struct {
        const char* name;
        PocketSound sound;
    } kSounds[] = {{"QZ1.wav", PocketSound::Qz1Hiscore},      {"QZ2.wav", PocketSound::Qz2PairRemoved},
                   {"QZ3.wav", PocketSound::Qz3BoardCleared}, {"QZ4.wav", PocketSound::Qz4Select},
                   {"QZ6.wav", PocketSound::Qz6Deselect},     {"QZ7.wav", PocketSound::Qz7Fault},
                   {"QZ8.wav", PocketSound::Qz8Gong},         {"QZ9.wav", PocketSound::Qz9Hint},
                   {"QZ10.wav", PocketSound::Qz10RoundDealt}, {"QZ11.wav", PocketSound::Qz11EmptyCell}};
    bool written = true;
    for (const auto& sound : kSounds) {
        written = art_common::writeBytes(folder / sound.name,
                                         art_common::encodeWav(makePocketSound(sound.sound))) &&
                  written;
    }
    return written;
}

// The stones at real size and enlarged as a handheld shows them, a selected stone and a path
// as the window draws them by XOR, the start picture and the icon.
QImage contactSheet(const platform::Bitmap& stones, const platform::Bitmap& pattern,
                    const platform::Bitmap& start, const QImage& icon) {
    QImage sheet(1000, 620, QImage::Format_RGB32);
    sheet.fill(QColor(48, 48, 52));
    QPainter painter(&sheet);
    const QImage stonesImage = art_common::toImage(stones);
    painter.drawImage(16, 16, stonesImage);
    painter.drawImage(16, 106, stonesImage.scaled(stones.width() * 2, stones.height() * 2));
    painter.drawImage(16, 270, art_common::toImage(start));
    QImage marked = stonesImage.copy(0, 0, 125, 25).scaled(250, 50);
    const QImage band = art_common::toImage(pattern).scaled(50, 50);
    QPainter xorPainter(&marked);
    xorPainter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    xorPainter.drawImage(50, 0, band);
    xorPainter.end();
    painter.drawImage(520, 270, marked);
    QImage path(250, 50, QImage::Format_RGB32);
    path.fill(Qt::white);
    QPainter pathPainter(&path);
    pathPainter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    pathPainter.drawImage(QRect(0, 23, 250, 4), art_common::toImage(pattern));
    pathPainter.end();
    painter.drawImage(520, 330, path);
    painter.drawImage(520, 400, art_common::toImage(pattern).scaled(100, 100));
    painter.fillRect(640, 400, 40, 40, Qt::white);
    painter.drawImage(652, 412, icon);
    return sheet;
}

}  // namespace

bool writeAllOutputs(const std::filesystem::path& artFolder, const std::filesystem::path& sheetFolder,
                     const art_common::ArtFonts& fonts) {
    const platform::Bitmap stones = makeStones(fonts);
    const platform::Bitmap pattern = makePattern();
    const platform::Bitmap start = makeStartPicture(fonts);
    const QImage icon = makeIcon(fonts);
    bool written = art_common::writeBitmap(artFolder / "stones.bmp", stones);
    written = art_common::writeBitmap(artFolder / "pattern.bmp", pattern) && written;
    written = art_common::writeBitmap(artFolder / "start.bmp", start) && written;
    written = art_common::writePng(artFolder / "icon.png", icon) && written;
    written = writeSounds(artFolder) && written;
    return art_common::writePng(sheetFolder / "contact_sheet.png",
                                contactSheet(stones, pattern, start, icon)) &&
           written;
}

}  // namespace pocketquillet_art
