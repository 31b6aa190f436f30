#pragma once

#include <array>
#include <string>
#include <string_view>

#include "morvane/game/game_settings.h"

namespace morvane {

// Which button of a "Default" / "Custom" pair of the Game Settings dialog is chosen.
enum class RadioChoice { Default, Custom };

// Whether a Change button keeps the whole path of the chosen file or its bare name.
enum class SavePath { Full, BareName };

using SoundTable = std::array<std::string, kSoundSlots>;

// What the Custom Bitmap Settings dialog edits.
struct BitmapChoice {
    std::string path;
    int width = 0;
    int height = 0;
    int depth = 0;
    friend bool operator==(const BitmapChoice&, const BitmapChoice&) = default;
};

// The built-in picture: "DEFAULT" with its tiles of 44 x 59 pixels and a 6-pixel edge.
BitmapChoice defaultBitmap();
BitmapChoice bitmapOf(const GameSettings& settings);

// The built-in sound files by their bare names, resolved in the program's folder once the game is
// written and read back.
SoundTable defaultSoundNames();

// The name a Change button puts in its field for the file the player picked.
std::string chosenFileName(std::string_view pickedPath, SavePath savePath);

// The Game Settings dialog's copy of the settings and the rules its radio buttons and
// sub-dialogs follow; the window shows it and hands back settings() on OK.
class SettingsChoices {
public:
    explicit SettingsChoices(const GameSettings& current) : m_settings(current) {}

    const GameSettings& settings() const { return m_settings; }
    RadioChoice tileSetChoice() const;
    RadioChoice bitmapChoice() const;
    RadioChoice soundsChoice() const;
    RadioChoice layoutChoice() const;

    // "Default" tile set brings back the built-in groups.
    void chooseTileSet(RadioChoice choice);
    // "Default Bitmap" brings back the built-in picture and its sizes.
    void chooseBitmap(RadioChoice choice);
    // "Default" sounds bring back the built-in files.
    void chooseSounds(RadioChoice choice);
    void chooseLayout(RadioChoice choice);
    void setRules(const MoveRules& rules) { m_settings.rules = rules; }

    // The results of the three sub-dialogs closed with OK. A tile set or sounds edited while
    // "Default" is chosen are dropped, and the bitmap stays the built-in one while "Default
    // Bitmap" is chosen.
    void takeTileSet(const TileSet& tileSet);
    void takeBitmap(const BitmapChoice& bitmap);
    void takeSounds(const SoundTable& sounds);

private:
    GameSettings m_settings;
};

}  // namespace morvane
