#include "fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cstdio>

namespace orbeni_art {

namespace {

// Adds one font file and gives its first family, or an empty string.
QString addFontFile(const char* file, const char* package) {
    const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(file));
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty()) {
        std::fprintf(stderr, "orbeni_art: cannot load the font %s (Debian package %s; ./dev installs it)\n",
                     file, package);
        return {};
    }
    return families.first();
}

}  // namespace

std::optional<ArtFonts> loadArtFonts() {
    ArtFonts fonts;
    fonts.brush = addFontFile("/usr/share/fonts/truetype/arphic/ukai.ttc", "fonts-arphic-ukai");
    fonts.sans = addFontFile("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", "fonts-dejavu-core");
    fonts.serif = addFontFile("/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf", "fonts-dejavu-core");
    if (fonts.brush.isEmpty() || fonts.sans.isEmpty() || fonts.serif.isEmpty()) {
        return std::nullopt;
    }
    return fonts;
}

}  // namespace orbeni_art
