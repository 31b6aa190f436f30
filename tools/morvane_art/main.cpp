// Draws and writes every picture and sound that ships beside morvane, and those of its sample
// games, into the folder named on the command line.
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>

#include "common/fonts.h"
#include "outputs.h"

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: morvane_art_generator OUTPUT_FOLDER\n");
        return 2;
    }
    const std::optional<art_common::ArtFonts> fonts = art_common::loadArtFonts();
    if (!fonts) {
        return 1;
    }
    return morvane_art::writeAllOutputs(std::filesystem::path(argv[1]), *fonts) ? 0 : 1;
}
