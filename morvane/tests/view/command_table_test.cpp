#include "morvane/view/command_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace morvane {
namespace {

// How often each command id stands in the menus, submenus included.
void countLines(std::span<const platform::MenuLine> lines, std::map<int, int>& counts) {
    for (const platform::MenuLine& line : lines) {
        if (!line.submenu.empty()) {
            EXPECT_FALSE(line.lines.empty()) << line.submenu;
            countLines(line.lines, counts);
        } else if (!line.isSeparator()) {
            ++counts[line.id];
        }
    }
}

TEST(CommandTableTest, EveryCommandStandsOnceInTheMenusAndEveryLineNamesACommand) {
    std::set<int> ids;
    for (const platform::Command& command : commandTable()) {
        EXPECT_TRUE(ids.insert(command.id).second) << "twice in the table: " << command.id;
    }
    std::map<int, int> counts;
    countLines(menuBar(), counts);
    for (const platform::Command& command : commandTable()) {
        EXPECT_EQ(counts[command.id], 1) << command.caption;
    }
    for (const auto& [id, count] : counts) {
        EXPECT_NE(platform::findCommand(commandTable(), id), nullptr) << id;
    }
}

TEST(CommandTableTest, EveryButtonIsACommandOnceAndEveryCommandHasCaptionAndTips) {
    std::set<int> buttons;
    for (const int id : toolBarButtons()) {
        if (id != 0) {
            EXPECT_NE(platform::findCommand(commandTable(), id), nullptr) << id;
            EXPECT_TRUE(buttons.insert(id).second) << "twice on the tool bar: " << id;
        }
    }
    for (const platform::Command& command : commandTable()) {
        EXPECT_FALSE(command.caption.empty()) << command.id;
        EXPECT_FALSE(command.statusTip.empty()) << command.caption;
        EXPECT_FALSE(command.toolTip.empty()) << command.caption;
        // A tip typed with a line break in the game's resources was split at it.
        EXPECT_EQ(command.statusTip.find('\n'), std::string_view::npos) << command.caption;
        EXPECT_EQ(command.statusTip.find("/n"), std::string_view::npos) << command.caption;
    }
}

// No key is named twice, neither as text nor as the desktop's standard key (the window's test asks
// Qt whether two different names come to one key).
TEST(CommandTableTest, NoTwoCommandsNameOneKey) {
    std::map<std::string, int> keys;
    std::map<platform::StandardKey, int> standardKeys;
    for (const platform::Command& command : commandTable()) {
        if (!command.keys.empty()) {
            EXPECT_TRUE(keys.emplace(std::string(command.keys), command.id).second) << command.caption;
        }
        if (command.standardKey != platform::StandardKey::None) {
            EXPECT_TRUE(command.keys.empty()) << command.caption;
            EXPECT_TRUE(standardKeys.emplace(command.standardKey, command.id).second) << command.caption;
        }
    }
    EXPECT_EQ(platform::findCommand(commandTable(), id(Command::Exit))->standardKey,
              platform::StandardKey::Quit);
    EXPECT_EQ(platform::findCommand(commandTable(), id(Command::Undo))->standardKey,
              platform::StandardKey::Undo);
    EXPECT_EQ(platform::findCommand(commandTable(), id(Command::Manual))->standardKey,
              platform::StandardKey::HelpContents);
}

// A command carries a check mark exactly when the core has a rule for its mark.
TEST(CommandTableTest, CheckMarksAreTheCommandsTheCoreChecks) {
    for (const platform::Command& command : commandTable()) {
        EXPECT_EQ(command.checkable, isCheckable(static_cast<Command>(command.id))) << command.caption;
    }
}

}  // namespace
}  // namespace morvane
