#pragma once

#include <array>
#include <optional>

#include "orbeni/board/board.h"
#include "orbeni/board/deal.h"
#include "orbeni/board/random_generator.h"
#include "orbeni/solver/solver.h"

namespace orbeni {

class GameClock;
class GamePhase;
class Host;
class StatusLine;
struct Options;
struct SavedGame;
enum class Sound;

// A removed tile and the place it had, for undo.
struct HistoryEntry {
    int tile = 0;
    Position place;
};

// How a deal went: winnable as asked, at random, or at random because no removal order clears
// the layout.
enum class DealOutcome { Winnable, Random, Unclearable };

// The solitaire on the board: the tiles dealt and left, the selected tiles, the free list and
// its hints, the shuffles and the history that undo walks back. Rivers plays on the same board
// and selection.
class Solitaire : private DealAnimation {
public:
    Solitaire(Host& host, const Options& options, const GamePhase& phase, StatusLine& status,
              GameClock& clock)
        : m_host(host), m_options(options), m_phase(phase), m_status(status), m_clock(clock) {}

    const Board& board() const { return m_board; }
    Board& board() { return m_board; }
    // Takes the board as it stands for the dealt one, which Restart brings back.
    void takeBoardAsDealt() { m_dealtBoard = m_board; }
    RandomGenerator& generator() { return m_generator; }

    // Fills the layout with tiles: winnable when asked and possible, otherwise at random (from
    // the specific game's seed when one is chosen). A layout in the making is only laid out.
    DealOutcome deal(const LayoutTemplate& layout, int specificSeed);
    // Takes the tiles on the board as a new deal of that many tiles.
    void takeDeal(int tileCount);
    // Empties the board: no game is on it.
    void clear();
    // Forgets the selection and the hints of the last game.
    void resetSelection();

    int TilesLeft() const { return m_tilesLeft; }
    int TilesTotal() const { return m_tilesTotal; }
    int FirstTile() const { return m_firstTile; }
    int SecondTile() const { return m_secondTile; }
    int HintTileA() const { return m_hintTileA; }
    int HintTileB() const { return m_hintTileB; }
    const FreeTiles& freeTiles() const { return m_free; }
    const HistoryEntry& history(int index) const { return m_history[static_cast<std::size_t>(index)]; }

    // Answers whether a click may pick the tile under the rule in play (every tile in Rivers and
    // in the editor).
    bool isFree(int tile) const;
    bool isFreeUnder(int tile, FreeRule rule) const;
    // Counts the free tiles and the moves among them; Rivers and the editor count none.
    void IsItFree();

    // Selects a clicked tile, or unselects it on a second click; a blocked tile only sounds.
    void pick(int tile);
    bool pairSelected() const { return m_firstTile != 0 && m_secondTile != 0; }
    bool selectionMatches() const;
    // Keeps only the second tile selected, as the first of a new pair.
    void unselectFirst();
    void unselectAll();
    void clearSelection() { m_firstTile = m_secondTile = 0; }
    // Takes the selected pair off the board into the history; the first tile is recorded at
    // `firstPlace`, where it stood when it was picked.
    void removePair(Position firstPlace);
    // Takes a pair off as a click would, its hint gone.
    void takePair(TilePair pair);

    // Shows the next available pair, walking through them in free-list order, at a hint's
    // price; false when none was shown.
    // Shows the next of the free pairs, or the pair given (one that keeps the game winnable).
    bool Hint(std::optional<TilePair> chosen = std::nullopt);
    // Shows the next of the given pairs as the hint.
    void hintAmong(const TilePair* pairs, int count);
    void showHint(TilePair pair);
    void Shuffle();
    void ShuffleBoard();

    void BackHistory();
    // Answers whether the board is still the one dealt, with every tile on it.
    bool untouched() const { return m_tilesLeft == m_tilesTotal && m_board == m_dealtBoard; }
    // Brings back the dealt board, also after shuffles.
    void Restart();

    // Keeps the boards, the history, the hint and the generator in a saved game, and takes them up.
    void saveTo(SavedGame& saved) const;
    void restoreFrom(const SavedGame& saved);

private:
    void tilePlaced(int tile) override;
    void boardChanged() override;

    bool dealAnimated() const;
    FreeRule freeRule() const;
    void playSound(Sound sound);
    void redrawTile(int tile);
    void randomShuffle();
    void reportShuffle();

    Host& m_host;
    const Options& m_options;
    const GamePhase& m_phase;
    StatusLine& m_status;
    GameClock& m_clock;

    Board m_board;
    // The board as it was dealt, for Restart: shuffles move tiles the history does not know of.
    Board m_dealtBoard;
    RandomGenerator m_generator;
    FreeTiles m_free;
    std::array<HistoryEntry, kMaxTiles> m_history{};
    int m_tilesLeft = 0;
    int m_tilesTotal = 0;
    int m_firstTile = 0;
    int m_secondTile = 0;
    int m_hintTileA = 0;
    int m_hintTileB = 0;
    int m_hintIndex = 0;
};

}  // namespace orbeni
