#include "orbeni/game/saved_game.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace orbeni {

namespace {

constexpr std::string_view kHeader = "Orbeni saved game";
constexpr std::uint32_t kFormatVersion = 1;
// The hint number is a byte in the game; no board has more pairs than that.
constexpr std::uint32_t kMaxHintIndex = 255;

// Rivers lays its tiles on the 14 x 6 cells of its rectangle, one tile a cell.
bool isRiversCell(Position p) {
    return p.z == 1 && p.x >= 4 && p.x <= 30 && p.x % 2 == 0 && p.y >= 5 && p.y <= 15 && p.y % 2 == 1;
}

int occupiedCells(const Board& board) {
    int count = 0;
    for (int z = 1; z <= kLayers; ++z) {
        for (int y = 1; y <= kRows; ++y) {
            for (int x = 1; x <= kColumns; ++x) {
                count += board.cell(x, y, z) != 0 ? 1 : 0;
            }
        }
    }
    return count;
}

std::string tileText(int tile) {
    return "tile " + std::to_string(tile);
}

std::optional<std::string> countsProblem(const SavedGame& game) {
    const bool rivers = game.kind == GameKind::Rivers;
    const int total = game.tilesTotal;
    if (rivers ? total != kRiversTiles : total < 2 || total > kMaxTiles || total % 2 != 0) {
        return "no game deals " + std::to_string(total) + " tiles";
    }
    if (game.tilesLeft < 0 || game.tilesLeft > total || game.tilesLeft % 2 != 0) {
        return std::to_string(game.tilesLeft) + " tiles cannot be left of " + std::to_string(total);
    }
    if (rivers ? game.layoutSlot != kRiversSlot : game.layoutSlot < 0 || game.layoutSlot > kMaxLayouts) {
        return "its hall of fame " + std::to_string(game.layoutSlot) + " does not exist";
    }
    if (game.layoutName != oneLineName(game.layoutName)) {
        return std::string("the name of its layout is damaged");
    }
    return std::nullopt;
}

std::optional<std::string> clockProblem(const SavedGame& game) {
    const std::uint32_t playedSeconds = game.playedMilliseconds / 1000;
    if (game.penaltySeconds < 0 || game.penaltySeconds >= kTimeLimitSeconds ||
        playedSeconds >= static_cast<std::uint32_t>(kTimeLimitSeconds - game.penaltySeconds)) {
        return std::string("its clock is past the time limit");
    }
    if (game.hintIndex < 0 || game.hintIndex > static_cast<int>(kMaxHintIndex)) {
        return "no board has hint " + std::to_string(game.hintIndex);
    }
    const int a = game.hintTileA;
    const int b = game.hintTileB;
    const bool noHint = a == 0 && b == 0;
    const bool hintOnBoard = a != b && game.board.position(a).onBoard() && game.board.position(b).onBoard() &&
                             matchGroup(a) == matchGroup(b);
    if (!noHint && !hintOnBoard) {
        return std::string("its hinted pair is not a pair on the board");
    }
    return std::nullopt;
}

// Every tile of the game was dealt once to a place of its own, and nothing else lies there.
std::optional<std::string> dealtProblem(const SavedGame& game) {
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        const Position place = game.dealtBoard.position(tile);
        const bool dealt = tile <= game.tilesTotal;
        if (place.onBoard() != dealt || (dealt && game.dealtBoard.cell(place) != tile)) {
            return tileText(tile) + " is not dealt as a game deals it";
        }
        if (dealt && game.kind == GameKind::Rivers && !isRiversCell(place)) {
            return tileText(tile) + " lies off the Rivers rectangle";
        }
    }
    if (occupiedCells(game.dealtBoard) != game.tilesTotal) {
        return std::string("the dealt board holds more than its tiles");
    }
    return std::nullopt;
}

// The tiles left lie on places of the dealt layout, and there are as many as the game says.
std::optional<std::string> boardProblem(const SavedGame& game) {
    int onBoard = 0;
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        const Position place = game.board.position(tile);
        if (!place.onBoard()) {
            continue;
        }
        if (tile > game.tilesTotal || game.board.cell(place) != tile || game.dealtBoard.cell(place) == 0) {
            return tileText(tile) + " lies off the dealt layout";
        }
        ++onBoard;
    }
    if (onBoard != game.tilesLeft || occupiedCells(game.board) != game.tilesLeft) {
        return "the board does not hold the " + std::to_string(game.tilesLeft) + " tiles left";
    }
    return std::nullopt;
}

