#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace morvane {

class Game;

// When a menu command can be chosen.
enum class EnabledWhen {
    Always,
    NotShowingMoves,
    Playing,  // neither design nor show-moves mode
    ShowingMoves,
    Designing,
    BookmarkIsSet,  // playing, and the command's bookmark is set
};

// When a menu command shows a check mark.
enum class CheckedWhen { Never, SoundOn, InsertTool, RemoveTool };

struct CommandRule {
    int id;
    std::string_view item;
    EnabledWhen enabled;
    CheckedWhen checked = CheckedWhen::Never;
    int bookmark = -1;  // 0..3 for the Go To Bookmark commands
};

// The game commands of the menus and tool bar, by resource id.
std::span<const CommandRule> commandRules();
const CommandRule* findCommand(int id);

bool isEnabled(const CommandRule& command, const Game& game);
bool isChecked(const CommandRule& command, const Game& game);

}  // namespace morvane
