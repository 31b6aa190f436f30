#pragma once

#include <filesystem>
#include <optional>

namespace orbeni {

class Game;

// The file beside "Orbeni.ini" that keeps a game from one run to the next.
inline constexpr const char* kSavedGameFileName = "Orbeni.sav";

// What start-up found in the saved-game file.
enum class ResumeOutcome { NoSavedGame, Resumed, Refused };

// The file that keeps the game on the board from one run to the next: read at start-up, written
// when the window closes. A resumed game stays in the file while it is played, so that a crash
// does not lose it, and leaves it once it is won, stopped or replaced, so that it never comes
// back after it is over.
class SavedGameFile {
public:
    explicit SavedGameFile(std::filesystem::path file) : m_file(std::move(file)) {}

    // Plays on the game the file keeps. A damaged or foreign file is refused with a status
    // message, and a new game starts instead.
    ResumeOutcome resume(Game& game);
    // Forgets the file once the game it resumed is over or another has taken the board.
    void follow(const Game& game);
    // Keeps the running game for the next run, or removes the file when no game runs. False
    // when that could not be done.
    bool keep(const Game& game);

private:
    bool remove();

    std::filesystem::path m_file;
    // The deal of the resumed game, while the file holds it.
    std::optional<int> m_resumedDeal;
};

}  // namespace orbeni
