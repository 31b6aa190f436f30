#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/bitmap/bitmap.h"

namespace platform {
class Profile;
}

namespace morvane {

inline constexpr const char* kSettingsFile = "MORVANE.INI";

enum class WindowMode { Normal, Maximized, Minimized };

// The main window's placement as MORVANE.INI keeps it: no mode means the window was never closed
// here, and opens where the desktop puts it.
struct WindowPlacement {
    std::optional<WindowMode> mode;
    platform::Rect normal;  // the restored window, in screen pixels
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

WindowPlacement readWindowPlacement(const platform::Profile& settings);
bool writeWindowPlacement(platform::Profile& settings, const WindowPlacement& placement);

// Moves a restored window that lies (partly) off the screen back onto it, shrinking it to the
// screen when it is larger; a window without a size gets none.
platform::Rect broughtOnScreen(platform::Rect window, platform::Rect screen);

// The toggle state the next Full Screen command reads, and the reminder's switch.
bool fullScreenIsOn(const platform::Profile& settings);
bool writeFullScreen(platform::Profile& settings, bool on);
bool fullScreenReminderWanted(const platform::Profile& settings);
bool turnFullScreenReminderOff(platform::Profile& settings);

// What start-up leaves for the view: the game to open (none for the built-in game) and the
// program folder the built-in sounds and the manual are found in.
struct StartupGame {
    std::filesystem::path game;
    std::filesystem::path programFolder;
};

// Records the command line's game (made absolute against the current folder, so that it still
// names the same file after the folder changes) and the program folder in MORVANE.INI, and reads
// both back as the view does. Surrounding double quotes are taken off the game's path.
StartupGame recordStartup(platform::Profile& settings, const std::string& commandLineGame,
                          const std::filesystem::path& programFolder,
                          const std::filesystem::path& currentFolder);

// Makes the game's folder the current one, so that the bitmap and sound names it holds and the
// design work file "temp.rvq" are found beside it. False when the folder cannot be entered.
bool enterGameFolder(const std::filesystem::path& game);

}  // namespace morvane
