#pragma once

#include <QMainWindow>
#include <QMap>
#include <filesystem>
#include <memory>

#include "morvane/game/commands.h"
#include "morvane/game/frame_settings.h"

class QAction;
class QLabel;
class QToolBar;

namespace platform {
class Profile;
namespace qt {
class CommandActions;
}
}  // namespace platform

namespace morvane {

class CMorvaneView;

// The main window: menus, tool bar, status bar with its four panes, the saved window position
// and full-screen mode, around the view that holds the game.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    // The settings live in MORVANE.INI of the settings folder unless another file is given.
    explicit CMainFrame(std::filesystem::path programFolder,
                        std::filesystem::path settingsFile = kSettingsFile, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Records the start-up in the settings, enters the game's folder and starts that game (an
    // empty path: the built-in game).
    void startGame(const std::string& commandLineGame, bool soundOn);
    // Shows the window where it was last closed, in the state it was in.
    void showFromSettings();

    CMorvaneView& view() { return *m_view; }
    // The menu item of a command, which its tool-bar button and key share.
    QAction* action(int id) const;
    QLabel* pane(int id) const { return m_panes.value(id); }
    const platform::Profile& settings() const { return *m_settings; }

    // Runs a menu command by its id, as a click on its menu entry would.
    void runCommand(int id);
    void toggleFullScreen();
    bool saveScreenshot(const QString& file);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createCommands();
    void createToolBar();
    void createStatusBar();
    void updateActions();
    void updatePanes();
    void writeSettings();
    void runGameCommand(Command command);
    void runDesignCommand(Command command);
    void loadGame();
    void saveGame();
    void editSettings();
    QString fileDialogFolder() const;

    std::filesystem::path m_programFolder;
    std::unique_ptr<platform::Profile> m_settings;
    CMorvaneView* m_view = nullptr;
    QToolBar* m_toolBar = nullptr;
    std::unique_ptr<platform::qt::CommandActions> m_commands;
    QMap<int, QLabel*> m_panes;
    bool m_maximizedBeforeFullScreen = false;
};

}  // namespace morvane
