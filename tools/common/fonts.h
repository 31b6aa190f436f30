#pragma once

#include <QFont>
#include <QString>
#include <optional>

namespace art_common {

// The font families the pictures are drawn with, loaded from the files of Debian font packages,
// so that the pictures come out the same on every machine.
struct ArtFonts {
    QString sans;   // letters of the winds, labels
    QString serif;  // numerals and titles
    QString serifItalic;

    // The families' bold faces (the only ones loaded) at a size in pixels.
    QFont sansAt(int pixels) const { return bold(sans, pixels, false); }
    QFont serifAt(int pixels) const { return bold(serif, pixels, false); }
    QFont serifItalicAt(int pixels) const { return bold(serifItalic, pixels, true); }

private:
    static QFont bold(const QString& family, int pixels, bool italic) {
        QFont font(family);
        font.setPixelSize(pixels);
        font.setBold(true);
        font.setItalic(italic);
        return font;
    }
};

// Loads the font files; on failure prints which file is missing and gives nothing.
std::optional<ArtFonts> loadArtFonts();

}  // namespace art_common
