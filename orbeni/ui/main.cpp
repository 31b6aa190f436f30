#include <QApplication>
#include <QCommandLineParser>
#include <QSocketNotifier>
#include <QTimer>
#include <optional>

#include "orbeni/ui/dialogs/splash_window.h"
#include "orbeni/ui/orbeni_import.h"
#include "orbeni/ui/orbeni_window.h"
#include "orbeni/view/orbeni_settings.h"
#include "platform/data_folder/data_folder.h"
#include "platform/process/quit_signals.h"

namespace {

// What the command line asks for beside a game: a picture of the window, or layouts to import.
struct CommandLine {
    QString screenshot;
    bool importing = false;
    QStringList importFiles;
};

// "--screenshot FILE.png": the file to save a picture of the window in, once it is shown; the
// program then ends without writing its settings. "--import FILE...": the layout files of other
// programs to import without a window.
CommandLine readCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Orbeni: Mah-Jongg solitaire with Rivers mode, a layout editor, tilesets and music."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the window to FILE.png and end."),
                                        QStringLiteral("FILE.png"));
    parser.addOption(screenshot);
    const QCommandLineOption import(
        QStringLiteral("import"),
        QStringLiteral("Import the layouts of KMahjongg .layout and GNOME Mahjongg .map files, print what "
                       "became of each, and end."),
        QStringLiteral("FILE"));
    parser.addOption(import);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("With --import, more files to import."),
                                 QStringLiteral("[FILE...]"));
    parser.process(app);
    return {parser.value(screenshot), parser.isSet(import),
            parser.values(import) + parser.positionalArguments()};
}

// The shipped files lie beside the program in its build folder, else where it is installed; what
// it writes goes to the settings folder when its own cannot take it.
struct Folders {
    std::filesystem::path program;
    std::filesystem::path user;
};

Folders programFolders() {
    const std::filesystem::path executableFolder = QCoreApplication::applicationDirPath().toStdString();
    const std::filesystem::path programFolder =
        platform::dataFolder(executableFolder, "Layouts/Classic.lay", "orbeni");
    return {programFolder, platform::writableFolder(executableFolder, programFolder, "orbeni",
                                                    {orbeni::kSettingsFileName, orbeni::kHallOfFameFileName,
                                                     orbeni::kSavedGameFileName})};
}

}  // namespace

int main(int argc, char* argv[]) {
    // The command line is read before any window system is reached, so --help, --version and
    // --import answer without a display.
    std::optional<int> importResult;
    const QString screenshot = [&] {
        QCoreApplication commandLine(argc, argv);
        commandLine.setApplicationVersion(QStringLiteral("4.52"));
        const CommandLine read = readCommandLine(commandLine);
        if (read.importing) {
            const Folders folders = programFolders();
            importResult = orbeni::importFromCommandLine(read.importFiles, folders.program, folders.user);
        }
        return read.screenshot;
    }();
    if (importResult) {
        return *importResult;
    }
    QApplication app(argc, argv);
    app.setDesktopFileName(QStringLiteral("orbeni"));
    const auto [programFolder, userFolder] = programFolders();
    auto* splash = new orbeni::TSplash(programFolder / "resources" / "splash.bmp");
    splash->showCentred();
    app.setApplicationName(QStringLiteral("Orbeni 4.52"));
    orbeni::TOrbeni window(programFolder, userFolder);
    if (!window.canRun()) {
        delete splash;
        return 1;
    }
    // A logout or `kill` closes the window as Exit does: settings, hall of fame and music in order.
    QSocketNotifier quitSignals(platform::watchQuitSignals(), QSocketNotifier::Read);
    QObject::connect(&quitSignals, &QSocketNotifier::activated, &window, [&window] {
        platform::drainQuitSignals();
        if (window.close()) {
            QCoreApplication::quit();
        }
    });
    window.show();
    delete splash;
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(500, &window, [&window, screenshot] {
            QCoreApplication::exit(window.saveScreenshot(screenshot) ? 0 : 1);
        });
    }
    return app.exec();
}
