#include <QApplication>
#include <QCommandLineParser>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "platform/process/quit_signals.h"
#include "pocketquillet/game/program_info.h"
#include "pocketquillet/ui/dialogs/dialog_texts.h"
#include "pocketquillet/ui/pocket_window.h"

namespace {

const QCommandLineOption kScreenshot(
    QStringLiteral("screenshot"),
    QStringLiteral("Saves a picture of the window once it is shown, then ends without writing settings."),
    QStringLiteral("FILE.png"));

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("A stone game on an 18 x 8 board: two stones go when they can "
                       "leave the board to the same side or meet along a free path."));
    parser.addHelpOption();
    parser.addOption(kScreenshot);
}

// Whether the command line asks for help, which needs no window system.
bool asksForHelp(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCommandLineParser parser;
    describe(parser);
    if (asksForHelp(argc, argv)) {
        std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                        QStringLiteral("pocketquillet"))),
                   stdout);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(pocketquillet::qt(pocketquillet::kApplicationTitle));
    parser.process(app);
    pocketquillet::PocketWindow window;
    // A logout or `kill` closes the window as the close command does, so the settings are saved.
    QSocketNotifier quitSignals(platform::watchQuitSignals(), QSocketNotifier::Read);
    QObject::connect(&quitSignals, &QSocketNotifier::activated, &window, [&window] {
        platform::drainQuitSignals();
        if (window.close()) {
            QCoreApplication::quit();
        }
    });
    window.show();
    if (parser.isSet(kScreenshot)) {
        const QString file = parser.value(kScreenshot);
        window.setWritesSettings(false);
        QTimer::singleShot(500, &window,
                           [&window, file] { QCoreApplication::exit(window.saveScreenshot(file) ? 0 : 1); });
    }
    return app.exec();
}
