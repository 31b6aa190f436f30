#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "orbeni/game/options.h"

namespace platform {
class Profile;
}

namespace orbeni {

inline constexpr std::string_view kSettingsFileName = "Orbeni.ini";
inline constexpr std::string_view kHallOfFameFileName = "Hallfame.ini";
inline constexpr std::string_view kSettingsSection = "Orbeni";

struct ScreenSize {
    int width = 0;
    int height = 0;
};

struct WindowBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowBounds&) const = default;
};

// Everything "Orbeni.ini" carries from one run to the next, with the first-run values.
struct OrbeniSettings {
    int highlight = 1;
    bool invert = false;
    bool showMoves = true;
    bool playMusic = true;
    bool playSounds = true;
    bool neverWarn = false;
    std::string currentPlayer = "Player1";
    int background = 4;
    int boardNumber = 1;
    int midiNumber = 1;
    bool setRes800 = false;
    bool startDirectly = true;
    int tileset = 3;
    std::string lastLoadedTileset;
    std::string lastLoadedBackground;
    int keyboardLayout = 0;
    bool startMusic = true;
    bool showHallOfFame = true;
    bool showToolbar = true;
    bool showStatus = true;
    bool coolMouse = true;
    bool coolStatus = true;
    bool coolToolbar = true;
    bool tileRivers = true;
    bool showTime = true;
    bool enableHall = true;
    bool vertical = false;
    bool winnable = false;
    bool shuffable = true;
    bool animate = false;
    bool showTile = false;
    bool onlyPossible = false;
    bool randomMusic = false;
    int randomSeed = 0;
    WindowBounds bounds;
    int previousRes = 0;
    bool maximized = true;
    // Draws the board as large as the window allows instead of at its own size.
    bool scaleBoard = false;
    // Says when a move has made the game one that cannot be won any more.
    bool warnUnwinnable = false;

    bool operator==(const OrbeniSettings&) const = default;
};

// The window of a first run: 640 × 480 at the corner of a 640-pixel screen, else 710 × 570 centred.
WindowBounds defaultBounds(ScreenSize screen);
// The bounds to open with: the stored ones only on a screen as wide as the one they were left on.
WindowBounds startBounds(const OrbeniSettings& settings, ScreenSize screen);

// Reads an integer the way the settings file holds it: decimal, or hexadecimal after "0x";
// anything else (or a number out of range) gives the default.
int parseSettingsInt(std::string_view text, int defaultValue);

// Reads every key; a missing file, section, key or a damaged value gives its default.
OrbeniSettings readSettings(const platform::Profile& profile, ScreenSize screen);
// Writes every key in the file's order. False when the file could not be written.
bool writeSettings(platform::Profile& profile, const OrbeniSettings& settings);

// Forgets the tileset and background files loaded from disk that no longer exist; a name
// without a folder is taken in the program folder.
void forgetMissingFiles(OrbeniSettings& settings, const std::filesystem::path& programFolder);

// Copies the check marks the game itself keeps between the settings and its options.
void applyOptions(const OrbeniSettings& settings, Options& options);
void takeOptions(const Options& options, OrbeniSettings& settings);

}  // namespace orbeni
