#pragma once

#include <array>
#include <optional>

#include "orbeni/board/board.h"
#include "orbeni/board/random_generator.h"

namespace orbeni {

// Shown while a deal builds up: each placed tile or pair is drawn at once.
class DealAnimation {
public:
    virtual ~DealAnimation() = default;
    virtual void tilePlaced(int tile) = 0;
    virtual void boardChanged() = 0;
};

// Positions in deal order: layer by layer, row by row, column fastest.
struct PositionList {
    std::array<Position, kMaxTiles> positions{};
    int count = 0;
};

// The pairs of one random clearing of a shape, in removal order.
struct RemovalOrder {
    std::array<Position, kMaxTiles / 2> first{};
    std::array<Position, kMaxTiles / 2> second{};
    int pairs = 0;
};

// Restarts after which a shape is taken for one that no removal order clears.
inline constexpr int kMaxDealRestarts = 5000;

// Reserves every layout position on an empty board; the positions in deal order. A template
// with more than 144 positions keeps only the first 144.
PositionList reserveLayout(Board& board, const LayoutTemplate& layout);
// Writes the reserved marker into every cell of the shape.
void reserve(Board& board, const PositionList& shape);
// Lists the occupied cells of the playing area in deal order.
PositionList occupiedPositions(const Board& board);

// Hands tiles 1..N in ascending order to reserved positions drawn at random.
void dealFullyRandom(Board& board, int tileCount, RandomGenerator& generator, DealAnimation* animation);

enum class PlanOutcome { Planned, NoFreePair, Unclearable };

// Clears the reserved shape by random removals of free pairs, starting over at dead ends. Fails
// at once when the whole shape has fewer than two free positions, and after the restart bound
// when dead ends never stop. The shape is reserved again afterwards.
PlanOutcome planRemovals(Board& board, const PositionList& shape, int pairs, RandomGenerator& generator,
                         RemovalOrder& order);

// Deals a board that its own removal order clears: tiles of one group go to each planned pair,
// the last removed pair first. The removal order; none (the layout still reserved) when the
// layout cannot be cleared.
std::optional<RemovalOrder> CreateBoard(Board& board, const LayoutTemplate& layout,
                                        RandomGenerator& generator, std::uint32_t millisecondsOfDay,
                                        DealAnimation* animation);

// The tiles still on the board, ascending, with the places they had.
struct LiveTiles {
    std::array<Position, kMaxTiles + 1> places{};
    std::array<int, kMaxTiles> tiles{};
    int count = 0;
};

LiveTiles liveTiles(const Board& board);
// Puts the tiles back where they were.
void restoreTiles(Board& board, const LiveTiles& live);
// Hands the live tiles to a cleared board's planned pairs, last removed pair first; the live
// list taken two by two always gives two tiles of one group.
void dealShuffledPairs(Board& board, RandomGenerator& generator, const RemovalOrder& order,
                       const LiveTiles& live, DealAnimation* animation);

// Swaps every tile with one at a randomly drawn occupied cell.
void shufflePass(Board& board, RandomGenerator& generator);

}  // namespace orbeni
