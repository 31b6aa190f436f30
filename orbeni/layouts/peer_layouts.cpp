#include "orbeni/layouts/peer_layouts.h"

#include <algorithm>

#include "orbeni/board/board.h"
#include "orbeni/board/deal.h"

namespace orbeni {

namespace {

constexpr std::size_t kMaxNameBytes = 64;

using Conversion = platform::Result<LayoutTemplate>;

// Where a tile lies in its own file's terms, for a refusal the player can find it by.
std::string sourcePlace(const PeerTile& tile, PeerFormat format) {
    if (format == PeerFormat::GnomeMap) {
        const auto tiles = [](int halves) {
            return std::to_string(halves / 2) + (halves % 2 != 0 ? ".5" : "");
        };
        return "x=" + tiles(tile.column) + " y=" + tiles(tile.row) + " z=" + std::to_string(tile.level);
    }
    return "level " + std::to_string(tile.level + 1) + " row " + std::to_string(tile.row + 1) + " column " +
           std::to_string(tile.column + 1);
}

// The smallest box of half-tile cells that holds every tile whole.
struct Extent {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int levels = 0;
};

Extent extentOf(const std::vector<PeerTile>& tiles) {
    const auto [left, right] = std::minmax_element(
        tiles.begin(), tiles.end(), [](const PeerTile& a, const PeerTile& b) { return a.column < b.column; });
    const auto [top, bottom] = std::minmax_element(
        tiles.begin(), tiles.end(), [](const PeerTile& a, const PeerTile& b) { return a.row < b.row; });
    const auto highest = std::max_element(
        tiles.begin(), tiles.end(), [](const PeerTile& a, const PeerTile& b) { return a.level < b.level; });
    return {left->column, top->row, right->column + 2 - left->column, bottom->row + 2 - top->row,
            highest->level + 1};
}

std::optional<std::string> countRefusal(int count) {
    if (count == 0) {
        return "no tiles.";
    }
    if (count > kMaxTiles) {
        return std::to_string(count) + " tiles, more than " + std::to_string(kMaxTiles) + ".";
    }
    if (count % 2 != 0) {
        return std::to_string(count) + (count == 1 ? " tile" : " tiles") + ", an odd number.";
    }
    return std::nullopt;
}

std::optional<std::string> sizeRefusal(const Extent& extent) {
    const auto tooBig = [](int size, const char* unit, int maximum) {
        return "does not fit orbeni's grid: " + std::to_string(size) + " " + unit + ", at most " +
               std::to_string(maximum) + ".";
    };
    if (extent.width > kColumns) {
        return tooBig(extent.width, "half tiles wide", kColumns);
    }
    if (extent.height > kRows) {
        return tooBig(extent.height, "half tiles high", kRows);
    }
    if (extent.levels > kLayers) {
        return tooBig(extent.levels, "levels", kLayers);
    }
    return std::nullopt;
}

// Answers whether any cell of the 3 x 3 around (x, y) on level z holds a tile: on the same level
// such a tile overlaps, on the level below it carries.
bool anyAround(const LayoutTemplate& layout, int x, int y, int z) {
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (layout.at(x + dx, y + dy, z) != 0) {
                return true;
            }
        }
    }
    return false;
}

// Answers whether some order of removing free pairs clears the layout, as a winnable deal needs.
bool clearable(const LayoutTemplate& layout) {
    Board board;
    const PositionList shape = reserveLayout(board, layout);
    RandomGenerator generator;
    generator.setSeed(1);
    RemovalOrder order;
    return planRemovals(board, shape, shape.count / 2, generator, order) == PlanOutcome::Planned;
}

}  // namespace

std::string printableName(std::string_view name) {
    std::string printable;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        printable += byte < 0x20 || byte == 0x7F ? ' ' : c;
    }
    const std::size_t first = printable.find_first_not_of(' ');
    printable.erase(0, first == std::string::npos ? printable.size() : first);
    if (printable.size() > kMaxNameBytes) {
        std::size_t cut = kMaxNameBytes;
        while (cut > 0 && (static_cast<unsigned char>(printable[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        printable.resize(cut);
    }
    printable.erase(printable.find_last_not_of(' ') + 1);
    return printable;
}

Conversion convertPeerLayout(const PeerLayout& layout, PeerFormat format) {
    if (!layout.refusal.empty()) {
        return Conversion::failure(layout.refusal + ".");
    }
    if (const auto refusal = countRefusal(static_cast<int>(layout.tiles.size()))) {
        return Conversion::failure(*refusal);
    }
    const Extent extent = extentOf(layout.tiles);
    if (const auto refusal = sizeRefusal(extent)) {
        return Conversion::failure(*refusal);
    }
    // The offset that centres the layout; an odd margin leaves the extra half tile on the right
    // and at the bottom.
    const int shiftX = 1 + (kColumns - extent.width) / 2 - extent.left;
    const int shiftY = 1 + (kRows - extent.height) / 2 - extent.top;
    LayoutTemplate converted;
    for (const PeerTile& tile : layout.tiles) {
        const int x = tile.column + shiftX;
        const int y = tile.row + shiftY;
        if (anyAround(converted, x, y, tile.level + 1)) {
            return Conversion::failure("tiles overlap at " + sourcePlace(tile, format) + ".");
        }
        converted.set(x, y, tile.level + 1, 1);
    }
    for (const PeerTile& tile : layout.tiles) {
        if (tile.level > 0 && !anyAround(converted, tile.column + shiftX, tile.row + shiftY, tile.level)) {
            return Conversion::failure("the tile at " + sourcePlace(tile, format) + " rests on nothing.");
        }
    }
    if (!clearable(converted)) {
        return Conversion::failure("no order of moves clears it.");
    }
    return converted;
}

}  // namespace orbeni
