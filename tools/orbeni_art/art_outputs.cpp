#include "art_outputs.h"

#include "backgrounds.h"
#include "common/art_files.h"
#include "common/synth.h"
#include "contact_sheet.h"
#include "music.h"
#include "notes_rtf.h"
#include "resources.h"
#include "sounds.h"
#include "tileset.h"

namespace orbeni_art {

using art_common::encodeWav;
using art_common::writeBitmap;
using art_common::writeBytes;
using art_common::writePng;

namespace {

// Writes each tileset and, beside it as "name@2x.bmp", its version drawn at twice the size for
// HiDPI screens; gives the tilesets of the board's own size for the other pictures.
bool writeTilesets(const std::filesystem::path& folder, const ArtFonts& fonts,
                   std::vector<platform::Bitmap>& made) {
    const struct {
        const char* name;
        TileColouring colouring;
    } kTilesets[] = {
        {"pai", TileColouring::Normal}, {"darkpai", TileColouring::Darker}, {"bluepai", TileColouring::Blue}};
    bool written = true;
    for (const auto& tileset : kTilesets) {
        made.push_back(makeTileset(tileset.colouring, fonts));
        written =
            writeBitmap(folder / "Tilesets" / (tileset.name + std::string(".bmp")), made.back()) && written;
        written = writeBitmap(folder / "Tilesets" / (tileset.name + std::string("@2x.bmp")),
                              makeTileset(tileset.colouring, fonts, 2)) &&
                  written;
    }
    return written;
}

bool writeSounds(const std::filesystem::path& folder) {
    const struct {
        const char* name;
        SoundEffect effect;
    } kSounds[] = {{"select.wav", SoundEffect::Select},
                   {"noway.wav", SoundEffect::NoWay},
                   {"done.wav", SoundEffect::Done}};
    bool written = true;
    for (const auto& sound : kSounds) {
        written = writeBytes(folder / sound.name, encodeWav(synthesise(sound.effect))) && written;
    }
    return written;
}

bool writeMusic(const std::filesystem::path& folder) {
    bool written = true;
    for (const Piece& piece : musicPieces()) {
        const std::optional<std::vector<std::uint8_t>> midi = composeMidi(piece);
        written = midi && writeBytes(folder / "Musics" / piece.fileName, *midi) && written;
    }
    return written;
}

bool writeResources(const std::filesystem::path& folder, const ArtFonts& fonts,
                    const platform::Bitmap& tileset) {
    const std::filesystem::path resources = folder / "resources";
    bool written = writeBitmap(resources / "splash.bmp", makeSplash(fonts, tileset));
    written = writeBitmap(resources / "toolbar.bmp", makeToolbarTexture()) && written;
    written = writePng(resources / "ok.png", makeOkGlyph()) && written;
    written = writePng(resources / "newgame.png", makeNewGamePicture(fonts)) && written;
    return writePng(resources / "techno.png", makeTechnoPointer()) && written;
}

// Draws the backgrounds and the side panel, writes them, and gives them for the contact sheet.
bool writePictures(const std::filesystem::path& folder, const ArtFonts& fonts,
                   std::vector<platform::Bitmap>& made, platform::Bitmap& sidePanel) {
    made = {makeAndromeda(), makeDragons(fonts), makeKanji(fonts)};
    sidePanel = makeHallOfFamePanel(fonts);
    bool written = writeBitmap(folder / "Backgrounds" / "andromeda.bmp", made[0]);
    written = writeBitmap(folder / "Backgrounds" / "dragons.bmp", made[1]) && written;
    written = writeBitmap(folder / "Backgrounds" / "kanji.bmp", made[2]) && written;
    return writeBitmap(folder / "hof.bmp", sidePanel) && written;
}

}  // namespace

bool writeText(const std::filesystem::path& file, std::string_view text) {
    return writeBytes(file, std::vector<std::uint8_t>(text.begin(), text.end()));
}

bool writeAllOutputs(const std::filesystem::path& folder, const ArtFonts& fonts) {
    std::vector<platform::Bitmap> tilesets;
    std::vector<platform::Bitmap> backgrounds;
    platform::Bitmap sidePanel;
    bool written = writeTilesets(folder, fonts, tilesets);
    written = writePictures(folder, fonts, backgrounds, sidePanel) && written;
    written = writeResources(folder, fonts, tilesets.back()) && written;
    written = writeSounds(folder) && written;
    written = writeMusic(folder) && written;
    written = writeText(folder / "orbeni.rtf", notesRtf()) && written;
    return writePng(folder / "contact_sheet.png", makeContactSheet(tilesets, backgrounds, sidePanel)) &&
           written;
}

}  // namespace orbeni_art
