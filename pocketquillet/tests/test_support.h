#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

#include "pocketquillet/game/board.h"
#include "pocketquillet/game/board_definition.h"
#include "pocketquillet/game/connection.h"
#include "pocketquillet/game/hiscore_view.h"
#include "pocketquillet/game/host.h"
#include "pocketquillet/game/pocket_game.h"
#include "pocketquillet/game/profile_access.h"
#include "pocketquillet/game/random_source.h"
#include "pocketquillet/game/text_encoding.h"

namespace pocketquillet::test {

// Hands out the draws a test wrote down, then 0.
class ScriptedRandom final : public RandomSource {
public:
    std::uint32_t nextRandom() override {
        ++drawsTaken;
        if (draws.empty()) {
            return 0;
        }
        const std::uint32_t draw = draws.front();
        draws.pop_front();
        return draw;
    }

    std::deque<std::uint32_t> draws;
    int drawsTaken = 0;
};

// A settings file held in memory: keys a test sets answer their value, all others the default.
class ScriptedProfile final : public ProfileAccess {
public:
    void set(std::u16string section, std::u16string key, std::u16string value) {
        values[{std::move(section), std::move(key)}] = std::move(value);
    }
    std::u16string readText(std::u16string_view section, std::u16string_view key,
                            std::u16string_view defaultText, int capacity) const override {
        const auto found = values.find({std::u16string(section), std::u16string(key)});
        const std::u16string_view text =
            found == values.end() ? defaultText : std::u16string_view(found->second);
        return std::u16string(text.substr(0, static_cast<std::size_t>(capacity - 1)));
    }
    int readNumber(std::u16string_view section, std::u16string_view key, int defaultNumber) const override {
        const auto found = values.find({std::u16string(section), std::u16string(key)});
        return found == values.end() ? defaultNumber : static_cast<int>(parseDecimal(found->second));
    }
    void writeText(std::u16string_view section, std::u16string_view key, std::u16string_view text) override {
        written[{std::u16string(section), std::u16string(key)}] = std::u16string(text);
    }

    std::map<std::pair<std::u16string, std::u16string>, std::u16string> values;
    std::map<std::pair<std::u16string, std::u16string>, std::u16string> written;
};

// Keeps every call of the game and answers its questions and dialogs from a script.
class RecordingHost final : public Host {
public:
    void playSound(Sound sound) override { sounds.push_back(sound); }
    void repaintBoard() override { ++boardRepaints; }
    void repaintCell(Cell cell) override { repaintedCells.push_back(cell); }
    void markCell(Cell cell, Mark mark) override { cellMarks.emplace_back(cell, mark); }
    void markPath(const ConnectionPath& path, Mark mark) override { pathMarks.emplace_back(path, mark); }
    void repaintStatus() override { ++statusRepaints; }
    void updateCommands() override { ++commandUpdates; }
    Answer ask(std::string_view caption, std::string_view question) override {
        captions.emplace_back(caption);
        questions.emplace_back(question);
        statesWhileAsking.push_back(game != nullptr ? game->state() : GameState::Idle);
        if (answers.empty()) {
            return Answer::Yes;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void showHiscores(const HiscoreView& view) override { views.push_back(view); }
    std::optional<std::u16string> askHiscoreName() override {
        ++nameRequests;
        return hiscoreName;
    }
    std::optional<ChallengeNames> askChallengeNames() override { return challengeNames; }
    void closeProgram() override { closed = true; }

    const PocketGame* game = nullptr;
    std::deque<Answer> answers;
    std::optional<std::u16string> hiscoreName;
    std::optional<ChallengeNames> challengeNames = ChallengeNames{u"Ann", u"Bob"};

    std::vector<Sound> sounds;
    std::vector<std::string> captions;
    std::vector<std::string> questions;
    std::vector<GameState> statesWhileAsking;
    std::vector<HiscoreView> views;
    std::vector<Cell> repaintedCells;
    std::vector<std::pair<Cell, Mark>> cellMarks;
    std::vector<std::pair<ConnectionPath, Mark>> pathMarks;
    int boardRepaints = 0;
    int statusRepaints = 0;
    int commandUpdates = 0;
    int nameRequests = 0;
    bool closed = false;
};

// Builds a grid from eight row pictures: '.' is empty, 'a'..'z' are faces 1..26 and 'A'..'P'
// faces 27..42.
inline BoardGrid gridFrom(const std::array<std::string_view, kRows>& rows) {
    BoardGrid grid;
    for (int y = 0; y < kRows; ++y) {
        for (int x = 0; x < kColumns && x < static_cast<int>(rows[y].size()); ++x) {
            const char c = rows[y][x];
            grid.setFace({x, y},
                         c >= 'a' && c <= 'z' ? c - 'a' + 1 : (c >= 'A' && c <= 'P' ? c - 'A' + 27 : 0));
        }
    }
    return grid;
}

// The draws that make the deal put the wanted faces, in deal order, into the cells of a board
// of `cells` stones whose window starts at startStone.
inline std::deque<std::uint32_t> drawsFor(const std::vector<int>& faces, int startStone) {
    std::array<int, kStoneCount> sequence{};
    for (int i = 0; i < kStoneCount; ++i) {
        sequence[i] = faceSequenceEntry(i);
    }
    const int cells = static_cast<int>(faces.size());
    const int start = startStone * 4;
    std::deque<std::uint32_t> draws;
    for (int placed = 0; placed < cells; ++placed) {
        int offset = 0;
        while (offset < cells - placed && sequence[(start + offset) % kStoneCount] != faces[placed]) {
            ++offset;
        }
        draws.push_back(static_cast<std::uint32_t>(offset));
        const int k = (start + offset) % kStoneCount;
        sequence[k] = sequence[(cells + start - placed - 1) % kStoneCount];
    }
    return draws;
}

// A folder of its own for a test's files, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        static int counter = 0;
        m_path = std::filesystem::temp_directory_path() /
                 ("pocketquillet-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

// Board 1 with eight stones in row 0 and nothing else: faces 1, 1, 1, 1, 2, 2, 2, 2.
inline void useTopRowBoard(ScriptedProfile& profile, ScriptedRandom& random) {
    profile.set(u"Board1", u"Lane1", u"11111111");
    for (int row = 2; row <= kRows; ++row) {
        profile.set(u"Board1", u"Lane" + decimalText(static_cast<std::uint32_t>(row)), u"");
    }
    profile.set(u"Board1", u"StartStone", u"0");
    random.draws = drawsFor({1, 1, 1, 1, 2, 2, 2, 2}, 0);
}

}  // namespace pocketquillet::test
