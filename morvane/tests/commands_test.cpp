#include "morvane/game/commands.h"

#include <gtest/gtest.h>

#include <set>

namespace morvane {
namespace {

TEST(CommandTableTest, EveryMenuAndToolBarEntryNamesACommandOnce) {
    std::set<int> inMenus;
    const auto collect = [&](auto& self, const MenuEntry& menu) -> void {
        for (const MenuEntry& line : menu.entries) {
            if (!line.submenu.empty()) {
                self(self, line);
            } else if (!line.isSeparator()) {
                EXPECT_NE(findCommand(line.id), nullptr) << line.id;
                EXPECT_TRUE(inMenus.insert(line.id).second) << "twice in the menus: " << line.id;
            }
        }
    };
    std::vector<std::string_view> captions;
    for (const MenuEntry& menu : menuBar()) {
        captions.push_back(menu.submenu);
        collect(collect, menu);
    }
    EXPECT_EQ(captions, (std::vector<std::string_view>{"File", "Hints/Cheats", "View", "Help"}));
    EXPECT_EQ(inMenus.size(), commandRules().size());

    int buttons = 0;
    int separators = 0;
    for (const int id : toolBarButtons()) {
        id == 0 ? ++separators : ++buttons;
        EXPECT_TRUE(id == 0 || findCommand(id) != nullptr) << id;
    }
    EXPECT_EQ(buttons, 29);
    EXPECT_EQ(separators, 4);
    EXPECT_EQ(toolBarButtons()[3], 0);                    // after Load, New and Restart Game
    EXPECT_EQ(toolBarButtons().back(), 32776);            // On-Line Manual last
    EXPECT_EQ(findCommand(32826)->accelerator, "Alt+F");  // Full Screen
}

TEST(CommandTableTest, TipsSplitIntoStatusTextAndToolTip) {
    const struct {
        int id;
        std::string_view status, tool;
    } cases[] = {
        {32772, "Generate a new random layout", "New Game"},
        {32780, "Edit game settings", "Edit Settings"},  // typed with "/n"
        {32827, "Turn event sounds on / off", "Turn event sounds on / off"},
        {32774, "Save current game position -- future version",
         "Save current game position -- future version"},
        {32790, "Shift entire tile patern up one position", "Shift up"},
    };
    for (const auto& c : cases) {
        const CommandRule& command = *findCommand(c.id);
        EXPECT_EQ(statusTip(command), c.status) << c.id;
        EXPECT_EQ(toolTip(command), c.tool) << c.id;
    }
}

}  // namespace
}  // namespace morvane
