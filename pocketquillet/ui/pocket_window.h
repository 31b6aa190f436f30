#pragma once

#include <QMainWindow>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/audio/wave_player.h"
#include "platform/qt/window_timer.h"
#include "pocketquillet/game/hiscore_file.h"
#include "pocketquillet/game/host.h"
#include "pocketquillet/game/pocket_game.h"
#include "pocketquillet/game/profile_access.h"
#include "pocketquillet/game/random_source.h"
#include "pocketquillet/ui/built_in_art.h"
#include "pocketquillet/ui/status_font.h"
#include "pocketquillet/view/board_painter.h"

class QAction;

namespace platform::qt {
class CommandActions;
}

namespace pocketquillet {

class BoardView;

// What the window plays with; tests hand in their own, the program takes the defaults.
struct WindowServices {
    RandomSource* random = nullptr;    // the device's own when none
    ProfileAccess* profile = nullptr;  // the default profile when none
    std::filesystem::path hiscoreFile = hiscoreFilePath();
};

// The pocket window: the menu bar of the language with a close button, the board with its status
// box, the one-second clock of a Challenge, the sounds and the dialogs. It owns the game and
// hands it every command, click and tick.
class PocketWindow : public QMainWindow, private Host {
    Q_OBJECT

public:
    explicit PocketWindow(WindowServices services = {}, QWidget* parent = nullptr);
    ~PocketWindow() override;

    const PocketGame& game() const { return m_game; }
    const BoardPainter& painter() const { return m_painter; }
    QAction* action(Command command) const;
    // Runs a menu command as the menu would.
    void runCommand(Command command);
    bool isClockRunning() const { return m_clock.isActive(); }
    // Whether the audio output is open (only while Sound is on) and a sound is being heard.
    bool holdsAudioOutput() const { return m_wavePlayer && m_wavePlayer->hasOutput(); }
    bool isSoundPlaying() const { return m_wavePlayer && m_wavePlayer->isPlaying(); }
    // The program ends without writing its settings, after a screenshot.
    void setWritesSettings(bool writes) { m_writesSettings = writes; }
    bool saveScreenshot(const QString& file);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenus();
    void createCloseButton();
    void updateActions();
    void readSettings();
    void writeSettings();
    void clickAt(QPoint point);
    void showAreas(const BoardPainter::Areas& areas);
    void emptyRemovedCells();
    void syncAudio();
    void tellUnreadableHiscores();
    void waitForSoundEnd();
    void playNamedSound(const QString& name);
    void showAbout();
    void showOptions();

    // Host
    void playSound(Sound sound) override;
    void repaintBoard() override;
    void repaintCell(Cell cell) override;
    void markCell(Cell cell, Mark mark) override;
    void markPath(const ConnectionPath& path, Mark mark) override;
    void repaintStatus() override;
    void updateCommands() override;
    Answer ask(std::string_view caption, std::string_view question) override;
    void showHiscores(const HiscoreView& view) override;
    std::optional<std::u16string> askHiscoreName() override;
    std::optional<ChallengeNames> askChallengeNames() override;
    void closeProgram() override;

    DeviceRandom m_deviceRandom;
    DefaultProfile m_defaultProfile;
    ProfileAccess& m_profile;
    PocketGame m_game;
    BuiltInArt m_art;
    StatusFont m_statusFont;
    BoardPainter m_painter;
    BoardView* m_view = nullptr;
    platform::qt::WindowTimer m_clock;
    platform::qt::WindowTimer
        m_pairFlash;  // single shot: a removed pair's stones stay under its path this long
    std::vector<Cell> m_cellsToEmpty;
    std::unique_ptr<platform::WavePlayer> m_wavePlayer;  // only while Sound is on
    platform::qt::WindowTimer m_soundEnded;  // single shot: lets the audio device go once a sound is over
    std::unique_ptr<platform::qt::CommandActions> m_commands;  // the menus of m_menuLanguage
    Language m_menuLanguage = Language::English;
    bool m_writesSettings = true;
};

}  // namespace pocketquillet
