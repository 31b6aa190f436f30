// Draws the menu icons of the three games into the folder named on the command line:
// <program>-48.png, <program>-256.png and <program>.svg for each.
#include <QGuiApplication>
#include <cstdio>
#include <filesystem>
#include <string>

#include "common/art_files.h"
#include "program_icons.h"

namespace {

bool writeProgramIcon(const std::filesystem::path& folder, const icons::ProgramIcon& entry) {
    const std::string name(entry.program);
    const std::string svg = icons::svgOf(entry.icon);
    return art_common::writePng(folder / (name + "-48.png"), icons::paintIcon(entry.icon, 48)) &&
           art_common::writePng(folder / (name + "-256.png"), icons::paintIcon(entry.icon, 256)) &&
           art_common::writeBytes(folder / (name + ".svg"),
                                  std::vector<std::uint8_t>(svg.begin(), svg.end()));
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: icon_generator OUTPUT_FOLDER\n");
        return 2;
    }
    bool written = true;
    for (const icons::ProgramIcon& entry : icons::programIcons()) {
        written = writeProgramIcon(argv[1], entry) && written;
    }
    return written ? 0 : 1;
}
