#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "orbeni/board/board.h"
#include "orbeni/board/deal.h"
#include "orbeni/board/random_generator.h"
#include "orbeni/game/hall_of_fame.h"
#include "orbeni/game/host.h"
#include "orbeni/game/options.h"
#include "orbeni/game/status_message.h"
#include "orbeni/solver/solver.h"

namespace orbeni {

// A removed tile and the place it had, for undo.
struct HistoryEntry {
    int tile = 0;
    Position place;
};

enum class MouseButton { Left, Right, Middle };

struct SavedGame;

inline constexpr int kRiversTiles = 84;
inline constexpr int kTimeLimitSeconds = 6000;
inline constexpr int kHintPenaltySeconds = 40;
inline constexpr int kShufflePenaltyPerMove = 10;
inline constexpr int kRiversShufflePenaltySeconds = 40;
// The most cells a river of three segments crosses inside the band around the rectangle.
inline constexpr int kMaxRiverCells = 64;
// The pace of the status message's reveal, one step a tick.
inline constexpr std::uint32_t kRevealTickMilliseconds = 10;

// The running game of the solitaire and of Rivers: the board, the clicks, undo, hints, shuffles,
// the clock and the hall of fame. The main window owns one and forwards its commands to it.
class Game : private DealAnimation {
public:
    explicit Game(Host& host) : m_host(host) {}

    // Deals and play
    // Deals the layout; false (and the player told why) when it cannot be dealt.
    bool BeginGame();
    // Leaves the layout editor without a game: its board was laid out, never dealt to be played.
    void closeEditor();
    void NewGame();
    void FourRivers();
    void ButtonDown(MouseButton button, int mouseX, int mouseY);
    void ChoisitPai(int px, int py, int column, int row);
    void Back();
    void GoBack();
    void BackHistory();
    void Restart();
    void Hint();
    void Shuffle1Click();
    void ShuffleBoard();
    void PauseClick();
    void Stop();
    void VerticalClick();

    // Menu handlers that prepare a deal, and plain toggles
    void RandomSolitaireGame1Click();
    void NewRandomSpecificGame1Click();
    void NewSpecificGame1Click();
    void RandomSeed1Click() { m_options.RandomSeed1 = !m_options.RandomSeed1; }
    void WinnableClick() { m_options.Winnable = !m_options.Winnable; }
    void ShuffableClick() { m_options.Shuffable = !m_options.Shuffable; }
    void AnimateClick() { m_options.Animate = !m_options.Animate; }
    void NStatus();

    // Free rules and counts
    bool Dispo(int tile) const;
    bool Dispo_Vertical(int tile) const;
    // Answers whether a click may pick the tile under the rule in play (every tile in Rivers).
    bool isFree(int tile) const;
    void IsItFree();
    // Answers whether a river joins the two tiles; it keeps the river for riverPath().
    bool CanBeReached(int startTile, int targetTile);
    // The slide of a joined Rivers pair, one cell a step; the window paces it.
    bool advanceRiverSlide();
    void finishRiverSlide();
    // The river of the last joined pair, from the target's cell to the start's: its points and
    // their count. Shown until hideRiverPath().
    int riverPath(std::array<Position, kMaxRiverCells + 2>& points) const;
    bool riverPathShown() const { return m_riverPathShown; }
    void hideRiverPath();

    // Clock, status bar, end of game
    void Temps();
    // How long Temps() may wait before it has something to do (the reveal's next step, the
    // clock's next whole second, the end of the music); none while only a command can change
    // what it shows.
    std::optional<std::uint32_t> nextTempsDelay();
    void WriteScore();
    void ShowStatus(std::string_view text);
    // Redraws the board; once the last tile is gone this is where the end of the game is noticed.
    void redrawBoard();
    void GameOver();

    // Solver
    // Tells in a message box whether the position can still be won, searching two seconds at most.
    void CanBeWonClick();
    // Finds a winning line to play back by solveStep(); false (and the player told why) without one.
    bool SolveClick();
    // Shows the next pair of the line as a hint, or takes the pair shown; false once the line is
    // played or no longer fits the board.
    bool solveStep();
    void stopSolving() { m_solveLine.clear(); }
    bool solving() const { return !m_solveLine.empty(); }
    // The solver answers only for a solitaire game in play.
    bool solverAvailable() const;

    // Hall of fame
    void ShowScores(ScoresOpening opening);
    void DeleteHighscores1Click();
    // Reads "Hallfame.ini" for the layouts of the list (in list order) and Rivers.
    void loadHallOfFame(const std::filesystem::path& file, std::vector<std::string> layoutNames);
    bool saveHallOfFame();
    // Reads the slot of a layout added to the list while the program runs.
    void loadHallSlot(int slot, const std::string& layoutName);

    // Saving and resuming
    // The running game as a later run plays it on; none when no game runs (stopped, finished, in
    // the editor).
    std::optional<SavedGame> savedGame() const;
    // Plays on a saved game; false, and nothing changed, when it cannot be played on.
    bool resumeGame(const SavedGame& saved);
    // Counts the deals, so that one can tell when another game has taken the board.
    int dealNumber() const { return m_dealNumber; }

