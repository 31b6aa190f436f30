#include <QApplication>
#include <QCommandLineParser>
#include <QSocketNotifier>
#include <QTimer>
#include <chrono>

#include "morvane/ui/main_frame.h"
#include "platform/audio/audio_output.h"
#include "platform/data_folder/data_folder.h"
#include "platform/process/quit_signals.h"
#include "platform/qt/bitmap_image.h"
#include "platform/qt/splash_window.h"

namespace {

struct Options {
    QString game;        // the game file named on the command line, or empty
    QString screenshot;  // where to save a picture of the window once shown, or empty
};

Options parseCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Morvane: a layered tile game played from .RVQ game files."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the window to FILE.png and end."),
                                        QStringLiteral("FILE.png"));
    parser.addOption(screenshot);
    parser.addPositionalArgument(QStringLiteral("game"), QStringLiteral("The game file (.RVQ) to play."),
                                 QStringLiteral("[game]"));
    parser.process(app);
    const QStringList games = parser.positionalArguments();
    return {games.isEmpty() ? QString() : games.join(QLatin1Char(' ')), parser.value(screenshot)};
}

// A borderless picture on top for four seconds, or until a key or a click.
platform::qt::SplashLook splashLook() {
    const QColor felt(20, 60, 40);
    platform::qt::SplashLook look;
    look.name = QStringLiteral("Morvane");
    look.plainSize = QSize(589, 374);
    look.frameTop = look.frameBottom = felt;
    look.nameColour = QColor(240, 220, 150);
    look.namePixels = 48;
    look.shownFor = std::chrono::seconds(4);
    return look;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The command line is read before any window system is reached, so --help and --version
    // answer without a display.
    const Options options = [&] {
        QCoreApplication commandLine(argc, argv);
        commandLine.setApplicationName(QStringLiteral("Morvane"));
        commandLine.setApplicationVersion(QStringLiteral("1.00"));
        return parseCommandLine(commandLine);
    }();
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Morvane"));
    // The menu entry's name, so that the desktop shows the window with its icon.
    app.setDesktopFileName(QStringLiteral("morvane"));
    // The built-in tiles beside the program (a build folder), else those installed with it.
    const std::filesystem::path programFolder =
        platform::dataFolder(QCoreApplication::applicationDirPath().toStdString(), "tiles.bmp", "morvane");
    app.setWindowIcon(QIcon(QString::fromStdString((programFolder / "morvane.png").string())));

    morvane::CMainFrame frame(programFolder);
    // A logout or `kill` closes the window as Exit does, so its place is saved.
    QSocketNotifier quitSignals(platform::watchQuitSignals(), QSocketNotifier::Read);
    QObject::connect(&quitSignals, &QSocketNotifier::activated, &frame, [&frame] {
        platform::drainQuitSignals();
        if (frame.close()) {
            QCoreApplication::quit();
        }
    });
    frame.startGame(options.game.toStdString(), platform::AudioOutput::hasPlaybackDevice());
    frame.showFromSettings();
    if (!options.screenshot.isEmpty()) {
        QTimer::singleShot(500, &frame, [&frame, file = options.screenshot] {
            QCoreApplication::exit(frame.saveScreenshot(file) ? 0 : 1);
        });
    } else {
        auto* splash = new platform::qt::SplashWindow(platform::qt::loadImage(programFolder / "splash.bmp"),
                                                      splashLook());
        splash->showCentred();
    }
    return app.exec();
}
