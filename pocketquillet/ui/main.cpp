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

constexpr const char* kVersion = "2.0";

const QCommandLineOption kScreenshot(
    QStringLiteral("screenshot"),
    QStringLiteral("Saves a picture of the window once it is shown, then ends without writing settings."),
    QStringLiteral("FILE.png"));

void describe(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("A stone game on an 18 x 8 board: two stones go when they can "
                       "leave the board to the same side or meet along a free path."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(kScreenshot);
}

// Whether the command line holds an option; help and version need no window system.
bool asksFor(int argc, char* argv[], const char* shortName, const char* longName) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], shortName) == 0 || std::strcmp(argv[i], longName) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCommandLineParser parser;
    describe(parser);
    if (asksFor(argc, argv, "-h", "--help")) {
        std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                        QStringLiteral("pocketquillet"))),
                   stdout);
        return 0;
    }
    if (asksFor(argc, argv, "-v", "--version")) {
        std::printf("pocketquillet %s\n", kVersion);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
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
