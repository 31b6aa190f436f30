#include "morvane/game/frame_settings.h"

#include <algorithm>
#include <system_error>

#include "platform/profile/profile.h"

namespace morvane {

namespace {

constexpr const char* kWindowSection = "WINDOWPOS";
constexpr const char* kRemindersSection = "REMINDERS";
constexpr const char* kPassSection = "PASSDATA";
constexpr const char* kFullScreenKey = "FULLSCREEN";
constexpr std::size_t kWindowModeCapacity = 10;
constexpr std::size_t kCommandLineCapacity = 500;

std::optional<WindowMode> windowMode(const std::string& text) {
    if (text.empty()) {
        return std::nullopt;
    }
    if (text == "MAX") {
        return WindowMode::Maximized;
    }
    return text == "MIN" ? WindowMode::Minimized : WindowMode::Normal;
}

const char* windowModeText(WindowMode mode) {
    switch (mode) {
        case WindowMode::Maximized:
            return "MAX";
        case WindowMode::Minimized:
            return "MIN";
        case WindowMode::Normal:
            break;
    }
    return "NORM";
}

std::string withoutQuotes(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

// The folder with its trailing separator, as the program folder has always been recorded.
std::string folderText(const std::filesystem::path& folder) {
    std::string text = folder.string();
    if (text.empty() || text.back() != '/') {
        text += '/';
    }
    return text;
}

// Moves one side of a span of the window back inside the screen's span.
void fitSpan(int& start, int& length, int screenStart, int screenLength) {
    length = std::min(length, screenLength);
    start = std::clamp(start, screenStart, screenStart + screenLength - length);
}

}  // namespace

WindowPlacement readWindowPlacement(const platform::Profile& settings) {
    WindowPlacement placement;
    placement.mode = windowMode(settings.readString(kWindowSection, "WINMODE", "", kWindowModeCapacity));
    const int left = settings.readInt(kWindowSection, "WINLEFT", 0);
    const int top = settings.readInt(kWindowSection, "WINTOP", 0);
    const int right = settings.readInt(kWindowSection, "WINRIGHT", 0);
    const int bottom = settings.readInt(kWindowSection, "WINBOTTOM", 0);
    placement.normal = {left, top, std::max(0, right - left), std::max(0, bottom - top)};
    return placement;
}

bool writeWindowPlacement(platform::Profile& settings, const WindowPlacement& placement) {
    const platform::Rect& r = placement.normal;
    const char* mode = windowModeText(placement.mode.value_or(WindowMode::Normal));
    return settings.writeBatch([&](platform::Profile& profile) {
        return profile.writeString(kWindowSection, "WINMODE", mode) &&
               profile.writeInt(kWindowSection, "WINLEFT", r.x) &&
               profile.writeInt(kWindowSection, "WINTOP", r.y) &&
               profile.writeInt(kWindowSection, "WINRIGHT", r.x + r.width) &&
               profile.writeInt(kWindowSection, "WINBOTTOM", r.y + r.height);
    });
}

platform::Rect broughtOnScreen(platform::Rect window, platform::Rect screen) {
    if (window.width <= 0 || window.height <= 0) {
        return window;
    }
    fitSpan(window.x, window.width, screen.x, screen.width);
    fitSpan(window.y, window.height, screen.y, screen.height);
    return window;
}

bool fullScreenIsOn(const platform::Profile& settings) {
    return settings.readInt(kWindowSection, kFullScreenKey, 0) != 0;
}

bool writeFullScreen(platform::Profile& settings, bool on) {
    return settings.writeString(kWindowSection, kFullScreenKey, on ? "1" : "0");
}

bool fullScreenReminderWanted(const platform::Profile& settings) {
    return settings.readInt(kRemindersSection, kFullScreenKey, 1) != 0;
}

bool turnFullScreenReminderOff(platform::Profile& settings) {
    return settings.writeString(kRemindersSection, kFullScreenKey, "0");
}

StartupGame recordStartup(platform::Profile& settings, const std::string& commandLineGame,
                          const std::filesystem::path& programFolder,
                          const std::filesystem::path& currentFolder) {
    std::filesystem::path game = withoutQuotes(commandLineGame);
    if (!game.empty() && game.is_relative()) {
        game = (currentFolder / game).lexically_normal();
    }
    StartupGame startup{game, programFolder};
    // The view reads the game back as it was recorded; a settings file that cannot be written
    // still starts the game asked for.
    const bool recorded = settings.writeBatch([&](platform::Profile& profile) {
        return profile.writeString(kPassSection, "CMDLINE", game.string()) &&
               profile.writeString(kPassSection, "HELPPATH", folderText(programFolder));
    });
    if (recorded) {
        startup.game = settings.readString(kPassSection, "CMDLINE", "", kCommandLineCapacity);
        startup.programFolder = settings.readString(kPassSection, "HELPPATH", "");
    }
    return startup;
}

bool enterGameFolder(const std::filesystem::path& game) {
    std::error_code error;
    std::filesystem::current_path(game.parent_path(), error);
    return !error;
}

}  // namespace morvane
