// Draws and writes every picture, sound and piece of music that ships beside orbeni into the
// folder named on the command line.
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>

#include "art_outputs.h"
#include "fonts.h"

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orbeni_art_generator OUTPUT_FOLDER\n");
        return 2;
    }
    const std::optional<orbeni_art::ArtFonts> fonts = orbeni_art::loadArtFonts();
    if (!fonts) {
        return 1;
    }
    const bool written = orbeni_art::writeAllOutputs(std::filesystem::path(argv[1]), *fonts);
    return written ? 0 : 1;
}
