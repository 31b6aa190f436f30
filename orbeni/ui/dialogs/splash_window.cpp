#include "orbeni/ui/dialogs/splash_window.h"

#include "orbeni/game/program_info.h"
#include "platform/qt/bitmap_image.h"
#include "platform/qt/conversions.h"

namespace orbeni {

namespace {

platform::qt::SplashLook splashLook() {
    platform::qt::SplashLook look;
    look.windowTitle = QStringLiteral("Welcome to Orbeni...");
    look.name = platform::qt::text(kApplicationTitle).trimmed();
    look.plainSize = QSize(320, 120);
    // The window is 5 by 25 pixels larger than its picture, the room the original frame took;
    // the picture sits 2 pixels in, the name on the strip below it.
    look.frame = QMargins(2, 2, 3, 23);
    look.frameTop = QColor(18, 24, 62);
    look.frameBottom = QColor(2, 4, 14);
    look.nameColour = QColor(230, 200, 110);
    look.namePixels = 28;
    look.stripNamePixels = 12;
    return look;
}

}  // namespace

TSplash::TSplash(const std::filesystem::path& picture)
    : platform::qt::SplashWindow(platform::qt::loadImage(picture), splashLook()) {
    setObjectName(QStringLiteral("TSplash"));
}

}  // namespace orbeni
