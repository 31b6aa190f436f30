#include <QFileDialog>

#include "orbeni/ui/orbeni_window.h"

// The Background, Tileset and Highlight menus: which picture file each item loads, the dialog of
// "Load from disk", and what a file that cannot be used does.

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

// Loads the remembered pictures at start-up; a remembered file is used again without a dialog.
void TOrbeni::ActiveTilesetBackground() {
    const int background = m_settings.background;
    m_settings.background = background == kBackgroundFromDisk ? kNoBackground : background;
    chooseBackground(background);
    const int tileset = m_settings.tileset;
    m_settings.tileset = tileset == kTilesetFromDisk ? 1 : tileset;
    chooseTileset(tileset);
}

void TOrbeni::chooseBackground(int item) {
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
void TOrbeni::NouveauFond(const std::filesystem::path& file, int previousItem) {
    if (!isFile(file)) {
        m_settings.lastLoadedBackground.clear();
        m_settings.background = kBackgroundFromDisk;
        LoadBackgroundClick(previousItem);
        return;
    }
    if (const std::optional<std::string> error = m_painter.NouveauFond(file)) {
        m_settings.background = previousItem;
        showMessage("Background", "Cannot use the background " + file.string() + ": " + *error + ".");
    }
}

// Asks for a background file when none is remembered or the item is chosen again, until the
// player picks a file that exists. Cancelling keeps the background in use.
void TOrbeni::LoadBackgroundClick(int previousItem) {
    for (;;) {
        if (m_settings.background == kBackgroundFromDisk || m_settings.lastLoadedBackground.empty()) {
            const std::optional<std::string> chosen = askPictureFile(
                "Please choose a Background bitmap file", "BMP Background files (*.bmp)", "Backgrounds");
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

void TOrbeni::chooseTileset(int item) {
    const int previous = m_settings.tileset;
    if (item == kTilesetFromDisk) {
        Load1Click(previous);
        return;
    }
    m_settings.tileset = item;
    LoadTileset(m_programFolder / "Tilesets" / tilesetFile(item), previous);
}

void TOrbeni::LoadTileset(const std::filesystem::path& file, int previousItem) {
    if (!isFile(file)) {
        m_settings.lastLoadedTileset.clear();
        m_settings.tileset = kTilesetFromDisk;
        Load1Click(previousItem);
        return;
    }
    if (const std::optional<std::string> error = m_painter.LoadTileset(file)) {
        m_settings.tileset = previousItem;
        showMessage("Tileset", "Cannot use the tileset " + file.string() + ": " + *error + ".");
    }
    followPixelScale();
}

// As for backgrounds; while no tileset has been loaded at all there is nothing to keep, so the
// dialog comes back after a cancel too.
void TOrbeni::Load1Click(int previousItem) {
    for (;;) {
        if (m_settings.tileset == kTilesetFromDisk || m_settings.lastLoadedTileset.empty()) {
            const std::optional<std::string> chosen = askPictureFile("Please choose a Tileset bitmap file",
                                                                     "BMP Tileset files (*.bmp)", "Tilesets");
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

std::optional<std::string> TOrbeni::askPictureFile(const char* title, const char* filter,
                                                   const char* folder) {
    const QString file = QFileDialog::getOpenFileName(
        this, QString::fromUtf8(title), QString::fromStdString((m_programFolder / folder).string()),
        QString::fromUtf8(filter));
    return file.isEmpty() ? std::nullopt : std::optional<std::string>(file.toStdString());
}

void TOrbeni::chooseHighlight(int mode) {
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
