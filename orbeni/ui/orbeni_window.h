#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "orbeni/game/game.h"
#include "orbeni/game/host.h"
#include "orbeni/game/keyboard_cursor.h"
#include "orbeni/game/saved_game_file.h"
#include "orbeni/game/window_commands.h"
#include "orbeni/layouts/editor_cursor.h"
#include "orbeni/layouts/layout_editor.h"
#include "orbeni/layouts/layout_menu.h"
#include "orbeni/music/system_music.h"
#include "orbeni/ui/display_mode.h"
#include "orbeni/ui/editor_driver.h"
#include "orbeni/view/board_painter.h"
#include "orbeni/view/orbeni_settings.h"
#include "orbeni/view/picture_choice.h"
#include "platform/qt/window_timer.h"

class QKeyEvent;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolBar;

namespace platform::qt {
class CommandActions;
}

namespace orbeni {

inline constexpr int kStatusPanelCount = 8;
// The toolbar and the status bar: showing or hiding one changes the window's height by this much.
inline constexpr int kBarHeight = 35;

// The main window of the desktop Mah-Jongg solitaire. It owns the game, turns menu commands,
// clicks and timer ticks into calls on it, and answers the game's requests as its host.
class BitmapView;

class TOrbeni : public QMainWindow, public Host, private MusicHost, private PictureHost {
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
    const platform::qt::CommandActions& commands() const { return *m_commands; }
    const platform::qt::CommandActions& editorCommands() const { return *m_editorCommands; }
    CommandState commandState() const;

    // Host
    void playSound(Sound sound) override;
    void redrawTile(int tile, Position place) override;
    void redrawBoard() override;
    void repaintNow() override;
    void setStatusText(StatusPanel panel, std::string_view text) override;
    void setPauseCaptions(std::string_view menuCaption, std::string_view buttonCaption) override;
    Button ask(std::string_view title, std::string_view text, Buttons buttons, Icon icon) override;
    std::optional<std::string> askSeed(int currentSeed) override;
    std::string showScores(ScoresOpening opening) override;
    std::optional<std::string> askSaveFileName(std::string_view title, std::string_view filter,
                                               const std::string& initialFolder) override;
    void redrawHallPanel() override;
    void riverJoined(RiverJoin join) override;
    void processPendingEvents() override;
    void pollMusic() override;
    std::optional<std::uint32_t> musicPollDelay() override;
    std::uint32_t tickMilliseconds() override;
    std::uint32_t timeOfDayMilliseconds() override;

    // The picture of the window, as a player would see it.
    bool saveScreenshot(const QString& file);
    // Imports other programs' layout files, as "Import layout..." does once they are chosen, and
    // tells the player what became of each layout.
    void importLayouts(const std::vector<std::filesystem::path>& files);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // MusicHost
    void showStatus(std::string_view text) override;
    void showError(std::string_view text) override;

    // PictureHost
    std::optional<std::string> askPictureFile(std::string_view title, std::string_view filter,
                                              const std::filesystem::path& folder) override;
    void showMessage(const std::string& title, const std::string& text) override;
    void followPixelScale() override;

    void Init();
    void FormShow();
    void FormCloseQuery();
    void FormResize();
    void fitWholeBoard();
    bool fillsScreen() const;
    QSize wholeBoardSize() const;
    void readSettings();
    void tellUnreadableFiles(const std::vector<std::filesystem::path>& files);
    void writeSettings();

    void createBoardView();
    void createHallPanel();
    void createToolbar();
    void decorateNewGameButton();
    void createStatusBar();

    // Commands: the menus, tool bar and keys come from the command tables
    void createCommands();
    void createMenus();
    void showLayoutList();
    void bindFileAndPlayCommands();
    void bindViewCommands();
    void bindConfigurationCommands();
    void bindLayoutAndMusicCommands();
    void bindHelpAndToolCommands();
    void bindEditorCommands();
    void bind(Command command, std::function<void()> handler);
    void bindList(Command command, std::function<void(int item)> handler);
    void bindToggle(Command command, bool& mark);
    void runCommand(Command command, int item);
    void updateActions();

