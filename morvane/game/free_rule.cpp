#include "morvane/game/free_rule.h"

namespace morvane {

namespace {

bool isCovered(const Board& play, const Position& p) {
    for (int layer = p.z + 1; layer < kLayers; ++layer) {
        for (int x = p.x - 1; x <= p.x + 1; ++x) {
            for (int y = p.y - 1; y <= p.y + 1; ++y) {
                if (play.at(x, y, layer) != 0) {
                    return true;
                }
            }
        }
    }
    return false;
}

// A column lane is blocked by a tile anchored within half a row of the tile's own row.
bool columnBlocks(const Board& play, int column, const Position& p) {
    return play.at(column, p.y, p.z) != 0 || play.at(column, p.y + 1, p.z) != 0 ||
           play.at(column, p.y - 1, p.z) != 0;
}

// A row lane is blocked by a tile anchored within half a column of the tile's own column.
bool rowBlocks(const Board& play, int row, const Position& p) {
    return play.at(p.x, row, p.z) != 0 || play.at(p.x + 1, row, p.z) != 0 || play.at(p.x - 1, row, p.z) != 0;
}

bool leftIsOpen(const Board& play, const Position& p) {
    for (int column = p.x - 1; column >= 0; --column) {
        if (columnBlocks(play, column, p)) {
            return false;
        }
    }
    return true;
}

bool rightIsOpen(const Board& play, const Position& p, int hlimit) {
    for (int column = p.x + 1; column <= hlimit; ++column) {
        if (columnBlocks(play, column, p)) {
            return false;
        }
    }
    return true;
}

bool upIsOpen(const Board& play, const Position& p) {
    for (int row = p.y - 1; row >= 0; --row) {
        if (rowBlocks(play, row, p)) {
            return false;
        }
    }
    return true;
}

bool downIsOpen(const Board& play, const Position& p, int vlimit) {
    for (int row = p.y + 1; row <= vlimit; ++row) {
        if (rowBlocks(play, row, p)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool isFree(const Board& play, const Position& p, const MoveRules& rules, int hlimit, int vlimit) {
    if (isCovered(play, p)) {
        return false;
    }
    return rules.lift || (rules.left && leftIsOpen(play, p)) ||
           (rules.right && rightIsOpen(play, p, hlimit)) || (rules.up && upIsOpen(play, p)) ||
           (rules.down && downIsOpen(play, p, vlimit));
}

}  // namespace morvane
