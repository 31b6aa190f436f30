#pragma once

#include <QElapsedTimer>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "orbeni/game/host.h"
#include "orbeni/music/music_device.h"
#include "orbeni/view/picture_choice.h"
#include "platform/qt/window_timer.h"

class QWidget;

namespace orbeni {

class BoardPainter;
class Game;
class LayoutMenu;
class SystemMusic;
class WindowChrome;

// What the game, the music and the picture choice ask of the main window: its sounds, redraws
// and status panes, its dialogs and its clock; and the dialogs the window's own commands open.
class WindowHost : public Host, public MusicHost, public PictureHost {
public:
    // riverJoined paces a Rivers tile's slide; statusShown lets the clock show a new message soon.
    WindowHost(QWidget& window, std::filesystem::path programFolder, Game& game, const LayoutMenu& layoutMenu,
               BoardPainter& painter, SystemMusic& music, WindowChrome& chrome,
               std::function<void(RiverJoin)> riverJoined, std::function<void()> statusShown);

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

    // MusicHost
    void showStatus(std::string_view text) override;
    void showError(std::string_view text) override;

    // PictureHost
    std::optional<std::string> askPictureFile(std::string_view title, std::string_view filter,
                                              const std::filesystem::path& folder) override;
    void showMessage(const std::string& title, const std::string& text) override;
    void followPixelScale() override;

    // The dialogs of the Help and Configuration menus.
    void ConfigClick();
    void HelpClick();
    void About1Click();
    void ShowScores();

private:
    QWidget& m_window;
    std::filesystem::path m_programFolder;
    Game& m_game;
    const LayoutMenu& m_layoutMenu;
    BoardPainter& m_painter;
    SystemMusic& m_music;
    WindowChrome& m_chrome;
    std::function<void(RiverJoin)> m_riverJoined;
    std::function<void()> m_statusShown;
    QElapsedTimer m_clock;
    // Lets the sound device go a little after the last effect ends.
    platform::qt::WindowTimer m_soundEnded;
};

}  // namespace orbeni
