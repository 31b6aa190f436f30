#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "morvane/game/game.h"
#include "morvane/game/host.h"
#include "morvane/view/view_painter.h"
#include "platform/qt/window_timer.h"

namespace platform {
class WavePlayer;
}

namespace morvane {

// The view of the game: it owns the game with every board and setting, paints it scaled to its
// size, turns mouse presses into play or design clicks, runs the one-second clock and plays the
// game's sounds. It is the game's host.
class CMorvaneView : public QWidget, public Host {
    Q_OBJECT

public:
    CMorvaneView(std::filesystem::path programFolder, QWidget* parent = nullptr);
    ~CMorvaneView() override;

    // Starts the game found at start-up (none: the built-in game), with sound on only where the
    // machine can play it.
    void start(const std::filesystem::path& game, bool soundOn);

    Game& game() { return m_game; }
    const Game& game() const { return m_game; }
    const ViewPainter& painter() const { return m_painter; }

    // The painting stops while the window is resized, and is painted whole at the new size when
    // that has settled (or when resumed at once).
    void suspendPainting();
    void resumePainting();
    bool paintingSuspended() const { return m_paintSuspended; }

    // The centre of a tile's face on screen, for tests and keyboard help.
    QPoint faceCentre(const Position& tile) const;

    // Told whenever the game's state may have changed (commands, panes, check marks), and when a
    // message is for the status bar.
    std::function<void()> stateChanged;
    std::function<void()> clockTicked;
    std::function<void(const QString&)> statusMessage;

    // Lets the audio device go when the sound is over, as the sound's timer does at its end; a
    // test that plays the sound through at once calls it then.
    void letSoundDeviceGo();

    // Host.
    void playSound(SoundSlot slot, const std::string& file) override;
    void toggleHighlight(const Position& tile) override;
    void repaintTile(const Position& tile, TileRepaint kind) override;
    void repaintDesignCell(int column, int row) override;
    void repaintAll() override;
    void loadTileBitmap(const std::string& path) override;
    MessageAnswer messageBox(std::string_view text, std::string_view caption, MessageIcon icon,
                             MessageButtons buttons) override;
    std::string askWinnerName() override;
    WonChoice showWonDialog(std::string_view time) override;
    void showHallOfFame(const HallOfFameRows& rows) override;
    void startClock() override;
    void stopClock() override;

    // Plays a sound file whether or not sound is on (the settings dialog's Test).
    void testSound(const std::string& file);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void playClickAt(QPoint point);
    void designClickAt(QPoint point, Qt::MouseButton button);
    void moveDesignCursorTo(QPoint point);
    void hideDesignCursor();
    void invalidate(const platform::Rect& area);
    PlayGeometry playGeometry() const;
    void useBuiltInTiles();
    void tellOnce(const std::string& file, const QString& message);
    void changed();

    std::filesystem::path m_programFolder;
    Game m_game;
    ViewPainter m_painter;
    bool m_pictureStale = true;                 // all of the picture is to be painted again
    std::optional<platform::Rect> m_staleArea;  // else this part of it, when set
    bool m_paintSuspended = false;
    std::optional<Position> m_designCursor;  // column, row and stack height of the outline shown
    platform::qt::WindowTimer m_clock;
    platform::qt::WindowTimer m_resizeSettled;
    std::unique_ptr<platform::WavePlayer> m_sounds;
    platform::qt::WindowTimer m_soundEnded;  // lets the audio device go once the sound is over
    std::set<std::string> m_reportedFiles;   // missing pictures and sounds already told
};

}  // namespace morvane