    // Solver
    void SolveClick();
    void stepSolve();
    void stopSolving();

    void runCommand(const std::function<void()>& command);
    void followBoardChange();

    void Exit1Click();
    void ConfigClick();
    void HelpClick();
    void About1Click();
    void ShowScores();
    void ShowTitleClick();
    void Toolbar1Click();
    void ShowHallPanel();
    void CoolMouseClick();
    void CoolToolbarClick();
    void applyToolbarTexture();
    void applyBoardCursor();
    void ShowPanelHOF();
    // The board drawn to the window's size, and at the screen's resolution.
    void ScaleBoardClick();
    void applyBoardScale();

    // Board and side panel
    void boardMouseMoved(QPoint at);
    void boardMouseReleased(Qt::MouseButton button, QPoint at);
    void newDeal(const std::function<void()>& deal);
    void Temps();
    void scheduleTemps();
    void wakeTempsSoon();
    void stepRiverSlide();

    // Keyboard play
    void createKeys();
    bool boardKeyPressed(const QKeyEvent& event);
    bool playKeyPressed(const QKeyEvent& event);
    bool editorKeyPressed(const QKeyEvent& event);
    void hideKeyCursor();
    void settleKeyCursor();

    void ImportLayoutClick();

    std::filesystem::path m_programFolder;
    std::filesystem::path m_userFolder;  // where Orbeni.ini, Hallfame.ini and Orbeni.sav are kept
    // What "Orbeni.ini" carries; its check marks are the options the game, the painter, the music
    // and the menus read and toggle.
    OrbeniSettings m_settings;
    Game m_game{*this, m_settings.options};
    SavedGameFile m_savedGame{m_userFolder / kSavedGameFileName};
    LayoutMenu m_layoutMenu{m_game, *this};
    LayoutEditor m_editor{m_game, *this, m_layoutMenu};
    BoardPainter m_painter{m_game};
    PictureChoice m_pictures{m_programFolder, m_settings, m_painter, *this};
    EditorDriver m_editorDriver{
        *this, m_game, m_editor, m_layoutMenu, m_painter, m_settings.options, [this] { ShowPanelHOF(); }};
    KeyboardCursor m_keyCursor{m_game};
    EditorCursor m_editorCursor{m_game.board()};
    SystemMusic m_music{m_programFolder, *this, m_game.generator(), m_settings.options};
    DisplayMode m_displayMode;
    bool m_displaySwitched = false;
    bool m_canRun = true;
    bool m_shown = false;

    QElapsedTimer m_clock;
    platform::qt::WindowTimer m_timer;
    // Run only while a Rivers tile slides, and to take the joining river off again.
    platform::qt::WindowTimer m_riverSlideTimer;
    platform::qt::WindowTimer m_riverPathTimer;
    // Lets the sound device go a little after the last effect ends.
    platform::qt::WindowTimer m_soundEnded;
    QScrollArea* m_scrolling = nullptr;
    BitmapView* m_boardImage = nullptr;
    BitmapView* m_hofBox = nullptr;
    QToolBar* m_tools = nullptr;
    QPushButton* m_playerPanel = nullptr;
    std::array<QLabel*, kStatusPanelCount> m_statusPanels{};
    // Paces a solution's steps; runs only while one plays.
    platform::qt::WindowTimer m_solveTimer;

    // The game's commands and the editor's, each from its table; the editor's menus take the
    // place of the game's while it runs.
    std::unique_ptr<platform::qt::CommandActions> m_commands;
    std::unique_ptr<platform::qt::CommandActions> m_editorCommands;
    // What each command runs, given the entry of a list (else 0).
    std::map<Command, std::function<void(int item)>> m_handlers;
    // What the menus show, to tell after a clock tick whether they must follow.
    CommandState m_shownState;
    // The layouts the Layout menu lists, to make its entries anew only when the list changed.
    std::vector<std::string> m_shownLayouts;
};

}  // namespace orbeni
