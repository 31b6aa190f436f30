#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "orbeni/board/board.h"
#include "orbeni/board/random_generator.h"

namespace orbeni {

// A set of tile numbers 1..144, one bit each.
struct TileSet {
    using Words = std::array<std::uint64_t, 3>;
    Words words{};

    bool contains(int tile) const { return (words[std::size_t(tile / 64)] >> (tile % 64) & 1u) != 0; }
    void add(int tile) { words[std::size_t(tile / 64)] |= std::uint64_t{1} << (tile % 64); }
    void erase(int tile) { words[std::size_t(tile / 64)] &= ~(std::uint64_t{1} << (tile % 64)); }
    bool empty() const { return (words[0] | words[1] | words[2]) == 0; }
    bool operator==(const TileSet&) const = default;
};

// The tiles on a board.
TileSet tilesOnBoard(const Board& board);

enum class Verdict { Winnable, Unwinnable, Undecided };

// How long a search may run: at most `maxNodes` positions, and until `timeUp` answers true (asked
// every few hundred positions; none means no clock).
struct SearchLimit {
    std::int64_t maxNodes = INT64_MAX;
    std::function<bool()> timeUp;
};

struct TilePair {
    int first = 0;
    int second = 0;
};

struct SolverResult {
    Verdict verdict = Verdict::Undecided;
    // For a winnable board, the pairs that clear it, in the order to take them.
    std::vector<TilePair> line;
    std::int64_t nodes = 0;
};

// Decides whether the tiles on a board can all still be removed under a free rule. The search
// remembers the positions it found lost, takes at once the groups whose remaining tiles are all
// free (nothing can be gained by keeping them), tries no two orders of pairs that share no tile,
// and gives up on a group whose last two tiles hold each other: lying on one another, kept along
// their rows, through other groups' last pairs. One solver serves a whole game.
class Solver {
public:
    Solver();
    SolverResult solve(const Board& board, FreeRule rule, const SearchLimit& limit);

private:
    static constexpr int kGroups = kMaxTiles / 4;

    struct Move {
        TilePair pair;
        int score = 0;
    };

    void prepare(const Board& board, FreeRule rule);
    void findNeighbours();
    void findTilesBeneath();
    bool searchWithRestarts();
    bool search(std::size_t asleep);
    bool isAsleep(TilePair pair, std::size_t begin, std::size_t end) const;
    static bool sharesTile(TilePair a, TilePair b);
    bool takeSafeGroups(int& pairsTaken);
    int gatherMoves(std::array<Move, 12 * kGroups>& moves);
    void take(TilePair pair);
    int blockedNeighbours(TilePair pair) const;
    void putBack();
    int freeTile(int tile);
    bool groupDeadlocked(int group) const;
    void findSides();
    void findPossiblePartners();
    using Sides = std::array<std::vector<std::uint8_t>, kMaxTiles + 1>;
    // The tiles found unable to leave before a pair, and those still to follow from.
    struct HoldSearch {
        TilePair pair;
        TileSet held;
        TileSet keptBefore;
        TileSet keptAfter;
        std::array<std::uint8_t, kMaxTiles> work;
        int pending = 0;
        bool lost = false;
    };
    bool pairCanLeave(TilePair pair) const;
    bool tileCanLeave(int tile) const;
    void holdFrom(HoldSearch& hold) const;
    void holdTile(HoldSearch& hold, int tile) const;
    void keepSide(HoldSearch& hold, int tile, bool before) const;
    void holdPartnerless(HoldSearch& hold, int group) const;
    TilePair lastPair(int group) const;
    bool budgetSpent();
    bool rememberedLost(const TileSet& tiles) const;
    void rememberLost(const TileSet& tiles);

    FreeRule m_rule = FreeRule::Horizontal;
    Board m_board;
    std::array<Position, kMaxTiles + 1> m_places{};
    TileSet m_left;
    TileSet m_free;
    std::array<std::array<std::uint8_t, 4>, kGroups> m_groupTiles{};
    std::array<int, kGroups> m_groupSize{};
    std::array<int, kGroups> m_leftInGroup{};
    std::array<int, kGroups> m_freeInGroup{};
    // The tiles whose freedom may change when a tile leaves, and those that must leave before it.
    std::array<std::vector<std::uint8_t>, kMaxTiles + 1> m_neighbours;
    std::array<TileSet, kMaxTiles + 1> m_beneath{};
    std::array<int, kMaxTiles + 1> m_heldBeneath{};  // how many tiles each holds down
    // The tiles beside each tile on the two sides the free rule looks at.
    Sides m_sidesBefore;
    Sides m_sidesAfter;
    Sides m_possiblePartners;

    std::vector<TilePair> m_line;
    // The sleeping sets of the positions on the line searched, each after its parent's.
    std::vector<TilePair> m_sleeping;
    // Tiles freed by each taken pair, in order, and how many each pair freed, for putting back.
    std::vector<std::uint8_t> m_freedLog;
    std::vector<int> m_freedCounts;

    // Lost positions, each marked with the search that found it. Tiles past 128 take 17 bits.
    struct LostPosition {
        std::uint64_t low = 0;
        std::uint64_t middle = 0;
        std::uint32_t high = 0;
        std::uint32_t searchNumber = 0;

        bool holds(const TileSet& tiles) const {
            return low == tiles.words[0] && middle == tiles.words[1] && high == tiles.words[2];
        }
    };
    struct FreeTable {
        void operator()(LostPosition* table) const { std::free(table); }
    };
    std::unique_ptr<LostPosition[], FreeTable> m_lost;
    std::size_t m_lostSlots = 0;
    std::uint32_t m_searchNumber = 0;

    const SearchLimit* m_limit = nullptr;
    std::int64_t m_nodes = 0;
    std::int64_t m_roundEnd = 0;
    bool m_aborted = false;
    bool m_outOfBudget = false;
    RandomGenerator m_shuffle;
    std::size_t m_ranking = 0;
    int m_orderNoise = 0;
};

}  // namespace orbeni
