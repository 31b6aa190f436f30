#include "orbeni/board/deal.h"

namespace orbeni {

namespace {

// Draws positions until one is reserved, free and not `other`.
Position drawFreePosition(const Board& board, const PositionList& shape, RandomGenerator& generator,
                          Position other) {
    for (;;) {
        const Position p = shape.positions[generator.random(shape.count)];
        if (board.cell(p) == kReservedCell && p != other && board.IsFreeForBuild(p)) {
            return p;
        }
    }
}

int countFreeReserved(const Board& board, const PositionList& shape) {
    int count = 0;
    for (int i = 0; i < shape.count; ++i) {
        const Position p = shape.positions[i];
        if (board.cell(p) == kReservedCell && board.IsFreeForBuild(p)) {
            ++count;
        }
    }
    return count;
}

}  // namespace

void reserve(Board& board, const PositionList& shape) {
    for (int i = 0; i < shape.count; ++i) {
        board.setCell(shape.positions[i], kReservedCell);
    }
}

PositionList reserveLayout(Board& board, const LayoutTemplate& layout) {
    PositionList list;
    for (int z = 1; z <= kLayers; ++z) {
        for (int y = 1; y <= kRows; ++y) {
            for (int x = 1; x <= kColumns && list.count < kMaxTiles; ++x) {
                if (layout.at(x, y, z) != 0) {
                    list.positions[list.count++] = Position{x, y, z};
                }
            }
        }
    }
    reserve(board, list);
    return list;
}

PositionList occupiedPositions(const Board& board) {
    PositionList list;
    for (int z = 1; z <= kLayers; ++z) {
        for (int y = 1; y <= kRows; ++y) {
            for (int x = 1; x <= kColumns && list.count < kMaxTiles; ++x) {
                if (board.cell(x, y, z) != 0) {
                    list.positions[list.count++] = Position{x, y, z};
                }
            }
        }
    }
    return list;
}

void dealFullyRandom(Board& board, int tileCount, RandomGenerator& generator, DealAnimation* animation) {
    int tile = 1;
    while (tile <= tileCount) {
        const int x = generator.random(kColumns) + 1;
        const int y = generator.random(kRows) + 1;
        const int z = generator.random(kLayers) + 1;
        if (board.cell(x, y, z) == kReservedCell) {
            board.place(tile, Position{x, y, z});
            if (animation != nullptr) {
                animation->tilePlaced(tile);
            }
            ++tile;
        }
    }
}

PlanOutcome planRemovals(Board& board, const PositionList& shape, int pairs, RandomGenerator& generator,
                         RemovalOrder& order) {
    int restarts = 0;
    order.pairs = 0;
    while (order.pairs < pairs) {
        if (countFreeReserved(board, shape) < 2) {
            if (order.pairs == 0) {
                return PlanOutcome::NoFreePair;
            }
            reserve(board, shape);
            order.pairs = 0;
            if (++restarts > kMaxDealRestarts) {
                return PlanOutcome::Unclearable;
            }
            continue;
        }
        const Position a = drawFreePosition(board, shape, generator, Position{});
        const Position b = drawFreePosition(board, shape, generator, a);
        order.first[order.pairs] = a;
        order.second[order.pairs] = b;
        board.setCell(a, 0);
        board.setCell(b, 0);
        ++order.pairs;
    }
    reserve(board, shape);
    return PlanOutcome::Planned;
}

// Hands matching tiles to the planned pairs by drawing tile numbers until two unplaced tiles of
// one group come up.
std::optional<RemovalOrder> CreateBoard(Board& board, const LayoutTemplate& layout,
                                        RandomGenerator& generator, std::uint32_t millisecondsOfDay,
                                        DealAnimation* animation) {
    if (animation != nullptr) {
        animation->boardChanged();
    }
    board.clearPositions();
    const PositionList shape = reserveLayout(board, layout);
    const int n = shape.count;
    generator.randomize(millisecondsOfDay);
    RemovalOrder order;
    if (planRemovals(board, shape, n / 2, generator, order) != PlanOutcome::Planned) {
        return std::nullopt;
    }
    for (int k = order.pairs - 1; k >= 0; --k) {
        int t1 = 0;
        int t2 = 0;
        do {
            t1 = generator.random(n) + 1;
            t2 = generator.random(n) + 1;
        } while (matchGroup(t1) != matchGroup(t2) || t1 == t2 || board.position(t1).onBoard() ||
                 board.position(t2).onBoard());
        board.place(t1, order.first[k]);
        board.place(t2, order.second[k]);
        if (animation != nullptr) {
            animation->boardChanged();
        }
    }
    return order;
}

LiveTiles liveTiles(const Board& board) {
    LiveTiles live;
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        live.places[tile] = board.position(tile);
        if (live.places[tile].onBoard()) {
            live.tiles[live.count++] = tile;
        }
    }
    return live;
}

void restoreTiles(Board& board, const LiveTiles& live) {
    for (int i = 0; i < live.count; ++i) {
        board.place(live.tiles[i], live.places[live.tiles[i]]);
    }
}

void dealShuffledPairs(Board& board, RandomGenerator& generator, const RemovalOrder& order,
                       const LiveTiles& live, DealAnimation* animation) {
    board.clear();
    for (int k = order.pairs - 1; k >= 0; --k) {
        int first = 0;
        int second = 0;
        do {
            const int u = generator.random(live.count - 1) + 1;
            const int v = u % 2 == 1 ? u + 1 : u - 1;
            first = live.tiles[u - 1];
            second = live.tiles[v - 1];
        } while (board.position(first).onBoard() || board.position(second).onBoard());
        board.place(first, order.first[k]);
        board.place(second, order.second[k]);
        if (animation != nullptr) {
            animation->boardChanged();
        }
    }
}

void shufflePass(Board& board, RandomGenerator& generator) {
    for (int x = 1; x <= kColumns; ++x) {
        for (int y = 1; y <= kRows; ++y) {
            for (int z = 1; z <= kLayers; ++z) {
                if (board.cell(x, y, z) == 0) {
                    continue;
                }
                Position other;
                do {
                    other = Position{generator.random(kColumns) + 1, generator.random(kRows) + 1,
                                     generator.random(kLayers) + 1};
                } while (board.cell(other) == 0);
                board.swap(Position{x, y, z}, other);
            }
        }
    }
}

}  // namespace orbeni
