#include "platform/qt/start_up.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include "platform/data_folder/data_folder.h"
#include "platform/process/quit_signals.h"

namespace platform::qt {

namespace {

// Long enough for the window's first paint and the layout of its bars.
constexpr int kScreenshotDelayMilliseconds = 500;

}  // namespace

CommandLine::CommandLine(const ProgramDescription& program)
    : m_program(program),
      m_screenshot(QStringLiteral("screenshot"),
                   QStringLiteral("Save a picture of the window to FILE.png and end."),
                   QStringLiteral("FILE.png")) {
    m_parser.setApplicationDescription(program.description);
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addOption(m_screenshot);
}

void CommandLine::read(int argc, char* argv[]) {
    QCoreApplication commandLine(argc, argv);
    commandLine.setApplicationName(m_program.command);
    commandLine.setApplicationVersion(m_program.version);
    m_parser.process(commandLine);
}

std::filesystem::path shippedFolder(const std::filesystem::path& markerFile, std::string_view program) {
    return dataFolder(QCoreApplication::applicationDirPath().toStdString(), markerFile, program);
}

int runWindow(QApplication& app, QWidget& window, const QString& screenshot,
              const std::function<bool(const QString&)>& saveScreenshot) {
    QSocketNotifier quitSignals(watchQuitSignals(), QSocketNotifier::Read);
    QObject::connect(&quitSignals, &QSocketNotifier::activated, &window, [&window] {
        drainQuitSignals();
        if (window.close()) {
            QCoreApplication::quit();
        }
    });
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(kScreenshotDelayMilliseconds, &window, [saveScreenshot, screenshot] {
            QCoreApplication::exit(saveScreenshot(screenshot) ? 0 : 1);
        });
    }
    return app.exec();
}

}  // namespace platform::qt
