#include "pocketquillet/game/connection.h"

#include <cstdlib>

namespace pocketquillet {

namespace {

struct Step {
    int dx;
    int dy;
};

// Whether every cell from a stone towards the edge is empty; the ignored cell counts as empty.
bool clearToEdge(const BoardGrid& grid, Cell from, Step step, Cell ignored) {
    for (Cell cell{from.x + step.dx, from.y + step.dy}; isOnBoard(cell);
         cell = {cell.x + step.dx, cell.y + step.dy}) {
        if (!grid.isEmpty(cell) && cell != ignored) {
            return false;
        }
    }
    return true;
}

// Both stones reach the same edge: the chosen one may pass the other, not the other way round.
bool leaveByEdge(const BoardGrid& grid, Cell chosen, Cell before, Step step) {
    return clearToEdge(grid, chosen, step, before) && clearToEdge(grid, before, step, kNoCell);
}

int towards(int from, int to) {
    return to > from ? 1 : (to < from ? -1 : 0);
}

// Works out which cells of the rectangle the two stones span can be reached from the chosen
// stone moving only towards the other, keeps those that lead on to it, and walks them: along the
// row whenever that cell is kept, else along the column.
bool findInnerPath(const BoardGrid& grid, ConnectionPath& path) {
    const Cell a = path.chosen;
    const Cell b = path.before;
    const int width = std::abs(b.x - a.x) + 1;
    const int height = std::abs(b.y - a.y) + 1;
    const Step step{towards(a.x, b.x), towards(a.y, b.y)};
    const auto cellAt = [&](int i, int j) { return Cell{a.x + i * step.dx, a.y + j * step.dy}; };

    std::array<std::array<bool, kColumns>, kRows> reach{};
    for (int j = 0; j < height; ++j) {
        for (int i = 0; i < width; ++i) {
            const Cell cell = cellAt(i, j);
            const bool passable = cell == b || grid.isEmpty(cell);
            reach[j][i] = (i == 0 && j == 0) ||
                          (passable && ((i > 0 && reach[j][i - 1]) || (j > 0 && reach[j - 1][i])));
        }
    }
    if (!reach[height - 1][width - 1]) {
        return false;
    }
    std::array<std::array<bool, kColumns>, kRows> leads{};
    for (int j = height - 1; j >= 0; --j) {
        for (int i = width - 1; i >= 0; --i) {
            const bool isEnd = i == width - 1 && j == height - 1;
            leads[j][i] = reach[j][i] && (isEnd || (i + 1 < width && leads[j][i + 1]) ||
                                          (j + 1 < height && leads[j + 1][i]));
        }
    }
    int i = 0;
    int j = 0;
    path.chainLength = 0;
    path.chain[path.chainLength++] = a;
    while (i != width - 1 || j != height - 1) {
        if (i + 1 < width && leads[j][i + 1]) {
            ++i;
        } else {
            ++j;
        }
        path.chain[path.chainLength++] = cellAt(i, j);
    }
    return true;
}

}  // namespace

std::optional<ConnectionPath> findConnection(const BoardGrid& grid, Cell chosen, Cell before) {
    if (!isOnBoard(chosen) || !isOnBoard(before) || chosen == before) {
        return std::nullopt;
    }
    ConnectionPath path;
    path.chosen = chosen;
    path.before = before;
    const std::array<std::pair<PathKind, Step>, 4> edges = {{{PathKind::LeftEdge, {-1, 0}},
                                                             {PathKind::RightEdge, {1, 0}},
                                                             {PathKind::TopEdge, {0, -1}},
                                                             {PathKind::BottomEdge, {0, 1}}}};
    for (const auto& [kind, step] : edges) {
        if (leaveByEdge(grid, chosen, before, step)) {
            path.kind = kind;
            return path;
        }
    }
    path.kind = PathKind::Inner;
    if (findInnerPath(grid, path)) {
        return path;
    }
    return std::nullopt;
}

std::uint32_t pathPoints(const ConnectionPath& path, std::uint32_t factor) {
    const auto rows = static_cast<std::uint32_t>(std::abs(path.chosen.y - path.before.y));
    const auto columns = static_cast<std::uint32_t>(std::abs(path.chosen.x - path.before.x));
    switch (path.kind) {
        case PathKind::LeftEdge:
        case PathKind::RightEdge:
            return rows * factor;
        case PathKind::TopEdge:
        case PathKind::BottomEdge:
            return columns * factor;
        case PathKind::Inner:
            return static_cast<std::uint32_t>(path.chainLength - 1) * factor;
    }
    return 0;
}

std::optional<StonePair> findPair(const BoardGrid& grid) {
    const auto cellOf = [](int order) { return Cell{order % kColumns, order / kColumns}; };
    for (int first = 0; first < kColumns * kRows; ++first) {
        const Cell before = cellOf(first);
        if (grid.isEmpty(before)) {
            continue;
        }
        for (int second = first + 1; second < kColumns * kRows; ++second) {
            const Cell chosen = cellOf(second);
            if (!facesMatch(grid.face(before), grid.face(chosen))) {
                continue;
            }
            if (auto path = findConnection(grid, chosen, before)) {
                return StonePair{before, chosen, *path};
            }
        }
    }
    return std::nullopt;
}

bool hasMatchingStones(const BoardGrid& grid) {
    std::array<int, kFaceCount + 1> seen{};
    for (int x = 0; x < kColumns; ++x) {
        for (int y = 0; y < kRows; ++y) {
            const int group = matchGroup(grid.face({x, y}));
            if (group != 0 && ++seen[group] == 2) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace pocketquillet
