#include "pocketquillet/view/commands.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "pocketquillet/game/pocket_game.h"
#include "pocketquillet/tests/test_support.h"

namespace pocketquillet {
namespace {

constexpr Language kLanguages[] = {Language::English, Language::German};

// How often each command id stands in the menus, submenus included.
void countLines(std::span<const platform::MenuLine> lines, std::map<int, int>& counts) {
    for (const platform::MenuLine& line : lines) {
        if (!line.submenu.empty()) {
            countLines(line.lines, counts);
        } else if (!line.isSeparator()) {
            ++counts[line.id];
        }
    }
}

std::set<int> idsOf(std::span<const platform::Command> table) {
    std::set<int> ids;
    for (const platform::Command& command : table) {
        EXPECT_TRUE(ids.insert(command.id).second) << command.caption;
    }
    return ids;
}

TEST(CommandsTest, EveryCommandOfALanguageStandsOnceInItsMenusAndBothLanguagesHaveTheSame) {
    const std::set<int> english = idsOf(commandTable(Language::English));
    for (const Language language : kLanguages) {
        std::map<int, int> counts;
        countLines(menuBar(language), counts);
        for (const platform::Command& command : commandTable(language)) {
            EXPECT_EQ(counts[command.id], 1) << command.caption;
            EXPECT_FALSE(command.caption.empty()) << command.id;
        }
        for (const auto& [id, count] : counts) {
            EXPECT_NE(platform::findCommand(commandTable(language), id), nullptr) << id;
        }
        EXPECT_EQ(idsOf(commandTable(language)), english);
    }
}

// A command carries a check mark exactly when choosing it flips an option the game keeps.
TEST(CommandsTest, CheckMarksAreTheCommandsThatFlipAnOption) {
    for (const Language language : kLanguages) {
        for (const platform::Command& command : commandTable(language)) {
            test::TempFolder folder;
            test::RecordingHost host;
            test::ScriptedRandom random;
            test::ScriptedProfile profile;
            PocketGame game(host, random, profile, folder.path() / "HISCORE.QZO");
            host.game = &game;
            const Command id = static_cast<Command>(command.id);
            const bool before = game.isChecked(id);
            game.toggleOption(id);
            EXPECT_EQ(command.checkable, game.isChecked(id) != before) << command.caption;
        }
    }
}

}  // namespace
}  // namespace pocketquillet
