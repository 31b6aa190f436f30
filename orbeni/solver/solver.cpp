#include "orbeni/solver/solver.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace orbeni {

namespace {

// Every free rule looks at most two half-tiles aside and one layer up, so a tile leaving can
// change the freedom of tiles that near only.
constexpr int kRuleReach = 2;
// Lost positions remembered per search, a few probes each: a table of 2^16 slots for a search of
// few positions, 2^21 (48 MiB) for one that may last the game's two seconds, whose proofs need as
// many and more.
constexpr std::size_t kSmallLostSlots = std::size_t{1} << 16;
constexpr std::size_t kLargeLostSlots = std::size_t{1} << 21;
constexpr std::int64_t kSmallSearchNodes = std::int64_t{1} << 16;
constexpr int kLostProbes = 4;
// How the pairs are ranked for trial: by the blocked tiles beside and under them, by the tiles
// they hold down, then by their height. Boards that one ranking leads astray the other often
// clears at once, so the rounds of the search take turns.
struct Ranking {
    int blockedWeight = 0;
    int heldWeight = 0;
};
constexpr std::array<Ranking, 2> kRankings{{{16, 4}, {4, 16}}};
// The clock is asked this seldom, so that asking costs nothing beside the search.
constexpr std::int64_t kNodesPerClockLook = 256;
// The first round of the search may visit this many positions; each next one a third more.
constexpr std::int64_t kFirstRoundNodes = 50;
// How much a shuffled round may move a pair up the order of trial.
constexpr int kOrderNoise = 1000;

std::size_t hashOf(const TileSet& tiles) {
    std::uint64_t hash = tiles.words[0] * 0x9E3779B97F4A7C15u;
    hash ^= (tiles.words[1] + (hash >> 29)) * 0xBF58476D1CE4E5B9u;
    hash ^= (tiles.words[2] + (hash >> 31)) * 0x94D049BB133111EBu;
    return static_cast<std::size_t>(hash ^ (hash >> 32));
}

int popCount(const TileSet& tiles) {
    return std::popcount(tiles.words[0]) + std::popcount(tiles.words[1]) + std::popcount(tiles.words[2]);
}

void unite(TileSet& into, const TileSet& more) {
    for (std::size_t w = 0; w < into.words.size(); ++w) {
        into.words[w] |= more.words[w];
    }
}

}  // namespace

TileSet tilesOnBoard(const Board& board) {
    TileSet tiles;
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        if (board.position(tile).onBoard()) {
            tiles.add(tile);
        }
    }
    return tiles;
}

Solver::Solver() {
    m_line.reserve(kMaxTiles / 2);
    m_sleeping.reserve(4 * kMaxTiles);
    m_freedLog.reserve(kMaxTiles);
    m_freedCounts.reserve(kMaxTiles / 2);
}

SolverResult Solver::solve(const Board& board, FreeRule rule, const SearchLimit& limit) {
    m_limit = &limit;
    prepare(board, rule);
    SolverResult result;
    bool deadlocked = false;
    for (int group = 0; group < kGroups; ++group) {
        deadlocked = deadlocked || groupDeadlocked(group);
    }
    if (deadlocked) {
        result.verdict = Verdict::Unwinnable;
    } else if (m_left.empty() || searchWithRestarts()) {
        result.verdict = Verdict::Winnable;
        result.line = m_line;
    } else {
        result.verdict = m_outOfBudget ? Verdict::Undecided : Verdict::Unwinnable;
    }
    result.nodes = m_nodes;
    m_limit = nullptr;
    // The large table goes back to the system between the player's questions.
    if (m_lostSlots > kSmallLostSlots) {
        m_lost.reset();
        m_lostSlots = 0;
    }
    return result;
}

// Searches again and again with a growing allowance of positions, after a first round with each
// ranking trying the pairs in a shuffled order: a search that went astray early is abandoned instead of
// sifting every position after its wrong turn. The lost positions found stay remembered from one round to the
// next.
bool Solver::searchWithRestarts() {
    std::int64_t allowance = kFirstRoundNodes;
    for (int round = 0;; ++round) {
        m_shuffle.setSeed(static_cast<std::uint32_t>(round));
        m_ranking = std::size_t(round) % kRankings.size();
        m_orderNoise = std::size_t(round) < kRankings.size() ? 0 : kOrderNoise;
        m_roundEnd = m_nodes + allowance;
        m_aborted = false;
        m_sleeping.clear();
        if (search(0)) {
            return true;
        }
        if (!m_aborted || m_outOfBudget) {
            return false;
        }
        allowance += allowance / 3;
    }
}

