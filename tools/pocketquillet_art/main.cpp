// Draws and writes the pictures and sounds built into pocketquillet: into the resource folder
// named first, and the contact sheet into the folder named second.
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>

#include "common/fonts.h"
#include "outputs.h"

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: pocketquillet_art_generator RESOURCE_FOLDER SHEET_FOLDER\n");
        return 2;
    }
    const std::optional<art_common::ArtFonts> fonts = art_common::loadArtFonts();
    if (!fonts) {
        return 1;
    }
    const bool written = pocketquillet_art::writeAllOutputs(std::filesystem::path(argv[1]),
                                                            std::filesystem::path(argv[2]), *fonts);
    return written ? 0 : 1;
}
