#pragma once

#include <filesystem>

#include "platform/qt/splash_window.h"

namespace orbeni {

// "Welcome to Orbeni...": the picture shown while the main window is being built, on a night-blue
// frame with the program's name below it. The program closes it once the main window shows.
class TSplash : public platform::qt::SplashWindow {
public:
    // A missing or unreadable picture gives a small plain window with the program's name.
    explicit TSplash(const std::filesystem::path& picture);
};

}  // namespace orbeni