// Copies the board and works out, once per search, which tiles are free, which tiles are near
// one another and which lie under which.
void Solver::prepare(const Board& board, FreeRule rule) {
    m_rule = rule;
    m_board = board;
    m_left = tilesOnBoard(board);
    m_free = TileSet{};
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        m_places[std::size_t(tile)] = board.position(tile);
    }
    m_groupSize.fill(0);
    m_leftInGroup.fill(0);
    m_freeInGroup.fill(0);
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        if (!m_left.contains(tile)) {
            continue;
        }
        const int group = matchGroup(tile);
        m_groupTiles[std::size_t(group)][std::size_t(m_groupSize[std::size_t(group)]++)] =
            static_cast<std::uint8_t>(tile);
        ++m_leftInGroup[std::size_t(group)];
        if (board.isFree(board.position(tile), rule)) {
            m_free.add(tile);
            ++m_freeInGroup[std::size_t(group)];
        }
    }
    findNeighbours();
    findTilesBeneath();
    findSides();
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        m_heldBeneath[std::size_t(tile)] = popCount(m_beneath[std::size_t(tile)]);
    }
    findPossiblePartners();
    m_line.clear();
    m_freedLog.clear();
    m_freedCounts.clear();
    // The table is made for the search that needs it: most games never ask for one.
    const std::size_t slots = m_limit->maxNodes <= kSmallSearchNodes ? kSmallLostSlots : kLargeLostSlots;
    if (m_lostSlots < slots) {
        // Zeroed pages come from the system as the search first writes to them: a short search
        // costs little time or memory even in the large table. Without room the search goes on
        // with a smaller table, or none.
        m_lost.reset();
        m_lostSlots = 0;
        for (const std::size_t size : {slots, kSmallLostSlots}) {
            m_lost.reset(static_cast<LostPosition*>(std::calloc(size, sizeof(LostPosition))));
            if (m_lost) {
                m_lostSlots = size;
                break;
            }
        }
    }
    ++m_searchNumber;
    m_nodes = 0;
    m_aborted = m_outOfBudget = false;
}

// Lists for every tile the tiles beside it or on the layer below, whose freedom its leaving may
// change.
void Solver::findNeighbours() {
    for (auto& neighbours : m_neighbours) {
        neighbours.clear();
    }
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        if (!m_left.contains(tile)) {
            continue;
        }
        const Position p = m_board.position(tile);
        for (int other = 1; other <= kMaxTiles; ++other) {
            const Position q = m_board.position(other);
            const bool near = std::abs(q.x - p.x) <= kRuleReach && std::abs(q.y - p.y) <= kRuleReach &&
                              (q.z == p.z || q.z == p.z - 1);
            if (other != tile && m_left.contains(other) && near) {
                m_neighbours[std::size_t(tile)].push_back(static_cast<std::uint8_t>(other));
            }
        }
    }
}

// A tile lies on another when, the two alone on the table, the lower one is not free. Everything
// under a tile stays on the board as long as that tile does.
void Solver::findTilesBeneath() {
    std::array<int, kMaxTiles> byLayer{};
    int count = 0;
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        m_beneath[std::size_t(tile)] = TileSet{};
        if (m_left.contains(tile)) {
            byLayer[std::size_t(count++)] = tile;
        }
    }
    std::sort(byLayer.begin(), byLayer.begin() + count,
              [this](int a, int b) { return m_board.position(a).z < m_board.position(b).z; });
    Board pairAlone;
    for (int index = 0; index < count; ++index) {
        const int upper = byLayer[std::size_t(index)];
        const Position above = m_board.position(upper);
        for (const std::uint8_t lower : m_neighbours[std::size_t(upper)]) {
            const Position below = m_board.position(lower);
            if (below.z != above.z - 1) {
                continue;
            }
            pairAlone.place(upper, above);
            pairAlone.place(lower, below);
            const bool covered = !pairAlone.isFree(below, m_rule);
            pairAlone.remove(upper);
            pairAlone.remove(lower);
            if (covered) {
                TileSet& beneath = m_beneath[std::size_t(upper)];
                beneath.add(lower);
                unite(beneath, m_beneath[lower]);
            }
        }
    }
}

