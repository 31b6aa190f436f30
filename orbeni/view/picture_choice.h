#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "orbeni/game/window_commands.h"

namespace orbeni {

class BoardPainter;
struct OrbeniSettings;

// What choosing a picture asks of the window.
class PictureHost {
public:
    virtual ~PictureHost() = default;
    // The file the player picks in a folder of the program; none when the dialog is cancelled.
    virtual std::optional<std::string> askPictureFile(std::string_view title, std::string_view filter,
                                                      const std::filesystem::path& folder) = 0;
    virtual void showMessage(const std::string& title, const std::string& text) = 0;
    // A tileset was offered to the painter: the pictures' pixel scale may have changed with it.
    virtual void followPixelScale() = 0;
};

// The Background, Tileset and Highlight menus: which picture file each item loads, the dialog of
// "Load from disk", and what a file that cannot be used does. The items in use and the files
// loaded from disk are the settings' own.
class PictureChoice {
public:
    PictureChoice(std::filesystem::path programFolder, OrbeniSettings& settings, BoardPainter& painter,
                  PictureHost& host);

    // Loads the remembered pictures at start-up, drawn with as many pixels as the screen shows
    // for each board pixel; a remembered file is used again without a dialog.
    void ActiveTilesetBackground(double screenPixelRatio);
    // A choice of the Highlight, Background or Tileset menu.
    void choose(Choice choice);
    void chooseBackground(int item);
    void chooseTileset(int item);
    void chooseHighlight(int mode);

private:
    void NouveauFond(const std::filesystem::path& file, int previousItem);
    void LoadBackgroundClick(int previousItem);
    void LoadTileset(const std::filesystem::path& file, int previousItem);
    void Load1Click(int previousItem);

    std::filesystem::path m_programFolder;
    OrbeniSettings& m_settings;
    BoardPainter& m_painter;
    PictureHost& m_host;
};

}  // namespace orbeni
