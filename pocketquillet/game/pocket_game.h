#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "pocketquillet/game/board.h"
#include "pocketquillet/game/board_definition.h"
#include "pocketquillet/game/connection.h"
#include "pocketquillet/game/host.h"
#include "pocketquillet/game/modes.h"
#include "pocketquillet/game/options.h"
#include "pocketquillet/game/texts.h"

namespace pocketquillet {

class HiscoreTable;
class ProfileAccess;
class RandomSource;

// The menu commands, by the ids of the menu resources.
enum class Command {
    StartGame = 421,
    PauseGame = 419,
    EndGame = 418,
    NextRound = 414,
    ShowHiscore = 417,
    Exit = 401,
    AllowHelp = 101,
    AllowNextRound = 102,
    Intermission = 103,
    Sound = 405,
    ShowScore = 104,
    Options = 416,
    NextMove = 415,
    Info = 420,
};

inline constexpr int kPlayerCount = 2;
inline constexpr int kPlayerNameLength = 38;
// The name that makes a Challenge player the computer, in any case.
inline constexpr std::u16string_view kComputerName = u"COMPUTER";

struct Player {
    std::u16string name;
    std::uint32_t points = 0;
    int stonesRemoved = 0;
    int helpsLeft = 0;
};

// The running stone game: rounds, clicks, hints, the Challenge clock and the computer player.
// The window owns it, hands it every command, click and one-second tick, and paints from it.
class PocketGame {
public:
    // Holds a running game while a dialog is up (the About box, a question, a hiscore dialog)
    // and lets it run again when the dialog closes, unless it was ended or paused meanwhile.
    class Hold {
    public:
        explicit Hold(PocketGame& game);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        GameState& m_state;
        bool m_wasRunning;
    };

    PocketGame(Host& host, RandomSource& random, ProfileAccess& profile, std::filesystem::path hiscoreFile);

    const std::filesystem::path& hiscoreFile() const { return m_hiscoreFile; }

    void startGame();
    void pauseGame();
    void endGame();
    void nextRound();
    void showHiscore();
    // Shows a pair that can go (the Next Move command).
    void nextMove();
    // Flips the option behind one of the option commands of the menu.
    void toggleOption(Command command);
    void clickCell(Cell cell);
    void tick();

    // Plays an event's sound unless Sound is off.
    void playSound(Sound sound);
    // Takes over the options of the Options dialog and writes them.
    void applyOptions(const Options& options);

    bool isEnabled(Command command) const;
    // Whether a one-second tick can change anything: only while a Challenge turn counts down.
    bool needsTicks() const {
        return m_state == GameState::Running && m_options.playMode == PlayMode::Challenge;
    }
    bool isChecked(Command command) const;

    GameState state() const { return m_state; }
    const Options& options() const { return m_options; }
    const BoardGrid& board() const { return m_grid; }
    BoardExtent extent() const { return m_extent; }
    StoneSize stoneSize() const { return m_stoneSize; }
    const Player& player(int index) const { return m_players[static_cast<std::size_t>(index)]; }
    int currentPlayer() const { return m_currentPlayer; }
    bool isComputer(int playerIndex) const;
    // The round counter; the status shows it plus one.
    int roundCounter() const { return m_roundCounter; }
    int stonesTotal() const { return m_stonesTotal; }
    int stonesLeft() const { return m_stonesLeft; }
    int threshold() const { return m_threshold; }
    int secondsLeft() const { return m_secondsLeft; }
    std::uint32_t pointsFactor() const { return m_skill.pointsFactor; }
    std::optional<Cell> selection() const { return m_selection; }
    const std::optional<ConnectionPath>& shownPath() const { return m_shownPath; }

private:
    enum class RoundStart { FirstOfGame, NextOfGame };
    enum class HiscoreCall { Enter, ViewOnly };

    void startRound(RoundStart start);
    bool askChallengeNames();
    void dealRound();
    void returnToIdle();
    void endGameWithScores();
    void hiscoreEntry(int playerIndex, HiscoreCall call);
    void showHiscoreView(const HiscoreTable& table, std::string headline);
    Answer askQuestion(Text question);
    void askOnceAgain(Text question);

    void tryPair(Cell before, Cell chosen);
    void removePair(const ConnectionPath& path);
    void continueAfterPair();
    bool showHint();
    void hintTournament();
    void hintChallenge();
    void computerMove();
    void passTurn();
    void showPath(const ConnectionPath& path);
    void erasePath();
    void clearSelection();
    void addPoints(Player& player, std::uint32_t points);
    void takePoints(Player& player, std::uint32_t points);
    Player& mover() { return m_players[static_cast<std::size_t>(m_currentPlayer)]; }

    Host& m_host;
    RandomSource& m_random;
    ProfileAccess& m_profile;
    std::filesystem::path m_hiscoreFile;
    Options m_options;

    GameState m_state = GameState::Idle;
    BoardGrid m_grid;
    BoardExtent m_extent;
    StoneSize m_stoneSize;
    SkillValues m_skill = skillValues(Skill::Advanced);
    std::array<Player, kPlayerCount> m_players;
    int m_currentPlayer = 0;
    int m_roundCounter = 0;
    int m_stonesTotal = 0;
    int m_stonesLeft = 0;
    int m_threshold = 0;
    int m_secondsLeft = 0;
    std::optional<Cell> m_selection;
    std::optional<ConnectionPath> m_shownPath;
};

// Takes the names of the Challenge dialog: at most 38 characters each, and a name that is empty
// or starts with a space becomes "Player -1-" or "Player -2-" of the language.
ChallengeNames acceptChallengeNames(const ChallengeNames& typed, Language language);

}  // namespace pocketquillet
