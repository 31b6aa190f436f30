#pragma once

#include "platform/qt/splash_window.h"

namespace orbeni {

// "Welcome to Orbeni...": the picture shown while the main window is being built, on a night-blue
// frame with the program's name below it. The program closes it once the main window shows.
platform::qt::SplashLook splashLook();

}  // namespace orbeni
