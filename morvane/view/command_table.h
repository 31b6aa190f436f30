#pragma once

#include <span>

#include "morvane/game/commands.h"
#include "platform/commands/command.h"

namespace morvane {

// The commands of the menus, tool bar and keys, by the ids of the game's `Command`: captions, the
// status-bar and tool tips, keys and check marks. When one can be chosen or is checked is the
// game's to say (isEnabled, isChecked).
std::span<const platform::Command> commandTable();

// The menus of the menu bar, left to right: File, Hints/Cheats, View and Help.
std::span<const platform::MenuLine> menuBar();

// The tool bar's buttons by command id, 0 for a separator; the buttons' pictures lie in this order
// (separators have none) in the tool-bar strip.
std::span<const int> toolBarButtons();

}  // namespace morvane