// Every tile not on the board was removed once, in matching pairs, from a place of the dealt
// layout that nothing else holds, so that undo can put it back.
std::optional<std::string> historyProblem(const SavedGame& game) {
    if (static_cast<int>(game.removed.size()) != game.tilesTotal - game.tilesLeft) {
        return std::string("its history does not hold the removed tiles");
    }
    Board removedPlaces;
    for (std::size_t i = 0; i < game.removed.size(); ++i) {
        const auto& [tile, place] = game.removed[i];
        if (tile < 1 || tile > game.tilesTotal || removedPlaces.position(tile).onBoard() ||
            game.board.position(tile).onBoard()) {
            return tileText(tile) + " is removed twice, or removed and on the board";
        }
        if (!LayoutTemplate::inside(place.x, place.y, place.z) || game.dealtBoard.cell(place) == 0 ||
            game.board.cell(place) != 0 || removedPlaces.cell(place) != 0) {
            return "removed " + tileText(tile) + " has no place of its own to go back to";
        }
        if (i % 2 == 1 && matchGroup(tile) != matchGroup(game.removed[i - 1].tile)) {
            return "removed " + tileText(tile) + " does not match the tile removed with it";
        }
        removedPlaces.place(tile, place);
    }
    return std::nullopt;
}

void writePlacedTile(std::string& text, std::string_view keyword, int tile, Position p) {
    text.append(keyword);
    for (const int value : {tile, p.x, p.y, p.z}) {
        text += ' ' + std::to_string(value);
    }
    text += '\n';
}

// Reads the file line by line, each line a keyword and its values; the first thing wrong ends
// the reading with the reason.
class SavedGameReader {
public:
    explicit SavedGameReader(std::string_view text) : m_rest(text) {}

    bool readHeader();
    bool readGame(SavedGame& game);
    bool readTiles(SavedGame& game);
    bool readEnd();
    const std::string& error() const { return m_error; }

private:
    std::optional<std::string_view> nextLine();
    // The values of the next line, which must be the keyword and then exactly `count` values.
    bool values(std::string_view keyword, std::vector<std::string_view>& result, std::size_t count);
    // The numbers of the next line, each within its range.
    template <std::size_t N>
    bool numbers(std::string_view keyword, std::array<std::uint32_t, N>& result,
                 const std::array<std::uint32_t, N>& lowest, const std::array<std::uint32_t, N>& highest);
    // The next line's one word, which must be one of the two; true for the second.
    bool choice(std::string_view keyword, std::string_view first, std::string_view second, bool& isSecond);
    bool readLayout(SavedGame& game);
    bool readPlacedTile(std::string_view keyword, int& tile, Position& place);
    bool readBoard(std::string_view keyword, int count, Board& board, bool ascending);
    bool fail(std::string reason);

    std::string_view m_rest;
    int m_lineNumber = 0;
    std::string m_error;
};

bool SavedGameReader::fail(std::string reason) {
    m_error = "line " + std::to_string(m_lineNumber) + ": " + std::move(reason);
    return false;
}

std::optional<std::string_view> SavedGameReader::nextLine() {
    if (m_rest.empty()) {
        return std::nullopt;
    }
    ++m_lineNumber;
    const std::size_t end = m_rest.find('\n');
    std::string_view line = m_rest.substr(0, end);
    m_rest.remove_prefix(end == std::string_view::npos ? m_rest.size() : end + 1);
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

bool SavedGameReader::values(std::string_view keyword, std::vector<std::string_view>& result,
                             std::size_t count) {
    const std::optional<std::string_view> line = nextLine();
    if (!line) {
        ++m_lineNumber;
        return fail("the file ends before " + std::string(keyword));
    }
    result.clear();
    std::string_view rest = *line;
    while (!rest.empty()) {
        const std::size_t space = rest.find(' ');
        result.push_back(rest.substr(0, space));
        rest.remove_prefix(space == std::string_view::npos ? rest.size() : space + 1);
    }
    if (result.empty() || result.front() != keyword || result.size() != count + 1) {
        return fail("expected " + std::string(keyword) + " and " + std::to_string(count) + " values");
    }
    result.erase(result.begin());
    return true;
}

template <std::size_t N>
bool SavedGameReader::numbers(std::string_view keyword, std::array<std::uint32_t, N>& result,
                              const std::array<std::uint32_t, N>& lowest,
                              const std::array<std::uint32_t, N>& highest) {
    std::vector<std::string_view> words;
    if (!values(keyword, words, N)) {
        return false;
    }
    for (std::size_t i = 0; i < N; ++i) {
        const std::string_view word = words[i];
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), result[i]);
        const bool digitsOnly = !word.empty() && word.front() != '-' && end == word.data() + word.size();
        if (error != std::errc{} || !digitsOnly || result[i] < lowest[i] || result[i] > highest[i]) {
            return fail(std::string(keyword) + " value '" + std::string(word) + "' is out of range");
        }
    }
    return true;
}

