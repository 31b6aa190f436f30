#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <vector>

#include "orbeni/game/game.h"
#include "orbeni/game/saved_game_file.h"
#include "orbeni/game/window_commands.h"
#include "orbeni/layouts/layout_editor.h"
#include "orbeni/layouts/layout_menu.h"
#include "orbeni/music/system_music.h"
#include "orbeni/ui/command_binding.h"
#include "orbeni/ui/display_mode.h"
#include "orbeni/ui/editor_driver.h"
#include "orbeni/ui/keyboard_play.h"
#include "orbeni/ui/window_chrome.h"
#include "orbeni/ui/window_host.h"
#include "orbeni/view/board_painter.h"
#include "orbeni/view/orbeni_settings.h"
#include "orbeni/view/picture_choice.h"
#include "platform/qt/window_timer.h"

namespace platform::qt {
class CommandActions;
}

namespace orbeni {

// The main window of the desktop Mah-Jongg solitaire. It owns the game and its parts, and wires
// them together: the commands, clicks, keys and clock ticks it turns into calls on the game, the
// chrome around the board, and the host that answers the game's requests.
class TOrbeni : public QMainWindow {
    Q_OBJECT

public:
    // The shipped files lie in programFolder; the settings and the hall of fame in userFolder,
    // which is the program folder too when none is given.
    explicit TOrbeni(std::filesystem::path programFolder, std::filesystem::path userFolder = {},
                     QWidget* parent = nullptr);
    ~TOrbeni() override;

    Game& game() { return m_game; }
    BoardPainter& painter() { return m_painter; }
    // False when start-up found no layout: the program cannot run, and nothing is written.
    bool canRun() const { return m_canRun; }
    // The actions of the game's commands and of the editor's, and the state their rules read.
    const platform::qt::CommandActions& commands() const { return m_commands.game(); }
    const platform::qt::CommandActions& editorCommands() const { return m_commands.editor(); }
    CommandState commandState() const;

    // The picture of the window, as a player would see it.
    bool saveScreenshot(const QString& file);
    // Imports other programs' layout files, as "Import layout..." does once they are chosen, and
    // tells the player what became of each layout.
    void importLayouts(const std::vector<std::filesystem::path>& files);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Init();
    void FormShow();
    void FormCloseQuery();
    void FormResize();
    void readSettings();
    void tellUnreadableFiles(const std::vector<std::filesystem::path>& files);
    void writeSettings();

    // Commands: what each runs, and what follows it
    void bindCommands();
    void bindPlayCommands();
    void bindOptionCommands();
    void bindListAndHelpCommands();
    void bindEditorCommands();
    void createMenus();
    void updateActions();
    void runCommand(const std::function<void()>& command);
    void followBoardChange();
    void Exit1Click();
    void ImportLayoutClick();

    // Solver
    void SolveClick();
    void stepSolve();
    void stopSolving();

    // Board and clock
    void boardMouseReleased(Qt::MouseButton button, QPoint at);
    void newDeal(const std::function<void()>& deal);
    void Temps();
    void scheduleTemps();
    void wakeTempsSoon();
    void riverJoined(RiverJoin join);
    void stepRiverSlide();

    std::filesystem::path m_programFolder;
    std::filesystem::path m_userFolder;  // where Orbeni.ini, Hallfame.ini and Orbeni.sav are kept
    // What "Orbeni.ini" carries; its check marks are the options the game, the painter, the music
    // and the menus read and toggle.
    OrbeniSettings m_settings;
    WindowHost m_host{*this,
                      m_programFolder,
                      m_game,
                      m_layoutMenu,
                      m_painter,
                      m_music,
                      m_chrome,
                      [this](RiverJoin join) { riverJoined(join); },
                      [this] { wakeTempsSoon(); }};
    Game m_game{m_host, m_settings.options};
    SavedGameFile m_savedGame{m_userFolder / kSavedGameFileName};
    LayoutMenu m_layoutMenu{m_game, m_host};
    LayoutEditor m_editor{m_game, m_host, m_layoutMenu};
    BoardPainter m_painter{m_game};
    PictureChoice m_pictures{m_programFolder, m_settings, m_painter, m_host};
    EditorDriver m_editorDriver{*this,
                                m_game,
                                m_editor,
                                m_layoutMenu,
                                m_painter,
                                m_settings.options,
                                [this] { m_chrome.ShowPanelHOF(); }};
    CommandBinding m_commands{*this, [this](const std::function<void()>& command) { runCommand(command); },
                              [this](Choice choice) { m_pictures.choose(choice); }};
    WindowChrome m_chrome{*this,          m_programFolder,    m_game,           m_painter,
                          m_editorDriver, m_settings.options, m_commands.game()};
    SystemMusic m_music{m_programFolder, m_host, m_game.generator(), m_settings.options};
    KeyboardPlay m_keys{m_game, m_editor, m_painter,
                        [this](Qt::MouseButton button, QPoint at) { boardMouseReleased(button, at); },
                        [this](const std::function<void()>& command) { runCommand(command); }};
    DisplayMode m_displayMode;
    bool m_displaySwitched = false;
    bool m_canRun = true;
    bool m_shown = false;

    platform::qt::WindowTimer m_timer;
    // Run only while a Rivers tile slides, and to take the joining river off again.
    platform::qt::WindowTimer m_riverSlideTimer;
    platform::qt::WindowTimer m_riverPathTimer;
    // Paces a solution's steps; runs only while one plays.
    platform::qt::WindowTimer m_solveTimer;
};

}  // namespace orbeni
