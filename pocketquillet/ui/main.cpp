#include <QApplication>

#include "platform/qt/command_actions.h"
#include "platform/qt/start_up.h"
#include "pocketquillet/game/program_info.h"
#include "pocketquillet/ui/pocket_window.h"

int main(int argc, char* argv[]) {
    platform::qt::CommandLine commandLine(
        {QStringLiteral("pocketquillet"), QStringLiteral("2.0"),
         QStringLiteral("A stone game on an 18 x 8 board: two stones go when they can leave the board "
                        "to the same side or meet along a free path.")});
    commandLine.read(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
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
