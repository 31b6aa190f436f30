#pragma once

#include <cstdint>
#include <optional>

namespace orbeni {

class GamePhase;
class Host;
class StatusLine;
struct Options;
struct SavedGame;

inline constexpr int kTimeLimitSeconds = 6000;
inline constexpr int kHintPenaltySeconds = 40;
inline constexpr int kShufflePenaltyPerMove = 10;
inline constexpr int kRiversShufflePenaltySeconds = 40;
// The pace of the status message's reveal, one step a tick.
inline constexpr std::uint32_t kRevealTickMilliseconds = 10;

// The tiles on the board and the moves among them, as the status bar shows them.
struct TileCounts {
    int tilesLeft = 0;
    int movesLeft = 0;
};

// What the clock asks of the game it times.
class TimedGame {
public:
    virtual ~TimedGame() = default;
    // Counts the free tiles again.
    virtual TileCounts countTiles() = 0;
    // The last pair has gone: the game may be over.
    virtual void boardEmptied() = 0;
    // The time limit is reached.
    virtual void timeIsUp() = 0;
};

// The clock of a game, its penalties and the status bar it keeps up to date: the tiles left, the
// moves left and the time, which stops the game at the limit.
class GameClock {
public:
    GameClock(Host& host, const Options& options, const GamePhase& phase, StatusLine& status, TimedGame& game)
        : m_host(host), m_options(options), m_phase(phase), m_status(status), m_game(game) {}

    // Starts the clock of a new game from zero.
    void start();
    // Sets the time and the penalties back to zero.
    void reset();
    // Holds the time while the game is paused, and takes it up again after.
    void hold();
    void release();
    void setPauseCaptions(bool paused);

    void addPenalty(int seconds) { m_penaltySeconds += seconds; }
    int ElapsedSeconds() const { return m_elapsedSeconds; }
    int PenaltySeconds() const { return m_penaltySeconds; }
    int totalSeconds() const { return m_elapsedSeconds + m_penaltySeconds; }

    // Reveals the status message a step further, advances the clock and stops the game at the
    // time limit.
    void Temps();
    // How long Temps() may wait before it has something to do (the reveal's next step, the
    // clock's next whole second, the end of the music); none while only a command can change
    // what it shows.
    std::optional<std::uint32_t> nextTempsDelay();
    void WriteScore();
    // Shows the tiles, moves and time of the game, also the final ones of a finished game.
    TileCounts writeScorePanels();

    // Keeps the time played and the penalties in a saved game, and takes them up from one.
    void saveTo(SavedGame& saved) const;
    void restoreFrom(const SavedGame& saved);

private:
    Host& m_host;
    const Options& m_options;
    const GamePhase& m_phase;
    StatusLine& m_status;
    TimedGame& m_game;

    std::uint32_t m_startTick = 0;
    int m_elapsedSeconds = 0;
    int m_penaltySeconds = 0;
    // The milliseconds played when the pause began.
    std::uint32_t m_pauseElapsed = 0;
};

}  // namespace orbeni
