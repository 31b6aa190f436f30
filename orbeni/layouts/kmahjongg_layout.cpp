// KMahjongg's ".layout" files: a version line, for v1.1 the board's size, then each level from
// the bottom up as rows of quarter-tile cells, where "1" marks a tile's top-left cell. Their
// names are in the ".desktop" file beside them.
#include <charconv>
#include <optional>

#include "orbeni/layouts/peer_layouts.h"

namespace orbeni {

namespace {

constexpr int kMaxBoardCells = 256;
constexpr int kMaxLevels = 32;

// The lines of a text without their line endings.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return lines;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// The number after the letter of a size line ("w32"); none when it is not one in range.
std::optional<int> sizeValue(std::string_view line, char letter, int maximum) {
    if (line.size() < 2 || line[0] != letter) {
        return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(line.data() + 1, line.data() + line.size(), value);
    if (error != std::errc() || end != line.data() + line.size() || value < 1 || value > maximum) {
        return std::nullopt;
    }
    return value;
}

// The board's size: v1.0 files have none and mean 32 x 16 cells on 5 levels.
struct BoardSize {
    int width = 32;
    int height = 16;
    int levels = 5;
};

// The untranslated Name= of the [KMahjonggLayout] section; empty when there is none.
std::string desktopName(std::string_view desktopText) {
    bool inSection = false;
    for (const std::string_view line : linesOf(desktopText)) {
        const std::string_view entry = trimmed(line);
        if (entry.starts_with('[')) {
            inSection = entry == "[KMahjonggLayout]";
        } else if (inSection && entry.starts_with("Name")) {
            const std::string_view rest = trimmed(entry.substr(4));
            if (rest.starts_with('=')) {
                return printableName(rest.substr(1));
            }
        }
    }
    return {};
}

// Reads the w, h and d lines that follow a v1.1 version line, in any order; false when one is
// missing or out of range.
bool readBoardSize(const std::vector<std::string_view>& lines, std::size_t& next, BoardSize& size) {
    std::optional<int> width;
    std::optional<int> height;
    std::optional<int> levels;
    for (int read = 0; read < 3 && next < lines.size(); ++read) {
        const std::string_view line = trimmed(lines[next++]);
        const char letter = line.empty() ? '\0' : line[0];
        if (letter != 'w' && letter != 'h' && letter != 'd') {
            return false;
        }
        auto& value = letter == 'w' ? width : letter == 'h' ? height : levels;
        value = sizeValue(line, letter, letter == 'd' ? kMaxLevels : kMaxBoardCells);
    }
    if (!width || !height || !levels) {
        return false;
    }
    size = {*width, *height, *levels};
    return true;
}

}  // namespace

PeerFile readKMahjonggLayout(std::string_view layoutText, std::string_view desktopText,
                             std::string_view fallbackName) {
    PeerFile file;
    if (layoutText.size() > kMaxPeerFileBytes || desktopText.size() > kMaxPeerFileBytes) {
        file.refusal = "bigger than " + std::to_string(kMaxPeerFileBytes) + " bytes";
        return file;
    }
    // A byte-order mark from an editor is no part of the version line.
    if (layoutText.starts_with("\xEF\xBB\xBF")) {
        layoutText.remove_prefix(3);
    }
    std::vector<std::string_view> lines;
    for (const std::string_view line : linesOf(layoutText)) {
        if (!line.starts_with('#')) {
            lines.push_back(line);
        }
    }
    const std::string_view version = lines.empty() ? std::string_view() : trimmed(lines[0]);
    if (version != "kmahjongg-layout-v1.0" && version != "kmahjongg-layout-v1.1") {
        file.refusal = "not a KMahjongg layout: its first line is no kmahjongg-layout-v1.0 or v1.1";
        return file;
    }
    std::size_t next = 1;
    BoardSize size;
    if (version.ends_with("1.1") && !readBoardSize(lines, next, size)) {
        file.refusal = "no board size in w, h and d lines after the version (up to 256 cells, 32 levels)";
        return file;
    }
    PeerLayout& layout = file.layouts.emplace_back();
    layout.name = desktopName(desktopText);
    if (layout.name.empty()) {
        layout.name = printableName(fallbackName);
    }
    const std::size_t rows = static_cast<std::size_t>(size.height) * static_cast<std::size_t>(size.levels);
    for (std::size_t index = 0; next + index < lines.size(); ++index) {
        const std::string_view line = lines[next + index];
        if (index >= rows) {
            if (!trimmed(line).empty()) {
                layout.refusal = "more rows than " + std::to_string(size.levels) + " levels of " +
                                 std::to_string(size.height);
                layout.tiles.clear();
            }
            continue;
        }
        for (std::size_t column = 0; column < line.size() && layout.refusal.empty(); ++column) {
            if (line[column] != '1') {
                continue;
            }
            if (static_cast<int>(layout.tiles.size()) >= kMaxPeerTiles) {
                layout.refusal = "more than " + std::to_string(kMaxPeerTiles) + " tiles";
                layout.tiles.clear();
                return file;
            }
            layout.tiles.push_back({static_cast<int>(column), static_cast<int>(index % size.height),
                                    static_cast<int>(index / size.height)});
        }
    }
    return file;
}

}  // namespace orbeni