// Lists for every tile the tiles beside it that keep it from being free on each side under the
// free rule.
void Solver::findSides() {
    const bool horizontal = m_rule == FreeRule::Horizontal;
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        m_sidesBefore[std::size_t(tile)].clear();
        m_sidesAfter[std::size_t(tile)].clear();
        const Position p = m_places[std::size_t(tile)];
        for (const std::uint8_t other : m_neighbours[std::size_t(tile)]) {
            const Position q = m_places[other];
            // The rule looks at the places a whole tile along the row, half a tile aside or level.
            const int along = horizontal ? q.x - p.x : q.y - p.y;
            const int across = horizontal ? q.y - p.y : q.x - p.x;
            if (q.z == p.z && std::abs(across) <= 1 && std::abs(along) == 2) {
                (along < 0 ? m_sidesBefore : m_sidesAfter)[std::size_t(tile)].push_back(other);
            }
        }
    }
}

// The tiles of its group that a tile could ever pair with: not one lying on it or under it.
void Solver::findPossiblePartners() {
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        auto& partners = m_possiblePartners[std::size_t(tile)];
        partners.clear();
        const int group = matchGroup(tile);
        for (int k = 0; m_left.contains(tile) && k < m_groupSize[std::size_t(group)]; ++k) {
            const int other = m_groupTiles[std::size_t(group)][std::size_t(k)];
            if (other != tile && !m_beneath[std::size_t(tile)].contains(other) &&
                !m_beneath[std::size_t(other)].contains(tile)) {
                partners.push_back(static_cast<std::uint8_t>(other));
            }
        }
    }
}

// Whether the last two tiles of a group can ever leave together. Gathers the tiles that cannot
// leave before the pair has: those under a tile gathered, those kept on both sides along their row
// by tiles gathered (a tile kept on one side keeps its neighbour on that side's far side in turn,
// as it can only leave from there), the partner of a gathered tile among another group's last two,
// and the fourth tile of a group whose other three are gathered. The pair is lost when one of its
// own tiles is held so.
bool Solver::pairCanLeave(TilePair pair) const {
    HoldSearch hold{pair, {}, {}, {}, {}, 0, false};
    holdFrom(hold);
    return !hold.lost;
}

// Whether a tile of a group of four can ever find a partner: not when each tile it could pair
// with must leave after it.
bool Solver::tileCanLeave(int tile) const {
    HoldSearch hold{{tile, 0}, {}, {}, {}, {}, 0, false};
    holdFrom(hold);
    if (hold.lost) {
        return false;
    }
    for (const std::uint8_t partner : m_possiblePartners[std::size_t(tile)]) {
        if (m_left.contains(partner) && !hold.held.contains(partner)) {
            return true;
        }
    }
    return false;
}

// Gathers what cannot leave before the tiles of hold.pair (a tile alone when the second is 0).
void Solver::holdFrom(HoldSearch& hold) const {
    for (const int tile : {hold.pair.first, hold.pair.second}) {
        if (tile != 0) {
            hold.held.add(tile);
            hold.work[std::size_t(hold.pending++)] = static_cast<std::uint8_t>(tile);
        }
    }
    while (hold.pending > 0 && !hold.lost) {
        const int tile = hold.work[std::size_t(--hold.pending)];
        const TileSet::Words& beneath = m_beneath[std::size_t(tile)].words;
        for (std::size_t w = 0; w < beneath.size(); ++w) {
            for (std::uint64_t bits = beneath[w]; bits != 0; bits &= bits - 1) {
                holdTile(hold, int(w) * 64 + std::countr_zero(bits));
            }
        }
        for (const std::uint8_t next : m_sidesAfter[std::size_t(tile)]) {
            keepSide(hold, next, true);
        }
        for (const std::uint8_t next : m_sidesBefore[std::size_t(tile)]) {
            keepSide(hold, next, false);
        }
        holdPartnerless(hold, matchGroup(tile));
    }
}