bool SavedGameReader::choice(std::string_view keyword, std::string_view first, std::string_view second,
                             bool& isSecond) {
    std::vector<std::string_view> words;
    if (!values(keyword, words, 1)) {
        return false;
    }
    if (words[0] != first && words[0] != second) {
        return fail(std::string(keyword) + " is neither " + std::string(first) + " nor " +
                    std::string(second));
    }
    isSecond = words[0] == second;
    return true;
}

bool SavedGameReader::readHeader() {
    if (nextLine() != kHeader) {
        return fail("this is not a saved game of Orbeni");
    }
    std::array<std::uint32_t, 1> version{};
    if (!numbers("version", version, {0}, {UINT32_MAX})) {
        return false;
    }
    return version[0] == kFormatVersion || fail("it was saved by another version of Orbeni");
}

// The slot, then the layout's name to the end of the line.
bool SavedGameReader::readLayout(SavedGame& game) {
    const std::optional<std::string_view> line = nextLine();
    constexpr std::string_view kKeyword = "layout ";
    if (!line || !line->starts_with(kKeyword)) {
        return fail("expected layout");
    }
    const std::string_view rest = line->substr(kKeyword.size());
    const std::size_t space = rest.find(' ');
    const std::string_view slot = rest.substr(0, space);
    int value = 0;
    const auto [end, error] = std::from_chars(slot.data(), slot.data() + slot.size(), value);
    if (space == std::string_view::npos || error != std::errc{} || end != slot.data() + slot.size() ||
        value < 0 || value > kRiversSlot) {
        return fail("the layout's hall of fame is damaged");
    }
    game.layoutSlot = value;
    game.layoutName = std::string(rest.substr(space + 1));
    return true;
}

bool SavedGameReader::readGame(SavedGame& game) {
    bool rivers = false;
    bool vertical = false;
    if (!choice("game", "solitaire", "rivers", rivers) ||
        !choice("rule", "horizontal", "vertical", vertical) || !readLayout(game)) {
        return false;
    }
    game.kind = rivers ? GameKind::Rivers : GameKind::Solitaire;
    game.rule = vertical ? FreeRule::Vertical : FreeRule::Horizontal;
    std::array<std::uint32_t, 2> tiles{};
    std::array<std::uint32_t, 2> clock{};
    std::array<std::uint32_t, 3> hints{};
    std::array<std::uint32_t, 1> random{};
    constexpr std::uint32_t kTiles = kMaxTiles;
    constexpr std::uint32_t kLimitMilliseconds = kTimeLimitSeconds * 1000u;
    if (!numbers("tiles", tiles, {0, 0}, {kTiles, kTiles}) ||
        !numbers("clock", clock, {0, 0}, {kLimitMilliseconds, kTimeLimitSeconds}) ||
        !choice("paused", "no", "yes", game.paused) ||
        !numbers("hints", hints, {0, 0, 0}, {kMaxHintIndex, kTiles, kTiles}) ||
        !numbers("random", random, {0}, {UINT32_MAX})) {
        return false;
    }
    game.tilesTotal = static_cast<int>(tiles[0]);
    game.tilesLeft = static_cast<int>(tiles[1]);
    if (game.tilesLeft > game.tilesTotal) {
        return fail("more tiles are left than were dealt");
    }
    game.playedMilliseconds = clock[0];
    game.penaltySeconds = static_cast<int>(clock[1]);
    game.hintIndex = static_cast<int>(hints[0]);
    game.hintTileA = static_cast<int>(hints[1]);
    game.hintTileB = static_cast<int>(hints[2]);
    game.generatorSeed = random[0];
    return true;
}

