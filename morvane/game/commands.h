#pragma once

#include <span>
#include <string_view>

namespace morvane {

class Game;

// When a menu command can be chosen.
enum class EnabledWhen {
    Always,
    Never,  // announced for a future version
    NotShowingMoves,
    Playing,  // neither design nor show-moves mode
    ShowingMoves,
    Designing,
    BookmarkIsSet,  // playing, and the command's bookmark is set
};

// When a menu command shows a check mark.
enum class CheckedWhen { Never, SoundOn, InsertTool, RemoveTool, ToolbarShown, StatusBarShown };

struct CommandRule {
    int id;
    std::string_view item;
    EnabledWhen enabled;
    std::string_view tip;  // the status-bar text, then after a line break the tool tip
    CheckedWhen checked = CheckedWhen::Never;
    int bookmark = -1;  // 0..3 for the Go To Bookmark commands
    std::string_view accelerator = {};
};

// What of the frame the check marks show beside the game's state.
struct FrameState {
    bool toolbarShown = true;
    bool statusBarShown = true;
};

// Every command of the menus and tool bar, by resource id.
std::span<const CommandRule> commandRules();
const CommandRule* findCommand(int id);

bool isEnabled(const CommandRule& command, const Game& game);
bool isChecked(const CommandRule& command, const Game& game, const FrameState& frame = {});

// The two halves of a tip: the status-bar text and the tool tip (the whole text when it has no
// short half). A few tips of the string table were typed with "/n" for the line break.
std::string_view statusTip(const CommandRule& command);
std::string_view toolTip(const CommandRule& command);

// One line of a menu: a command, a separator (id 0, no caption) or a submenu with its lines.
struct MenuEntry {
    int id = 0;
    std::string_view submenu = {};
    std::span<const MenuEntry> entries = {};

    bool isSeparator() const { return id == 0 && submenu.empty(); }
};

// The menus of the menu bar, left to right, each a submenu entry.
std::span<const MenuEntry> menuBar();

// The tool bar's buttons by command id, 0 for a separator; the buttons' pictures lie in this order
// (separators have none) in the tool-bar strip.
std::span<const int> toolBarButtons();

}  // namespace morvane
