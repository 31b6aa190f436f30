#include "orbeni/ui/display_mode.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>

namespace orbeni {

namespace {

// Runs xrandr with the arguments; false when it is missing or refuses.
bool xrandr(const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xrandr"));
    if (program.isEmpty()) {
        return false;
    }
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(5000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

QString sizeArgument(QSize size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

}  // namespace

// Tests the change first (a dry run) and applies it only when the test succeeds, as the display
// settings of the session only, never stored.
bool DisplayMode::switchTo800x600() {
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const QSize wanted(800, 600);
    if (screen == wanted || QGuiApplication::platformName() != QLatin1String("xcb")) {
        return false;
    }
    if (!xrandr({QStringLiteral("--dryrun"), QStringLiteral("-s"), sizeArgument(wanted)})) {
        return false;
    }
    m_previous = screen;
    if (!xrandr({QStringLiteral("-s"), sizeArgument(wanted)})) {
        m_previous = QSize();
    }
    return m_previous.isValid();
}

void DisplayMode::restore() {
    if (m_previous.isValid() &&
        xrandr({QStringLiteral("--dryrun"), QStringLiteral("-s"), sizeArgument(m_previous)})) {
        xrandr({QStringLiteral("-s"), sizeArgument(m_previous)});
    }
    m_previous = QSize();
}

}  // namespace orbeni
