#pragma once

#include <QString>
#include <optional>

namespace orbeni_art {

// The font families the pictures are drawn with, loaded from the files of the Debian font
// packages, so the pictures come out the same on every machine.
struct ArtFonts {
    QString brush;  // brush-style CJK characters
    QString sans;   // index numerals and letters
    QString serif;  // titles
};

// Loads the font files; on failure prints which file is missing and gives nothing.
std::optional<ArtFonts> loadArtFonts();

}  // namespace orbeni_art
