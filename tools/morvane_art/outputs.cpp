#include "outputs.h"

#include <string>

#include "common/art_files.h"
#include "common/bmp4.h"
#include "contact_sheet.h"
#include "pictures.h"
#include "sounds.h"
#include "tile_sets.h"
#include "toolbar.h"

namespace morvane_art {

namespace {

// Writes a set's five sounds under names that start with a prefix ("" for the built-in set).
bool writeSounds(const std::filesystem::path& folder, const std::string& prefix, SoundKit kit) {
    const struct {
        const char* name;
        GameSound sound;
    } kSounds[] = {{"select.wav", GameSound::Select},
                   {"deselect.wav", GameSound::Deselect},
                   {"unfree.wav", GameSound::Unfree},
                   {"remove.wav", GameSound::Remove},
                   {"won.wav", GameSound::Won}};
    bool written = true;
    for (const auto& sound : kSounds) {
        const std::vector<std::uint8_t> wav = art_common::encodeWav(makeGameSound(kit, sound.sound));
        written = art_common::writeBytes(folder / (prefix + sound.name), wav) && written;
    }
    return written;
}

bool writeBuiltInTiles(const std::filesystem::path& folder, const art_common::ArtFonts& fonts,
                       platform::Bitmap& tiles) {
    tiles = makeTileBitmap(builtInStyle(), builtInGroups(), 426, 500, fonts);
    art_common::quantise(tiles, builtInPalette());
    return art_common::writeBytes(folder / "tiles.bmp", art_common::encodeBmp4(tiles, builtInPalette()));
}

bool writeSampleGames(const std::filesystem::path& games, const art_common::ArtFonts& fonts,
                      MorvanePictures& pictures) {
    pictures.lanternTiles = makeTileBitmap(lanternStyle(), lanternGroups(), 9 * 56, 4 * 72, fonts);
    pictures.terraceTiles = makeTileBitmap(terraceStyle(), terraceGroups(), 9 * 48, 5 * 62, fonts);
    bool written = art_common::writeBitmap(games / "Lantern.bmp", pictures.lanternTiles);
    written = art_common::writeBitmap(games / "Terrace.bmp", pictures.terraceTiles) && written;
    written = writeSounds(games, "lantern_", SoundKit::Glass) && written;
    return writeSounds(games, "terrace_", SoundKit::Stone) && written;
}

}  // namespace

bool writeAllOutputs(const std::filesystem::path& folder, const art_common::ArtFonts& fonts) {
    MorvanePictures pictures;
    bool written = writeBuiltInTiles(folder, fonts, pictures.builtInTiles);
    pictures.marker = makeMarker();
    pictures.splash = makeSplash(pictures.builtInTiles, fonts);
    pictures.toolbar = makeToolbar(fonts);
    pictures.icon = makeIcon(32);
    pictures.largeIcon = makeIcon(48);
    written = art_common::writeBitmap(folder / "marker.bmp", pictures.marker) && written;
    written = art_common::writeBitmap(folder / "splash.bmp", pictures.splash) && written;
    written = art_common::writeBitmap(folder / "toolbar.bmp", pictures.toolbar) && written;
    written = art_common::writePng(folder / "morvane.png", pictures.icon) && written;
    written = art_common::writePng(folder / "morvane-48.png", pictures.largeIcon) && written;
    written = writeSounds(folder, "", SoundKit::Ivory) && written;
    written = writeSampleGames(folder / "Games", fonts, pictures) && written;
    return art_common::writePng(folder / "contact_sheet.png", makeContactSheet(pictures)) && written;
}

}  // namespace morvane_art