bool SavedGameReader::readPlacedTile(std::string_view keyword, int& tile, Position& place) {
    std::array<std::uint32_t, 4> values{};
    if (!numbers(keyword, values, {1, 1, 1, 1}, {kMaxTiles, kColumns, kRows, kLayers})) {
        return false;
    }
    tile = static_cast<int>(values[0]);
    place = Position{static_cast<int>(values[1]), static_cast<int>(values[2]), static_cast<int>(values[3])};
    return true;
}

// Lays `count` tiles on the board, each at a place of its own; the dealt board lists its
// tiles 1, 2, 3 and on.
bool SavedGameReader::readBoard(std::string_view keyword, int count, Board& board, bool ascending) {
    for (int i = 1; i <= count; ++i) {
        int tile = 0;
        Position place;
        if (!readPlacedTile(keyword, tile, place)) {
            return false;
        }
        if ((ascending && tile != i) || board.position(tile).onBoard() || board.cell(place) != 0) {
            return fail(tileText(tile) + " or its place is listed twice");
        }
        board.place(tile, place);
    }
    return true;
}

bool SavedGameReader::readTiles(SavedGame& game) {
    if (!readBoard("dealt", game.tilesTotal, game.dealtBoard, true) ||
        !readBoard("board", game.tilesLeft, game.board, false)) {
        return false;
    }
    game.removed.resize(static_cast<std::size_t>(game.tilesTotal - game.tilesLeft));
    for (HistoryEntry& entry : game.removed) {
        if (!readPlacedTile("removed", entry.tile, entry.place)) {
            return false;
        }
    }
    return true;
}

bool SavedGameReader::readEnd() {
    std::vector<std::string_view> words;
    if (!values("end", words, 0)) {
        return false;
    }
    return m_rest.empty() || fail("the file goes on after its end");
}

}  // namespace

std::string oneLineName(std::string_view name) {
    std::string kept(name.substr(0, kMaxSavedLayoutNameBytes));
    std::replace_if(
        kept.begin(), kept.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; },
        '?');
    return kept;
}

std::optional<std::string> savedGameProblem(const SavedGame& game) {
    for (const auto check : {countsProblem, dealtProblem, boardProblem, historyProblem, clockProblem}) {
        if (std::optional<std::string> problem = check(game)) {
            return problem;
        }
    }
    return std::nullopt;
}

std::string writeSavedGame(const SavedGame& game) {
    std::string text = std::string(kHeader) + "\nversion " + std::to_string(kFormatVersion) + '\n';
    text += game.kind == GameKind::Rivers ? "game rivers\n" : "game solitaire\n";
    text += game.rule == FreeRule::Vertical ? "rule vertical\n" : "rule horizontal\n";
    text += "layout " + std::to_string(game.layoutSlot) + ' ' + game.layoutName + '\n';
    text += "tiles " + std::to_string(game.tilesTotal) + ' ' + std::to_string(game.tilesLeft) + '\n';
    text +=
        "clock " + std::to_string(game.playedMilliseconds) + ' ' + std::to_string(game.penaltySeconds) + '\n';
    text += game.paused ? "paused yes\n" : "paused no\n";
    text += "hints " + std::to_string(game.hintIndex) + ' ' + std::to_string(game.hintTileA) + ' ' +
            std::to_string(game.hintTileB) + '\n';
    text += "random " + std::to_string(game.generatorSeed) + '\n';
    for (int tile = 1; tile <= game.tilesTotal; ++tile) {
        writePlacedTile(text, "dealt", tile, game.dealtBoard.position(tile));
    }
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        if (game.board.position(tile).onBoard()) {
            writePlacedTile(text, "board", tile, game.board.position(tile));
        }
    }
    for (const HistoryEntry& entry : game.removed) {
        writePlacedTile(text, "removed", entry.tile, entry.place);
    }
    return text + "end\n";
}

platform::Result<SavedGame> readSavedGame(std::string_view text) {
    using Failure = platform::Result<SavedGame>;
    if (text.size() > kMaxSavedGameBytes) {
        return Failure::failure("the file is too large to be a saved game");
    }
    SavedGameReader reader(text);
    SavedGame game;
    if (!reader.readHeader() || !reader.readGame(game) || !reader.readTiles(game) || !reader.readEnd()) {
        return Failure::failure(reader.error());
    }
    if (std::optional<std::string> problem = savedGameProblem(game)) {
        return Failure::failure(*problem);
    }
    return game;
}

}  // namespace orbeni
