#pragma once

#include <QSize>
#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "orbeni/game/host.h"

class QLabel;
class QMainWindow;
class QPushButton;
class QScrollArea;
class QToolBar;

namespace platform::qt {
class CommandActions;
}

namespace orbeni {

class BitmapView;
class BoardPainter;
class EditorDriver;
class Game;
struct Options;

inline constexpr int kStatusPanelCount = 8;
// The toolbar and the status bar: showing or hiding one changes the window's height by this much.
inline constexpr int kBarHeight = 35;

// The widgets around the board of the main window: the scroll box with the board image `Game`,
// the side panel `HofBox`, the toolbar `Tools` with the player's panel and the status bar
// `LigneStatus`; the commands that show, hide and dress them; and the window's size rules that
// keep the board whole.
class WindowChrome {
public:
    WindowChrome(QMainWindow& window, std::filesystem::path programFolder, Game& game, BoardPainter& painter,
                 const EditorDriver& editorDriver, Options& options, platform::qt::CommandActions& commands);

    // Builds the board's scroll box and the side panel, the window's central widget.
    void createBoardView();
    // Builds the toolbar from the game's commands, with the player's panel among them, which runs
    // playerNameClicked.
    void createToolbar(std::function<void()> playerNameClicked);
    void createStatusBar();
    // Shows the bars, the side panel, the pointer and the toolbar's texture as the options say.
    void followOptions();

    BitmapView& boardView() const { return *m_boardImage; }
    QScrollArea& scrolling() const { return *m_scrolling; }
    QPushButton& playerPanel() const { return *m_playerPanel; }
    QToolBar* toolbar() const { return m_tools; }

    void setStatusText(StatusPanel panel, std::string_view text);
    void setPauseCaptions(std::string_view menuCaption, std::string_view buttonCaption);
    void showPlayerName(const std::string& name);
    // Draws the hall of fame of the current layout over the panel's picture.
    void ShowPanelHOF();
    // Shows the pictures with as many pixels as the tileset in use gave them.
    void followPixelScale();

    // The View menu's marks that change the window around the board.
    void Toolbar1Click();
    void ShowTitleClick();
    void ShowHallPanel();
    void CoolMouseClick();
    void CoolToolbarClick();
    void ScaleBoardClick();

    // Grows a window that would cut the board until it shows the board whole, as far as the screen
    // allows, and draws the board at the scale the options say.
    void fitWholeBoard();
    // Keeps the board view from growing past the whole board image.
    void keepBoardWhole();

private:
    void createHallPanel();
    void decorateNewGameButton();
    void applyToolbarTexture();
    void applyBoardCursor();
    void applyBoardScale();
    bool fillsScreen() const;
    QSize wholeBoardSize() const;

    QMainWindow& m_window;
    std::filesystem::path m_programFolder;
    Game& m_game;
    BoardPainter& m_painter;
    const EditorDriver& m_editorDriver;
    Options& m_options;
    platform::qt::CommandActions& m_commands;
    QScrollArea* m_scrolling = nullptr;
    BitmapView* m_boardImage = nullptr;
    BitmapView* m_hofBox = nullptr;
    QToolBar* m_tools = nullptr;
    QPushButton* m_playerPanel = nullptr;
    std::array<QLabel*, kStatusPanelCount> m_statusPanels{};
};

}  // namespace orbeni
