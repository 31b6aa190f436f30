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

// Everything "Orbeni.ini" carries from one run to the next, with the first-run values: the check
// marks of the menus, and beside them what is not a check mark.
struct OrbeniSettings {
    Options options;
    int highlight = 1;
    std::string currentPlayer = "Player1";
    int background = 4;
    int boardNumber = 1;
    int midiNumber = 1;
    int tileset = 3;
    std::string lastLoadedTileset;
    std::string lastLoadedBackground;
    int keyboardLayout = 0;
    int randomSeed = 0;
    WindowBounds bounds;
    int previousRes = 0;
    bool maximized = true;

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

}  // namespace orbeni
