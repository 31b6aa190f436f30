#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cstdio>

namespace art_common {

namespace {

constexpr const char* kDejaVu = "/usr/share/fonts/truetype/dejavu/";

// Adds one font file of the DejaVu package and gives its first family, or an empty string.
QString addFontFile(const char* name) {
    const QString file = QString::fromUtf8(kDejaVu) + QString::fromUtf8(name);
    const int id = QFontDatabase::addApplicationFont(file);
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        std::fprintf(stderr, "art generator: cannot load the font %s (Debian package fonts-dejavu-core)\n",
                     qPrintable(file));
        return {};
    }
    return families.first();
}

}  // namespace

std::optional<ArtFonts> loadArtFonts() {
    ArtFonts fonts;
    fonts.sans = addFontFile("DejaVuSans-Bold.ttf");
    fonts.serif = addFontFile("DejaVuSerif-Bold.ttf");
    fonts.serifItalic = addFontFile("DejaVuSerif-BoldItalic.ttf");
    if (fonts.sans.isEmpty() || fonts.serif.isEmpty() || fonts.serifItalic.isEmpty()) {
        return std::nullopt;
    }
    return fonts;
}

}  // namespace art_common
