#include "pocketquillet/view/status_lines.h"

#include <algorithm>
#include <string>

#include "pocketquillet/game/pocket_game.h"
#include "pocketquillet/game/text_encoding.h"

namespace pocketquillet {

namespace {

// Where the columns start, in characters of the status font.
constexpr int kFirstColumn = 0;
constexpr int kTournamentColumn = 28;
constexpr int kSecondPlayerColumn = 17;
constexpr int kChallengeClockColumn = 34;
constexpr int kNameWidth = 17;

struct Conversion {
    std::size_t start = std::string_view::npos;
    std::size_t end = 0;
    bool leftAligned = false;
    int width = 0;
};

// Finds the "%-Nx" of a pattern: its place, alignment and width.
Conversion conversionOf(std::string_view pattern) {
    Conversion conversion;
    conversion.start = pattern.find('%');
    if (conversion.start == std::string_view::npos) {
        return conversion;
    }
    std::size_t at = conversion.start + 1;
    if (at < pattern.size() && pattern[at] == '-') {
        conversion.leftAligned = true;
        ++at;
    }
    while (at < pattern.size() && pattern[at] >= '0' && pattern[at] <= '9') {
        conversion.width = conversion.width * 10 + (pattern[at++] - '0');
    }
    while (at < pattern.size() && pattern[at] == 'l') {
        ++at;
    }
    conversion.end = at < pattern.size() ? at + 1 : at;
    return conversion;
}

std::string filled(std::string_view pattern, std::string_view value) {
    const Conversion conversion = conversionOf(pattern);
    if (conversion.start == std::string_view::npos) {
        return std::string(pattern);
    }
    const std::string padding(static_cast<std::size_t>(std::max(conversion.width - characterCount(value), 0)),
                              ' ');
    std::string result(pattern.substr(0, conversion.start));
    result += conversion.leftAligned ? std::string(value) + padding : padding + std::string(value);
    result += pattern.substr(conversion.end);
    return result;
}

// Cuts a UTF-8 text after so many characters.
std::string firstCharacters(std::string_view text, int characters) {
    std::size_t at = 0;
    for (int seen = 0; at < text.size(); ++at) {
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80 && seen++ == characters) {
            break;
        }
    }
    return std::string(text.substr(0, at));
}

class LineBuilder {
public:
    LineBuilder(const PocketGame& game, const BoardGeometry& geometry, StatusLines& lines)
        : m_game(game), m_geometry(geometry), m_lines(lines) {}

    std::string_view pattern(Text entry) const { return text(m_game.options().language, entry); }

    void add(int column, int line, std::string text) {
        m_lines.add(
            {Point{m_geometry.statusColumnLeft(column), m_geometry.statusLineTop(line)}, std::move(text)});
    }
    void add(int column, int line, Text entry, long long number) {
        add(column, line, formatStatus(pattern(entry), number));
    }
    StatusLine& last() { return m_lines.lines[static_cast<std::size_t>(m_lines.count - 1)]; }

private:
    const PocketGame& m_game;
    const BoardGeometry& m_geometry;
    StatusLines& m_lines;
};

void addSinglePlayerLines(const PocketGame& game, LineBuilder& lines) {
    lines.add(kFirstColumn, 0, Text::StatusStones, game.stonesTotal() - game.stonesLeft());
    lines.add(kFirstColumn, 1, Text::StatusStonesLeft, game.stonesLeft());
    if (game.options().playMode != PlayMode::Tournament) {
        return;
    }
    lines.add(kFirstColumn, 2, Text::StatusStonesToNextRound, game.stonesLeft() - game.threshold());
    lines.add(kTournamentColumn, 0, Text::StatusHelpsLeft, game.player(0).helpsLeft);
    lines.add(kTournamentColumn, 1, Text::StatusPoints, game.player(0).points);
    lines.add(kTournamentColumn, 2, Text::StatusRound, game.roundCounter() + 1);
}

// Each player's column, the current player's name marked, then the turn clock and the round.
void addChallengeLines(const PocketGame& game, LineBuilder& lines) {
    for (int index = 0; index < kPlayerCount; ++index) {
        const Player& player = game.player(index);
        const int column = index == 0 ? kFirstColumn : kSecondPlayerColumn;
        const std::string name = firstCharacters(utf16ToUtf8(player.name), kNameWidth);
        lines.add(column, 0, formatStatus("%-17s", name));
        if (index == game.currentPlayer()) {
            lines.last().shadow = standardColour(kSilverIndex);
            lines.last().shadowBackground = standardColour(kYellowIndex);
        }
        lines.add(column, 1, Text::ChallengeStones, player.stonesRemoved);
        lines.add(column, 2, Text::ChallengePoints, player.points);
    }
    if (game.state() == GameState::Held) {
        lines.add(kChallengeClockColumn, 0, std::string(lines.pattern(Text::Paused)));
    } else {
        lines.add(kChallengeClockColumn, 0, Text::SecondsLeft, game.secondsLeft());
        lines.last().shadowBackground = standardColour(kDarkRedIndex);
    }
    lines.add(kChallengeClockColumn, 1, Text::StatusRound, game.roundCounter() + 1);
    lines.add(kChallengeClockColumn, 2, Text::ChallengeToNextRound, game.stonesLeft() - game.threshold());
}

}  // namespace

platform::Pixel standardColour(int index) {
    static constexpr std::array<platform::Pixel, 16> kColours = {
        platform::rgb(0, 0, 0),       platform::rgb(0, 0, 128),     platform::rgb(0, 128, 0),
        platform::rgb(0, 128, 128),   platform::rgb(128, 0, 0),     platform::rgb(128, 0, 128),
        platform::rgb(128, 128, 0),   platform::rgb(192, 192, 192), platform::rgb(128, 128, 128),
        platform::rgb(0, 0, 255),     platform::rgb(0, 255, 0),     platform::rgb(0, 255, 255),
        platform::rgb(255, 0, 0),     platform::rgb(255, 0, 255),   platform::rgb(255, 255, 0),
        platform::rgb(255, 255, 255),
    };
    return index >= 0 && index < 16 ? kColours[static_cast<std::size_t>(index)] : kColours[0];
}

StatusLines statusLines(const PocketGame& game, const BoardGeometry& geometry) {
    StatusLines lines;
    LineBuilder builder(game, geometry, lines);
    if (game.options().playMode == PlayMode::Challenge) {
        addChallengeLines(game, builder);
    } else {
        addSinglePlayerLines(game, builder);
    }
    return lines;
}

std::bitset<kMostStatusLines> changedLines(const StatusLines& before, const StatusLines& now) {
    std::bitset<kMostStatusLines> changed;
    for (int i = 0; i < now.count; ++i) {
        changed[static_cast<std::size_t>(i)] = i >= before.count || !(before.lines[i] == now.lines[i]);
    }
    return changed;
}

std::string formatStatus(std::string_view pattern, long long number) {
    return filled(pattern, std::to_string(number));
}

std::string formatStatus(std::string_view pattern, std::string_view text) {
    return filled(pattern, text);
}

int characterCount(std::string_view text) {
    int count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

}  // namespace pocketquillet
