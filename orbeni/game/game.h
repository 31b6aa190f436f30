#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "orbeni/board/board.h"
#include "orbeni/board/layout_template.h"
#include "orbeni/board/random_generator.h"
#include "orbeni/game/game_clock.h"
#include "orbeni/game/game_phase.h"
#include "orbeni/game/game_snapshot.h"
#include "orbeni/game/hall_entry.h"
#include "orbeni/game/host.h"
#include "orbeni/game/options.h"
#include "orbeni/game/rivers.h"
#include "orbeni/game/solitaire.h"
#include "orbeni/game/solver_playback.h"
#include "orbeni/game/status_line.h"

namespace orbeni {

enum class MouseButton { Left, Right, Middle };

struct SavedGame;

// The running game of the solitaire and of Rivers, as the main window sees it: it takes the
// window's commands, keeps the phase of the game and the layout it is played on, and hands each
// command to the part that plays it (the solitaire, Rivers, the clock, the solver's playback,
// the hall of fame, saving and resuming). The main window owns one.
class Game : private TimedGame {
public:
    // The game keeps its own options, or plays under those of its window (the settings' own).
    explicit Game(Host& host)
        : m_host(host), m_ownOptions(std::make_unique<Options>()), m_options(*m_ownOptions) {}
    Game(Host& host, Options& options) : m_host(host), m_options(options) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Deals and play
    // Deals the layout; false (and the player told why) when it cannot be dealt.
    bool BeginGame();
    // Leaves the layout editor without a game: its board was laid out, never dealt to be played.
    void closeEditor();
    void NewGame();
    void FourRivers();
    void ButtonDown(MouseButton button, int mouseX, int mouseY);
    void Back();
    void Restart();
    void Hint();
    void Shuffle1Click();
    void ShuffleBoard() { m_play.ShuffleBoard(); }
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
    bool Dispo(int tile) const { return m_play.isFreeUnder(tile, FreeRule::Horizontal); }
    bool Dispo_Vertical(int tile) const { return m_play.isFreeUnder(tile, FreeRule::Vertical); }
    // Answers whether a click may pick the tile under the rule in play (every tile in Rivers).
    bool isFree(int tile) const { return m_play.isFree(tile); }
    void IsItFree() { m_play.IsItFree(); }
    bool CanBeReached(int startTile, int targetTile) { return m_rivers.CanBeReached(startTile, targetTile); }
    bool advanceRiverSlide() { return m_rivers.advanceRiverSlide(); }
    void finishRiverSlide() { m_rivers.finishRiverSlide(); }
    int riverPath(std::array<Position, kMaxRiverCells + 2>& points) const {
        return m_rivers.riverPath(points);
    }
    bool riverPathShown() const { return m_rivers.riverPathShown(); }
    void hideRiverPath() { m_rivers.hideRiverPath(); }

    // Clock, status bar, end of game
    void Temps() { m_clock.Temps(); }
    std::optional<std::uint32_t> nextTempsDelay() { return m_clock.nextTempsDelay(); }
    void ShowStatus(std::string_view text) { m_status.ShowStatus(text); }

    // Solver
    void CanBeWonClick() { m_playback.CanBeWonClick(); }
    bool SolveClick() { return m_playback.SolveClick(); }
    bool solveStep();
    void stopSolving() { m_playback.stopSolving(); }
    bool solving() const { return m_playback.solving(); }
    bool solverAvailable() const { return m_playback.solverAvailable(); }

    // Hall of fame
    void ShowScores(ScoresOpening opening) { m_hall.ShowScores(m_currentLayout, opening); }
    void DeleteHighscores1Click() { m_hall.DeleteHighscores1Click(m_currentLayout); }
    void loadHallOfFame(const std::filesystem::path& file, std::vector<std::string> layoutNames) {
        m_hall.loadHallOfFame(file, std::move(layoutNames));
    }
    bool saveHallOfFame() { return m_hall.saveHallOfFame(); }
    void loadHallSlot(int slot, const std::string& layoutName) { m_hall.loadHallSlot(slot, layoutName); }

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
    const Board& board() const { return m_play.board(); }
    Board& board() { return m_play.board(); }
    LayoutTemplate& layoutTemplate() { return m_layout; }
    void takeBoardAsDealt() { m_play.takeBoardAsDealt(); }
    RandomGenerator& generator() { return m_play.generator(); }
    HallOfFame& hallOfFame() { return m_hall.hallOfFame(); }
    const FreeTiles& freeTiles() const { return m_play.freeTiles(); }
    const StatusMessage& statusMessage() const { return m_status.message(); }
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
    void setEditorMode(bool on) { m_phase.setEditor(on); }
    void setPlayerName(std::string name) { m_hall.setPlayerName(std::move(name)); }
    const std::string& playerName() const { return m_hall.playerName(); }
    void setSpecificSeed(int seed) { m_specificSeed = seed; }
    int specificSeed() const { return m_specificSeed; }

    int TilesLeft() const { return m_play.TilesLeft(); }
    int TilesTotal() const { return m_play.TilesTotal(); }
    int FirstTile() const { return m_play.FirstTile(); }
    int SecondTile() const { return m_play.SecondTile(); }
    int HintTileA() const { return m_play.HintTileA(); }
    int HintTileB() const { return m_play.HintTileB(); }
    bool GameStopped() const { return m_phase.stopped(); }
    bool GamePaused() const { return m_phase.paused(); }
    bool BoardFinished() const { return m_phase.finished(); }
    bool RiversMode() const { return m_phase.rivers(); }
    bool EditorMode() const { return m_phase.editor(); }
    // True while a joined Rivers pair slides, when its tiles are drawn unmarked and clicks wait.
    bool RiverPathFound() const { return m_rivers.RiverPathFound(); }
    int ElapsedSeconds() const { return m_clock.ElapsedSeconds(); }
    int PenaltySeconds() const { return m_clock.PenaltySeconds(); }

private:
    // Selects the clicked tile, unselects it on a second click, and removes a matching pair.
    void ChoisitPai(int px, int py, int column, int row);
    void GoBack();
    // Redraws the board; once the last tile is gone this is where the end of the game is noticed.
    void redrawBoard();
    // Reports a won game once, entering it in the hall of fame when it beats rank 10.
    void GameOver();

    TileCounts countTiles() override;
    void boardEmptied() override;
    void timeIsUp() override { Stop(); }

    std::optional<std::string> dealRefusal() const;
    void showDealMessage();
    void resetPlay();
    // Starts the clock of a game just dealt or resumed, and shows it.
    void startPlay(bool paused);

    Host& m_host;
    std::unique_ptr<Options> m_ownOptions;  // none when the options are the window's
    Options& m_options;
    LayoutTemplate m_layout;
    GamePhase m_phase;
    StatusLine m_status{m_host};
    GameClock m_clock{m_host, m_options, m_phase, m_status, *this};
    Solitaire m_play{m_host, m_options, m_phase, m_status, m_clock};
    Rivers m_rivers{m_host, m_options, m_play, m_status, m_clock};
    SolverPlayback m_playback{m_host, m_options, m_phase, m_play, m_clock, m_status};
    HallEntry m_hall{m_host, m_options};
    GameSnapshot m_snapshot{m_phase, m_options, m_play, m_rivers, m_clock, m_hall};

    int m_dealNumber = 0;
    int m_currentLayout = 1;
    int m_checkedLayout = 1;
    int m_specificSeed = 0;
    // A layout was chosen since the last deal: the next new game deals it, also after Rivers.
    bool m_layoutChosen = false;
    bool m_layoutUnlisted = false;
};

}  // namespace orbeni