void Solver::holdTile(HoldSearch& hold, int tile) const {
    if (!m_left.contains(tile)) {
        return;
    }
    if (tile == hold.pair.first || tile == hold.pair.second) {
        hold.lost = hold.lost || hold.held.contains(tile);
        return;
    }
    if (!hold.held.contains(tile)) {
        hold.held.add(tile);
        hold.work[std::size_t(hold.pending++)] = static_cast<std::uint8_t>(tile);
    }
}

// A tile kept on one side (its before side when `before`) by a held tile or a kept neighbour;
// held once kept on both.
void Solver::keepSide(HoldSearch& hold, int tile, bool before) const {
    TileSet& kept = before ? hold.keptBefore : hold.keptAfter;
    while (m_left.contains(tile) && !kept.contains(tile)) {
        kept.add(tile);
        if ((before ? hold.keptAfter : hold.keptBefore).contains(tile)) {
            if (tile == hold.pair.first || tile == hold.pair.second) {
                hold.lost = true;
                return;
            }
            holdTile(hold, tile);
        }
        const auto& further = before ? m_sidesAfter[std::size_t(tile)] : m_sidesBefore[std::size_t(tile)];
        if (further.empty()) {
            return;
        }
        for (std::size_t k = 1; k < further.size(); ++k) {
            keepSide(hold, further[k], before);
        }
        tile = further[0];
    }
}

// Holds the tiles of a group whose every possible partner is held: they leave with one of those.
// Not in the group of hold.pair, where a partner may leave with the pair itself.
void Solver::holdPartnerless(HoldSearch& hold, int group) const {
    if (group == matchGroup(hold.pair.first)) {
        return;
    }
    for (int k = 0; k < m_groupSize[std::size_t(group)]; ++k) {
        const int tile = m_groupTiles[std::size_t(group)][std::size_t(k)];
        if (!m_left.contains(tile) || hold.held.contains(tile)) {
            continue;
        }
        bool partnerFree = false;
        for (const std::uint8_t partner : m_possiblePartners[std::size_t(tile)]) {
            partnerFree = partnerFree || (m_left.contains(partner) && !hold.held.contains(partner));
        }
        if (!partnerFree) {
            holdTile(hold, tile);
        }
    }
}

TilePair Solver::lastPair(int group) const {
    TilePair last;
    for (int k = 0; k < m_groupSize[std::size_t(group)]; ++k) {
        const int tile = m_groupTiles[std::size_t(group)][std::size_t(k)];
        if (m_left.contains(tile)) {
            (last.first == 0 ? last.first : last.second) = tile;
        }
    }
    return last;
}

// A group is lost when one of its remaining tiles can only leave after all the others: its
// partner would have to leave first.
bool Solver::groupDeadlocked(int group) const {
    const int left = m_leftInGroup[std::size_t(group)];
    if (left == 2) {
        return !pairCanLeave(lastPair(group));
    }
    for (int k = 0; left == 4 && k < m_groupSize[std::size_t(group)]; ++k) {
        if (!tileCanLeave(m_groupTiles[std::size_t(group)][std::size_t(k)])) {
            return true;
        }
    }
    return false;
}

