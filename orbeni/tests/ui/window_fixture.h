#pragma once

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "orbeni/ui/orbeni_window.h"
#include "platform/qt/window_timer.h"

// What the window tests share: a program folder of their own, the window opened on it, its menu
// items by caption, dialogs acted on as they open, and places of the board.

namespace orbeni::window_test {

// Copies every file under a folder to the same place under another.
inline void copyFolder(const QString& from, const QString& to) {
    const QDir source(from);
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
}

// A program folder of its own, with the art, music and layouts that ship, so that no test
// touches the build folder.
class ProgramFolder {
public:
    explicit ProgramFolder(bool withLayouts = true) {
        for (const char* folder : {"Tilesets", "Backgrounds", "Musics", "resources"}) {
            copyFolder(QStringLiteral(ORBENI_ART_DIR "/") + QLatin1String(folder),
                       m_dir.filePath(QLatin1String(folder)));
        }
        for (const char* file : {"hof.bmp", "orbeni.rtf", "select.wav", "noway.wav", "done.wav"}) {
            QFile::copy(QStringLiteral(ORBENI_ART_DIR "/") + QLatin1String(file),
                        m_dir.filePath(QLatin1String(file)));
        }
        if (withLayouts) {
            copyFolder(QStringLiteral(ORBENI_LAYOUTS_DIR), m_dir.filePath(QStringLiteral("Layouts")));
        }
    }
    std::filesystem::path path() const { return m_dir.path().toStdString(); }
    std::filesystem::path settingsFile() const { return path() / "Orbeni.ini"; }

private:
    QTemporaryDir m_dir;
};

inline QAction* findAction(QWidget* menus, const QString& caption) {
    for (QAction* action : menus->actions()) {
        if (action->text() == caption) {
            return action;
        }
        if (action->menu() != nullptr) {
            if (QAction* inner = findAction(action->menu(), caption)) {
                return inner;
            }
        }
    }
    return nullptr;
}

inline QStringList menuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* action : bar->actions()) {
        titles << action->text();
    }
    return titles;
}

inline std::unique_ptr<orbeni::TOrbeni> openWindow(const ProgramFolder& folder) {
    auto window = std::make_unique<orbeni::TOrbeni>(folder.path());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        return nullptr;
    }
    return window;
}

// Acts on the next modal window once it is open (a message box or a dialog) and closes it so.
inline void whenModalOpens(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            whenModalOpens(act);
            return;
        }
        act(modal);
    });
}

// Runs the windows' clock, which the tests move by hand, on until `done` holds; at most `limit`.
inline bool clockRunsUntil(const std::function<bool()>& done,
                           std::chrono::milliseconds limit = std::chrono::seconds(5)) {
    return platform::qt::WindowClock::advanceUntil(done, limit);
}

// The middle of a tile's face on the board image.
inline QPoint faceMiddle(const orbeni::Game& game, int tile) {
    const orbeni::Position p = game.board().position(tile);
    return {orbeni::kBoardOffsetX + 20 * p.x + 6 * p.z - 26, orbeni::kBoardOffsetY + 25 * p.y - 6 * p.z - 34};
}

// Two free tiles that match, or none.
inline std::optional<std::pair<int, int>> freePair(const orbeni::Game& game) {
    const orbeni::FreeTiles& free = game.freeTiles();
    for (int first = 0; first < free.count; ++first) {
        for (int second = first + 1; second < free.count; ++second) {
            if (orbeni::matchGroup(free.list[std::size_t(first)]) ==
                orbeni::matchGroup(free.list[std::size_t(second)])) {
                return std::pair{int(free.list[std::size_t(first)]), int(free.list[std::size_t(second)])};
            }
        }
    }
    return std::nullopt;
}

}  // namespace orbeni::window_test
