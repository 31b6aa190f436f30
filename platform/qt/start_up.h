#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <filesystem>
#include <functional>

class QApplication;
class QWidget;

namespace platform::qt {

// What a program says of itself on its command line.
struct ProgramDescription {
    QString command;  // the name --version gives
    QString version;
    QString description;  // the first line of --help
};

// The options every program takes, --help, --version and --screenshot FILE.png, beside its own.
class CommandLine {
public:
    explicit CommandLine(const ProgramDescription& program);

    QCommandLineParser& parser() { return m_parser; }
    const QCommandLineParser& parser() const { return m_parser; }

    // Reads the arguments before any window system is reached, so that --help and --version
    // answer (and end the program) without a display.
    void read(int argc, char* argv[]);
    // The file to save a picture of the window in once it is shown, or none.
    QString screenshot() const { return m_parser.value(m_screenshot); }

private:
    ProgramDescription m_program;
    QCommandLineParser m_parser;
    QCommandLineOption m_screenshot;
};

// The folder of the files a program ships with: beside it in its build folder, else where it is
// installed. The marker is a file that lies in it.
std::filesystem::path shippedFolder(const std::filesystem::path& markerFile, std::string_view program);

// Runs the window's event loop. A logout or `kill` closes the window as Exit does, so that what it
// keeps is saved in order. With a screenshot file, saves a picture of the window once it is shown
// and ends, with failure when the picture could not be saved.
int runWindow(QApplication& app, QWidget& window, const QString& screenshot,
              const std::function<bool(const QString&)>& saveScreenshot);

}  // namespace platform::qt
