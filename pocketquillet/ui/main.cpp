#include <QApplication>

#include "platform/qt/command_actions.h"
#include "platform/qt/start_up.h"
#include "pocketquillet/game/program_info.h"
#include "pocketquillet/ui/pocket_window.h"

namespace {

// What --version says; the About box names its own "V 2.0 Beta1".
const QString kCommandVersion = QStringLiteral("2.0");

}  // namespace

int main(int argc, char* argv[]) {
    platform::qt::CommandLine commandLine(
        {QStringLiteral("pocketquillet"), kCommandVersion,
         QStringLiteral("A stone game on an 18 x 8 board: two stones go when they can leave the board "
                        "to the same side or meet along a free path.")});
    commandLine.read(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(kCommandVersion);
    QApplication::setApplicationName(platform::qt::text(pocketquillet::kApplicationTitle));
    pocketquillet::PocketWindow window;
    const QString screenshot = commandLine.screenshot();
    if (!screenshot.isEmpty()) {
        window.setWritesSettings(false);
    }
    window.show();
    return platform::qt::runWindow(app, window, screenshot,
                                   [&window](const QString& file) { return window.saveScreenshot(file); });
}
