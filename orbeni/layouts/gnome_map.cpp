// GNOME Mahjongg's ".map" files: one <mahjongg> element holding <map> elements, each a layout of
// tiles, rows, columns and blocks in tile units that may be halves, grouped in layers.
#include <optional>

#include "orbeni/layouts/markup_reader.h"
#include "orbeni/layouts/peer_layouts.h"

namespace orbeni {

namespace {

// Coordinates beyond this many tiles cannot fit any board and are refused as they are read.
constexpr int kMaxTileCoordinate = 100;
constexpr int kMaxLevelCoordinate = 50;

// A coordinate in half tiles: digits, then nothing, ".0" or ".5", spaces around allowed; none for
// anything else.
std::optional<int> halfTiles(std::string_view text, int maxTiles) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    std::size_t digits = 0;
    int whole = 0;
    while (digits < text.size() && digits < 4 && text[digits] >= '0' && text[digits] <= '9') {
        whole = whole * 10 + (text[digits++] - '0');
    }
    const std::string_view fraction = text.substr(digits);
    if (digits == 0 || whole > maxTiles || (fraction != "" && fraction != ".0" && fraction != ".5")) {
        return std::nullopt;
    }
    return 2 * whole + (fraction == ".5" ? 1 : 0);
}

// Reads the tiles of one map element by element; the first fault ends it.
class MapReader {
public:
    explicit MapReader(PeerLayout& layout) : m_layout(layout) {}

    void read(const MarkupElement& map) {
        for (const MarkupElement& child : map.children) {
            if (child.name == "layer") {
                readLayer(child);
            } else {
                readPiece(child, 0);
            }
            if (!m_layout.refusal.empty()) {
                m_layout.tiles.clear();
                return;
            }
        }
    }

private:
    void refuse(const MarkupElement& element, const std::string& reason) {
        if (m_layout.refusal.empty()) {
            m_layout.refusal =
                "<" + element.name + "> on line " + std::to_string(element.line) + ": " + reason;
        }
    }

    // A coordinate attribute in half tiles; a missing one is `fallback`, when one is allowed.
    std::optional<int> coordinate(const MarkupElement& element, const char* name, std::optional<int> fallback,
                                  int maxTiles = kMaxTileCoordinate) {
        const std::string* text = element.attribute(name);
        if (text == nullptr) {
            if (!fallback) {
                refuse(element, std::string("no ") + name + "=");
            }
            return fallback;
        }
        const std::optional<int> value = halfTiles(*text, maxTiles);
        if (!value) {
            refuse(element, std::string(name) + "=\"" + printableName(*text) +
                                "\" is no whole or half number from 0 to " + std::to_string(maxTiles));
        }
        return value;
    }

    // A level: whole tiles only.
    std::optional<int> level(const MarkupElement& element, int fallback) {
        const std::optional<int> z = coordinate(element, "z", 2 * fallback, kMaxLevelCoordinate);
        if (z && *z % 2 != 0) {
            refuse(element, "z= is not a whole level");
            return std::nullopt;
        }
        return z ? std::optional<int>(*z / 2) : std::nullopt;
    }

    void readLayer(const MarkupElement& layer) {
        const std::optional<int> z = level(layer, 0);
        for (const MarkupElement& child : layer.children) {
            if (!z || !m_layout.refusal.empty()) {
                return;
            }
            readPiece(child, *z);
        }
    }

    void readPiece(const MarkupElement& piece, int layerLevel) {
        if (!piece.children.empty()) {
            refuse(piece, "holds other elements");
            return;
        }
        const std::optional<int> z = level(piece, layerLevel);
        if (!z) {
            return;
        }
        if (piece.name == "tile") {
            const auto x = coordinate(piece, "x", std::nullopt);
            const auto y = coordinate(piece, "y", std::nullopt);
            if (x && y) {
                addTiles(piece, *x, *x, *y, *y, *z);
            }
        } else if (piece.name == "row") {
            const auto y = coordinate(piece, "y", std::nullopt);
            const auto left = coordinate(piece, "left", std::nullopt);
            const auto right = coordinate(piece, "right", std::nullopt);
            if (y && left && right) {
                addTiles(piece, *left, *right, *y, *y, *z);
            }
        } else if (piece.name == "column") {
            const auto x = coordinate(piece, "x", std::nullopt);
            const auto top = coordinate(piece, "top", std::nullopt);
            const auto bottom = coordinate(piece, "bottom", std::nullopt);
            if (x && top && bottom) {
                addTiles(piece, *x, *x, *top, *bottom, *z);
            }
        } else if (piece.name == "block") {
            const auto left = coordinate(piece, "left", std::nullopt);
            const auto right = coordinate(piece, "right", std::nullopt);
            const auto top = coordinate(piece, "top", std::nullopt);
            const auto bottom = coordinate(piece, "bottom", std::nullopt);
            if (left && right && top && bottom) {
                addTiles(piece, *left, *right, *top, *bottom, *z);
            }
        } else {
            refuse(piece, "not a tile, row, column, block or layer");
        }
    }

    // Adds the tiles from (left, top) to (right, bottom), all in half tiles, one tile apart.
    void addTiles(const MarkupElement& piece, int left, int right, int top, int bottom, int z) {
        if (right < left || bottom < top || (right - left) % 2 != 0 || (bottom - top) % 2 != 0) {
            refuse(piece, "its ends are not whole tiles apart, in order");
            return;
        }
        for (int y = top; y <= bottom; y += 2) {
            for (int x = left; x <= right; x += 2) {
                if (static_cast<int>(m_layout.tiles.size()) >= kMaxPeerTiles) {
                    refuse(piece, "more than " + std::to_string(kMaxPeerTiles) + " tiles");
                    return;
                }
                m_layout.tiles.push_back({x, y, z});
            }
        }
    }

    PeerLayout& m_layout;
};

std::string mapName(const MarkupElement& map, std::size_t index) {
    for (const char* attribute : {"name", "_name", "scorename"}) {
        if (const std::string* name = map.attribute(attribute);
            name != nullptr && !printableName(*name).empty()) {
            return printableName(*name);
        }
    }
    return "Map " + std::to_string(index);
}

}  // namespace

PeerFile readGnomeMaps(std::string_view text) {
    PeerFile file;
    file.format = PeerFormat::GnomeMap;
    if (text.size() > kMaxPeerFileBytes) {
        file.refusal = "bigger than " + std::to_string(kMaxPeerFileBytes) + " bytes";
        return file;
    }
    const platform::Result<MarkupElement> document = readMarkup(text);
    if (!document) {
        file.refusal = "not readable: " + document.error();
        return file;
    }
    if (document.value().name != "mahjongg") {
        file.refusal = "not a GNOME Mahjongg map: its root is <" + document.value().name + ">";
        return file;
    }
    for (const MarkupElement& map : document.value().children) {
        if (map.name == "map") {
            PeerLayout& layout = file.layouts.emplace_back();
            layout.name = mapName(map, file.layouts.size());
            MapReader(layout).read(map);
        }
    }
    if (file.layouts.empty()) {
        file.refusal = "holds no <map>";
    }
    return file;
}

}  // namespace orbeni