// Searches on from the position on the board. The pairs of the sleeping set (m_sleeping from
// `asleep` on) need no trial here: each was tried at an earlier position of this line, before the
// pairs taken since, none of which shares a tile with it; taking it now would only reach, in
// another order, positions that trial already found lost. Removing tiles never blocks another, so
// such pairs stay free.
bool Solver::search(std::size_t asleep) {
    if (budgetSpent()) {
        return false;
    }
    int safePairs = 0;
    if (takeSafeGroups(safePairs)) {
        return true;
    }
    bool won = false;
    if (!rememberedLost(m_left)) {
        std::array<Move, 12 * kGroups> moves;
        const int count = gatherMoves(moves);
        const std::size_t sleepEnd = m_sleeping.size();
        for (int index = 0; index < count && !won && !m_aborted; ++index) {
            const TilePair pair = moves[std::size_t(index)].pair;
            if (isAsleep(pair, asleep, sleepEnd)) {
                continue;
            }
            const std::size_t childAsleep = m_sleeping.size();
            for (std::size_t k = asleep; k < childAsleep; ++k) {
                const TilePair other = m_sleeping[k];
                if (m_left.contains(other.first) && m_left.contains(other.second) &&
                    !sharesTile(other, pair)) {
                    m_sleeping.push_back(other);
                }
            }
            take(pair);
            won = !groupDeadlocked(matchGroup(pair.first)) && search(childAsleep);
            m_sleeping.resize(childAsleep);
            if (!won) {
                putBack();
                m_sleeping.push_back(pair);
            }
        }
        m_sleeping.resize(sleepEnd);
        if (!won && !m_aborted) {
            rememberLost(m_left);
        }
    }
    if (!won) {
        for (int k = 0; k < safePairs; ++k) {
            putBack();
        }
    }
    return won;
}

bool Solver::isAsleep(TilePair pair, std::size_t begin, std::size_t end) const {
    for (std::size_t k = begin; k < end; ++k) {
        const TilePair other = m_sleeping[k];
        if ((other.first == pair.first && other.second == pair.second) ||
            (other.first == pair.second && other.second == pair.first)) {
            return true;
        }
    }
    return false;
}

bool Solver::sharesTile(TilePair a, TilePair b) {
    return a.first == b.first || a.first == b.second || a.second == b.first || a.second == b.second;
}

// Takes every group whose remaining tiles are all free: keeping them can help no other tile.
// True when that clears the board.
bool Solver::takeSafeGroups(int& pairsTaken) {
    bool tookOne = true;
    while (tookOne) {
        tookOne = false;
        for (int group = 0; group < kGroups; ++group) {
            const int left = m_leftInGroup[std::size_t(group)];
            if (left == 0 || m_freeInGroup[std::size_t(group)] != left) {
                continue;
            }
            std::array<int, 4> tiles{};
            int count = 0;
            for (int k = 0; k < m_groupSize[std::size_t(group)]; ++k) {
                const int tile = m_groupTiles[std::size_t(group)][std::size_t(k)];
                if (m_left.contains(tile)) {
                    tiles[std::size_t(count++)] = tile;
                }
            }
            for (int k = 0; k + 1 < count; k += 2) {
                take({tiles[std::size_t(k)], tiles[std::size_t(k + 1)]});
                ++pairsTaken;
            }
            tookOne = true;
        }
    }
    return m_left.empty();
}

// The pairs worth trying, best first: those that may free the most tiles.
int Solver::gatherMoves(std::array<Move, 12 * kGroups>& moves) {
    const Ranking& ranking = kRankings[m_ranking];
    int count = 0;
    for (int group = 0; group < kGroups; ++group) {
        std::array<int, 4> freeTiles{};
        int freeCount = 0;
        for (int k = 0; k < m_groupSize[std::size_t(group)]; ++k) {
            const int tile = m_groupTiles[std::size_t(group)][std::size_t(k)];
            if (m_free.contains(tile)) {
                freeTiles[std::size_t(freeCount++)] = tile;
            }
        }
        for (int a = 0; a < freeCount; ++a) {
            for (int b = a + 1; b < freeCount; ++b) {
                const TilePair pair{freeTiles[std::size_t(a)], freeTiles[std::size_t(b)]};
                const int height = m_board.position(pair.first).z + m_board.position(pair.second).z;
                const int held =
                    m_heldBeneath[std::size_t(pair.first)] + m_heldBeneath[std::size_t(pair.second)];
                const int blocked = blockedNeighbours(pair);
                const int noise = m_orderNoise > 0 ? m_shuffle.random(m_orderNoise) : 0;
                moves[std::size_t(count++)] =
                    Move{pair, ranking.blockedWeight * blocked + ranking.heldWeight * held + height + noise};
            }
        }
    }
    std::stable_sort(moves.begin(), moves.begin() + count,
                     [](const Move& a, const Move& b) { return a.score > b.score; });
    return count;
}

