#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include "orbeni/ui/dialogs/splash_window.h"
#include "orbeni/ui/orbeni_window.h"
#include "platform/process/quit_signals.h"

namespace {

// "--screenshot FILE.png": the file to save a picture of the window in, once it is shown; the
// program then ends without writing its settings.
QString screenshotFile(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--screenshot"));
    return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : QString();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
    auto* splash = new orbeni::TSplash(programFolder / "resources" / "splash.bmp");
    splash->showNow();
    app.setApplicationName(QStringLiteral("Orbeni 4.52"));
    orbeni::TOrbeni window(programFolder);
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
    const QString screenshot = screenshotFile(QCoreApplication::arguments());
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(500, &window, [&window, screenshot] {
            QCoreApplication::exit(window.saveScreenshot(screenshot) ? 0 : 1);
        });
    }
    return app.exec();
}
