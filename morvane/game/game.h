#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "morvane/game/board.h"
#include "morvane/game/crt_random.h"
#include "morvane/game/game_settings.h"
#include "morvane/game/host.h"
#include "morvane/game/layout.h"
#include "morvane/game/layout_design.h"
#include "morvane/game/show_moves.h"

namespace morvane {

inline constexpr int kUndoRecords = 500;
inline constexpr int kBookmarks = 4;

struct UndoRecord {
    Position first;
    Position second;
    TileCode firstCode = 0;
    TileCode secondCode = 0;
};

// The running game the view owns: settings, boards, selection, undo history, show moves,
// bookmarks, the clock, and design mode as a part of its own. Every command of the game menus
// is a member here or of that part.
class Game {
public:
    Game(Host& host, std::filesystem::path programFolder);

    void seedRandom(std::uint32_t seed) { m_random.srand(seed); }

    // Starts the game named on the command line, or the built-in game for an empty path.
    void start(const std::filesystem::path& commandLineGame);
    // Reads a game file and deals it; its path becomes the game's name (and hall of fame).
    void readGameFile(const std::filesystem::path& file);
    // Load Game: reads the file and forgets the bookmarks; a file that holds no game is refused
    // with a message and the game in play stays.
    bool loadGame(const std::filesystem::path& file);
    // Switches to the built-in layout, tile set, sounds and move rules, and deals.
    void resetToDefaultGame();

    // File menu.
    void newGame();
    void restartGame();
    void defaultGame();

    // Play.
    void playClick(const Position& tile);
    void undo();
    void showMoves();
    void nextMove();
    void previousMove();
    void doIt();
    void exitShowMoves();
    void setBookmark(int bookmark);
    void goToBookmark(int bookmark);
    void useSound() { m_soundOn = !m_soundOn; }
    void hallOfFame();

    // Design mode; grid positions are the 40 x 40 cells of the design view. Leaving it deals the
    // design, as a game file read back.
    void enterDesignMode();
    LayoutDesign& design() { return m_design; }
    const LayoutDesign& design() const { return m_design; }
    bool saveGame(const std::filesystem::path& file);
    void exitDesignMode();
    // Takes the settings back from the Game Settings dialog; a tile set that cannot be dealt is
    // refused in favour of the built-in one.
    void setSettings(const GameSettings& settings);

    // Fits HLIMIT and VLIMIT to the layout's spaces; the window's hit test does this first, so a
    // file that stated larger limits is drawn at the scale its spaces need from then on.
    void refreshLimits() { recomputeLimits(m_settings); }

    // The clock timer's tick.
    void tick() { ++m_elapsedSeconds; }

    const GameSettings& settings() const { return m_settings; }
    const Board& playBoard() const { return m_play; }
    const Board& startBoard() const { return m_start; }
    const std::string& gameName() const { return m_gameName; }
    Position firstSelection() const { return m_first; }
    Position secondSelection() const { return m_second; }
    int numberOfTiles() const { return m_numberOfTiles; }
    int tilesLeft() const { return m_tilesLeft; }
    int moveCount() const { return m_moveCount; }
    int elapsedSeconds() const { return m_elapsedSeconds; }
    bool soundOn() const { return m_soundOn; }
    void setSoundOn(bool on) { m_soundOn = on; }
    const ShowMoves& moves() const { return m_moves; }
    int bookmark(int bookmark) const { return m_bookmarks[static_cast<std::size_t>(bookmark)]; }
    bool isFreeTile(const Position& tile) const;

    // Status-bar texts: the move rules (or the design cursor), the tiles left (or the spaces),
    // how many tiles carry the selected tile's code, and the time.
    std::string rulesOrCursorText() const;
    std::string tilesText() const;
    std::string selectedCodeText() const;
    std::string timeText() const;

private:
    void applyGameFile(const std::filesystem::path& file, const std::filesystem::path& gameFolder);
    // Reads a game file whose bitmap and sound names are looked for in the given folder.
    void readGameFileFrom(const std::filesystem::path& file, const std::filesystem::path& gameFolder);
    void refuseUndealableTileSet();
    void dealNewGame();
    void resetPlay();
    void clearSelection();
    void clearBookmarks();
    void toggleIfSet(const Position& tile);
    void removePair(const Position& first, const Position& second);
    void takeBackLastMove();
    void showShownPair();
    void stepShownPair(int by);
    void playSound(SoundSlot slot);
    std::string besideGame(const std::string& file) const;
    void gameWon();
    void enterHallOfFame(const std::filesystem::path& file);
    void showHallOfFameOf(const std::filesystem::path& file);
    std::filesystem::path writeTemporaryGame();

    Host& m_host;
    std::filesystem::path m_programFolder;
    std::filesystem::path m_gameFolder;  // where the game file lies; empty for the built-in game
    CrtRandom m_random;

    GameSettings m_settings;
    std::string m_gameName;
    Board m_play;
    Board m_start;
    int m_numberOfTiles = 0;
    int m_tilesLeft = 0;

    Position m_first;
    Position m_second;
    std::array<UndoRecord, kUndoRecords> m_history{};
    int m_moveCount = 0;
    ShowMoves m_moves;
    std::array<int, kBookmarks> m_bookmarks{-1, -1, -1, -1};

    int m_elapsedSeconds = 0;
    std::filesystem::path m_unreadableHallOfFame;  // told once: wins are not entered there
    bool m_soundOn = true;

    LayoutDesign m_design{m_host, m_settings};
};

}  // namespace morvane