// Counts the tiles still blocked beside or under a pair: those its leaving may free.
int Solver::blockedNeighbours(TilePair pair) const {
    int blocked = 0;
    for (const int tile : {pair.first, pair.second}) {
        for (const std::uint8_t neighbour : m_neighbours[std::size_t(tile)]) {
            blocked += m_left.contains(neighbour) && !m_free.contains(neighbour) ? 1 : 0;
        }
    }
    return blocked;
}

// Takes a pair off the board and marks the tiles its leaving frees.
void Solver::take(TilePair pair) {
    m_line.push_back(pair);
    int freed = 0;
    for (const int tile : {pair.first, pair.second}) {
        m_board.remove(tile);
        m_left.erase(tile);
        m_free.erase(tile);
        --m_leftInGroup[std::size_t(matchGroup(tile))];
        --m_freeInGroup[std::size_t(matchGroup(tile))];
    }
    for (const int tile : {pair.first, pair.second}) {
        for (const std::uint8_t neighbour : m_neighbours[std::size_t(tile)]) {
            freed += freeTile(neighbour);
        }
    }
    m_freedCounts.push_back(freed);
}

// Marks a remaining tile free if it has become so; 1 when it has.
int Solver::freeTile(int tile) {
    if (!m_left.contains(tile) || m_free.contains(tile) || !m_board.isFree(m_board.position(tile), m_rule)) {
        return 0;
    }
    m_free.add(tile);
    ++m_freeInGroup[std::size_t(matchGroup(tile))];
    m_freedLog.push_back(static_cast<std::uint8_t>(tile));
    return 1;
}

// Puts the last taken pair back, and blocks again the tiles its leaving freed.
void Solver::putBack() {
    const TilePair pair = m_line.back();
    m_line.pop_back();
    for (int k = m_freedCounts.back(); k > 0; --k) {
        const int tile = m_freedLog.back();
        m_freedLog.pop_back();
        m_free.erase(tile);
        --m_freeInGroup[std::size_t(matchGroup(tile))];
    }
    m_freedCounts.pop_back();
    for (const int tile : {pair.first, pair.second}) {
        m_board.place(tile, m_places[std::size_t(tile)]);
        m_left.add(tile);
        m_free.add(tile);
        ++m_leftInGroup[std::size_t(matchGroup(tile))];
        ++m_freeInGroup[std::size_t(matchGroup(tile))];
    }
}

bool Solver::budgetSpent() {
    ++m_nodes;
    const bool clockSays = m_limit->timeUp && m_nodes % kNodesPerClockLook == 0 && m_limit->timeUp();
    if (m_nodes > m_limit->maxNodes || clockSays) {
        m_outOfBudget = true;
    }
    m_aborted = m_aborted || m_outOfBudget || m_nodes > m_roundEnd;
    return m_aborted;
}

bool Solver::rememberedLost(const TileSet& tiles) const {
    if (m_lostSlots == 0) {
        return false;
    }
    const std::size_t mask = m_lostSlots - 1;
    std::size_t slot = hashOf(tiles) & mask;
    for (int probe = 0; probe < kLostProbes; ++probe) {
        const LostPosition& stored = m_lost[slot];
        if (stored.searchNumber != m_searchNumber) {
            return false;
        }
        if (stored.holds(tiles)) {
            return true;
        }
        slot = (slot + 1) & mask;
    }
    return false;
}

// Keeps a lost position; when its probes are all taken the first gives way, which only costs a
// search again. Slots of earlier searches count as free.
void Solver::rememberLost(const TileSet& tiles) {
    if (m_lostSlots == 0) {
        return;
    }
    const std::size_t mask = m_lostSlots - 1;
    const std::size_t first = hashOf(tiles) & mask;
    std::size_t slot = first;
    for (int probe = 0; probe < kLostProbes && m_lost[slot].searchNumber == m_searchNumber; ++probe) {
        slot = (slot + 1) & mask;
        if (probe == kLostProbes - 1) {
            slot = first;
        }
    }
    m_lost[slot] =
        LostPosition{tiles.words[0], tiles.words[1], std::uint32_t(tiles.words[2]), m_searchNumber};
}

}  // namespace orbeni
