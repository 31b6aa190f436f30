#include "orbeni/view/picture_choice.h"

#include <system_error>
#include <utility>

#include "orbeni/view/board_painter.h"
#include "orbeni/view/orbeni_settings.h"

namespace orbeni {

namespace {

constexpr int kKanji = 0;
constexpr int kDragons = 1;
constexpr int kNoBackground = 2;
constexpr int kBackgroundFromDisk = 3;
constexpr int kAndromeda = 4;
constexpr int kTilesetFromDisk = 0;

const char* backgroundFile(int item) {
    switch (item) {
        case kKanji:
            return "kanji.bmp";
        case kDragons:
            return "dragons.bmp";
        default:
            return "andromeda.bmp";
    }
}

const char* tilesetFile(int item) {
    switch (item) {
        case 1:
            return "pai.bmp";
        case 2:
            return "darkpai.bmp";
        default:
            return "bluepai.bmp";
    }
}

bool isFile(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

}  // namespace

PictureChoice::PictureChoice(std::filesystem::path programFolder, OrbeniSettings& settings,
                             BoardPainter& painter, PictureHost& host)
    : m_programFolder(std::move(programFolder)), m_settings(settings), m_painter(painter), m_host(host) {}

// A remembered file loaded from disk is used again; the item goes back to it only once it loaded.
void PictureChoice::ActiveTilesetBackground(double screenPixelRatio) {
    m_painter.setWantedPixelScale(screenPixelRatio > 1 ? 2 : 1);
    const int background = m_settings.background;
    m_settings.background = background == kBackgroundFromDisk ? kNoBackground : background;
    chooseBackground(background);
    const int tileset = m_settings.tileset;
    m_settings.tileset = tileset == kTilesetFromDisk ? 1 : tileset;
    chooseTileset(tileset);
}

void PictureChoice::chooseBackground(int item) {
    const int previous = m_settings.background;
    if (item == kBackgroundFromDisk) {
        LoadBackgroundClick(previous);
        return;
    }
    m_settings.background = item;
    if (item == kNoBackground) {
        m_painter.drawNoBackground();
        return;
    }
    NouveauFond(m_programFolder / "Backgrounds" / backgroundFile(item), previous);
}

// Lays the background from a file; a missing one makes the player choose another, and one that
// cannot be read is refused with its reason, the old background staying.
void PictureChoice::NouveauFond(const std::filesystem::path& file, int previousItem) {
    if (!isFile(file)) {
        m_settings.lastLoadedBackground.clear();
        m_settings.background = kBackgroundFromDisk;
        LoadBackgroundClick(previousItem);
        return;
    }
    if (const std::optional<std::string> error = m_painter.NouveauFond(file)) {
        m_settings.background = previousItem;
        m_host.showMessage("Background", "Cannot use the background " + file.string() + ": " + *error + ".");
    }
}

// Asks for a background file when none is remembered or the item is chosen again, until the
// player picks a file that exists. Cancelling keeps the background in use.
void PictureChoice::LoadBackgroundClick(int previousItem) {
    for (;;) {
        if (m_settings.background == kBackgroundFromDisk || m_settings.lastLoadedBackground.empty()) {
            const std::optional<std::string> chosen =
                m_host.askPictureFile("Please choose a Background bitmap file",
                                      "BMP Background files (*.bmp)", m_programFolder / "Backgrounds");
            if (!chosen) {
                m_settings.background = previousItem;
                return;
            }
            m_settings.lastLoadedBackground = *chosen;
        }
        if (isFile(m_settings.lastLoadedBackground)) {
            m_settings.background = kBackgroundFromDisk;
            NouveauFond(m_settings.lastLoadedBackground, previousItem);
            return;
        }
        m_settings.lastLoadedBackground.clear();
        m_settings.background = kBackgroundFromDisk;
    }
}

void PictureChoice::chooseTileset(int item) {
    const int previous = m_settings.tileset;
    if (item == kTilesetFromDisk) {
        Load1Click(previous);
        return;
    }
    m_settings.tileset = item;
    LoadTileset(m_programFolder / "Tilesets" / tilesetFile(item), previous);
}

void PictureChoice::LoadTileset(const std::filesystem::path& file, int previousItem) {
    if (!isFile(file)) {
        m_settings.lastLoadedTileset.clear();
        m_settings.tileset = kTilesetFromDisk;
        Load1Click(previousItem);
        return;
    }
    if (const std::optional<std::string> error = m_painter.LoadTileset(file)) {
        m_settings.tileset = previousItem;
        m_host.showMessage("Tileset", "Cannot use the tileset " + file.string() + ": " + *error + ".");
    }
    m_host.followPixelScale();
}

// As for backgrounds; while no tileset has been loaded at all there is nothing to keep, so the
// dialog comes back after a cancel too.
void PictureChoice::Load1Click(int previousItem) {
    for (;;) {
        if (m_settings.tileset == kTilesetFromDisk || m_settings.lastLoadedTileset.empty()) {
            const std::optional<std::string> chosen =
                m_host.askPictureFile("Please choose a Tileset bitmap file", "BMP Tileset files (*.bmp)",
                                      m_programFolder / "Tilesets");
            if (!chosen && m_painter.hasTileset()) {
                m_settings.tileset = previousItem;
                return;
            }
            m_settings.lastLoadedTileset = chosen.value_or(std::string());
        }
        if (isFile(m_settings.lastLoadedTileset)) {
            m_settings.tileset = kTilesetFromDisk;
            LoadTileset(m_settings.lastLoadedTileset, previousItem);
            return;
        }
        m_settings.lastLoadedTileset.clear();
        m_settings.tileset = kTilesetFromDisk;
    }
}

void PictureChoice::choose(Choice choice) {
    switch (choice.group) {
        case ChoiceGroup::Highlight:
            chooseHighlight(choice.value);
            break;
        case ChoiceGroup::Background:
            chooseBackground(choice.value);
            break;
        case ChoiceGroup::Tileset:
            chooseTileset(choice.value);
            break;
    }
}

void PictureChoice::chooseHighlight(int mode) {
    switch (HighlightMode(mode)) {
        case HighlightMode::None:
            m_painter.Highlight1Click();
            break;
        case HighlightMode::ColoredTile:
            m_painter.Highlight3Click();
            break;
        default:
            m_painter.Highlight2Click(HighlightMode(mode));
            break;
    }
    m_settings.highlight = mode;
}

}  // namespace orbeni