    // Access for the window, the layouts and the tests
    Options& options() { return m_options; }
    const Options& options() const { return m_options; }
    const Board& board() const { return m_board; }
    Board& board() { return m_board; }
    LayoutTemplate& layoutTemplate() { return m_layout; }
    // Takes the board as it stands for the dealt one, which Restart brings back.
    void takeBoardAsDealt() { m_dealtBoard = m_board; }
    RandomGenerator& generator() { return m_generator; }
    HallOfFame& hallOfFame() { return m_hall; }
    const FreeTiles& freeTiles() const { return m_free; }
    const StatusMessage& statusMessage() const { return m_status; }
    const HistoryEntry& history(int index) const { return m_history[static_cast<std::size_t>(index)]; }
    // Makes a layout (1..99, 0 for one the list does not hold) the current one at once.
    void setCurrentLayout(int number) { m_currentLayout = m_checkedLayout = number; }
    // Chooses the layout of the next deal, the one the menu shows checked; a running game, Rivers
    // included, keeps its own rules and hall of fame until then.
    void chooseLayout(int number);
    // The hall-of-fame slot of the game on the board: a layout's number, or 100 in Rivers.
    int currentLayout() const { return m_currentLayout; }
    int checkedLayout() const { return m_checkedLayout; }
    // Marks the template as one no file of the list holds (a layout tried from the editor): its
    // games enter no hall of fame until a layout is loaded or saved.
    void setLayoutUnlisted(bool unlisted) { m_layoutUnlisted = unlisted; }
    bool layoutUnlisted() const { return m_layoutUnlisted; }
    void setEditorMode(bool on) { m_editorMode = on; }
    void setPlayerName(std::string name) { m_playerName = std::move(name); }
    const std::string& playerName() const { return m_playerName; }
    void setSpecificSeed(int seed) { m_specificSeed = seed; }
    int specificSeed() const { return m_specificSeed; }

    int TilesLeft() const { return m_tilesLeft; }
    int TilesTotal() const { return m_tilesTotal; }
    int FirstTile() const { return m_firstTile; }
    int SecondTile() const { return m_secondTile; }
    int HintTileA() const { return m_hintTileA; }
    int HintTileB() const { return m_hintTileB; }
    bool GameStopped() const { return m_gameStopped; }
    bool GamePaused() const { return m_gamePaused; }
    bool BoardFinished() const { return m_boardFinished; }
    bool NoMovesShown() const { return m_noMovesShown; }
    bool RiversMode() const { return m_riversMode; }
    bool EditorMode() const { return m_editorMode; }
    // True while a joined Rivers pair slides, when its tiles are drawn unmarked and clicks wait.
    bool RiverPathFound() const { return m_riverPathFound; }
    int ElapsedSeconds() const { return m_elapsedSeconds; }
    int PenaltySeconds() const { return m_penaltySeconds; }

private:
    void tilePlaced(int tile) override;
    void boardChanged() override;

    std::optional<std::string> dealRefusal() const;
    void writeScorePanels();
    bool isFreeUnder(int tile, FreeRule rule) const;
    bool dealAnimated() const;
    void dealSolitaire(int tileCount);
    void resetPlay();
    void showDealMessage();
    void playSound(Sound sound);
    void redrawTile(int tile);
    void removePair(Position firstPlace);
    void removeRiversPair();
    void unselectFirst();
    void randomShuffle();
    void riversShuffle();
    void reportShuffle();
    void setPauseCaptions(bool paused);
    void endPause();
    void updateClock();
    void walkRiver(int x0, int y0, int dx, int dy, int x, int y);
    bool riverSegment(int x, int y, int dx, int dy, int segment, bool& found);
    void MoveRiverTiles(Position cell);
    void riversHint();
    std::string finishedText(int totalSeconds) const;
    FreeRule freeRule() const;
    SolverResult searchBoard(const Board& board, std::uint32_t milliseconds, std::int64_t maxNodes);
    void warnIfLost();

    Host& m_host;
    Options m_options;
    Board m_board;
    // The board as it was dealt, for Restart: shuffles move tiles the history does not know of.
    Board m_dealtBoard;
    LayoutTemplate m_layout;
    RandomGenerator m_generator;
    FreeTiles m_free;
    StatusMessage m_status;
    HallOfFame m_hall;
    std::filesystem::path m_hallFile;
    std::vector<std::string> m_layoutNames;
    std::array<HistoryEntry, kMaxTiles> m_history{};
    std::string m_playerName = "Player1";

    int m_dealNumber = 0;
    int m_currentLayout = 1;
    int m_checkedLayout = 1;
    int m_specificSeed = 0;
    int m_tilesLeft = 0;
    int m_tilesTotal = 0;
    int m_firstTile = 0;
    int m_secondTile = 0;
    int m_hintTileA = 0;
    int m_hintTileB = 0;
    int m_hintIndex = 0;
    bool m_gameStopped = true;
    bool m_gamePaused = false;
    bool m_boardFinished = false;
    bool m_finishHandled = false;
    bool m_noMovesShown = false;
    bool m_riversMode = false;
    bool m_layoutChosen = false;
    bool m_layoutUnlisted = false;
    bool m_editorMode = false;
    std::uint32_t m_startTick = 0;
    int m_elapsedSeconds = 0;
    int m_penaltySeconds = 0;
    std::uint32_t m_pauseElapsed = 0;

    // Made at the first search: it is large, and most games never ask it.
    std::unique_ptr<Solver> m_solver;
    std::vector<TilePair> m_solveLine;
    std::size_t m_solveNext = 0;
    bool m_solveHintShown = false;
    // The board the next step of the line expects.
    Board m_solveBoard;
    // The last position found lost, so that only the move that lost the game is warned of.
    Board m_lostBoard;
    bool m_lostBoardKnown = false;

    bool m_riverPathFound = false;
    bool m_riverPathShown = false;
    Position m_riverStartPlace;
    Position m_riverTargetPlace;
    std::array<Position, kMaxRiverCells> m_riverCells{};
    int m_riverCellCount = 0;
    int m_riverSlideStep = 0;
    Position m_riverSlideFrom;
};

}  // namespace orbeni
