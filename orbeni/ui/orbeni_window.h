#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>
#include <vector>

#include "orbeni/game/game.h"
#include "orbeni/game/host.h"
#include "orbeni/layouts/layout_menu.h"
#include "orbeni/ui/settings/orbeni_settings.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QScrollArea;

namespace orbeni {

inline constexpr int kStatusPanelCount = 8;

// The main window of the desktop Mah-Jongg solitaire. It owns the game, turns menu commands,
// clicks and timer ticks into calls on it, and answers the game's requests as its host.
class TOrbeni : public QMainWindow, public Host {
    Q_OBJECT

public:
    // The program folder holds "Orbeni.ini", "Hallfame.ini" and the "Layouts" folder.
    explicit TOrbeni(std::filesystem::path programFolder, QWidget* parent = nullptr);

    Game& game() { return m_game; }
    // False when start-up found no layout: the program cannot run, and nothing is written.
    bool canRun() const { return m_canRun; }

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
    void processPendingEvents() override;
    void pollMusic() override;
    std::uint32_t tickMilliseconds() override;
    std::uint32_t timeOfDayMilliseconds() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Init();
    void FormShow();
    void FormCloseQuery();
    void FormResize();
    void readSettings();
    void writeSettings();

    void createBoardView();
    void createStatusBar();
    void createMenus();
    void createFileMenu();
    void createPlayMenu();
    void createViewMenu();
    void createHighlightMenu();
    void createConfigurationMenu();
    void createPictureMenus();
    void createLayoutMenu();
    void createMusicMenu();
    void createHelpMenu();
    void updateActions();

    QAction* addCommand(QMenu* menu, const char* caption, std::function<void()> command);
    QAction* addMark(QMenu* menu, const char* caption, bool& mark, std::function<void()> command = {});
    QAction* addChoice(QMenu* menu, QActionGroup* group, const char* caption, int& choice, int value,
                       std::function<void()> command = {});
    QAction* addMissing(QMenu* menu, const char* caption);
    void runCommand(const std::function<void()>& command);

    void Exit1Click();
    void ConfigClick();
    void About1Click();
    void ShowTitleClick();

    struct Mark {
        QAction* action = nullptr;
        const bool* value = nullptr;
    };
    struct Choice {
        QAction* action = nullptr;
        const int* choice = nullptr;
        int value = 0;
    };

    std::filesystem::path m_programFolder;
    Game m_game{*this};
    LayoutMenu m_layoutMenu{m_game, *this};
    OrbeniSettings m_settings;
    bool m_canRun = true;
    bool m_shown = false;
    int m_checkedLayout = 1;

    QElapsedTimer m_clock;
    QTimer m_timer;
    QScrollArea* m_scrolling = nullptr;
    QWidget* m_boardImage = nullptr;
    std::array<QLabel*, kStatusPanelCount> m_statusPanels{};
    QAction* m_pauseAction = nullptr;
    std::vector<Mark> m_marks;
    std::vector<Choice> m_choices;
};

}  // namespace orbeni
