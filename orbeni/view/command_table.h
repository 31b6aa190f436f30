#pragma once

#include <span>

#include "platform/commands/command.h"

namespace orbeni {

// The main window's commands by the ids of `Command`: captions, marks, keys and tips. When each
// can be chosen and whether it is checked are the rules of window_commands.h.
std::span<const platform::Command> commandTable();
// The menu bar of the game: File, Play, View, Highlight, Configuration, Background, Tileset,
// Layout, Music and Help.
std::span<const platform::MenuLine> gameMenuBar();

// The tool bar's buttons, 0 for a separator; the player's name stands between the two parts.
struct ToolBarLayout {
    std::span<const int> beforePlayer;
    std::span<const int> afterPlayer;
};
ToolBarLayout toolBar();

// The layout editor's own commands and its menu bar, Exit and Move Board, which replaces the
// game's while it runs.
std::span<const platform::Command> editorCommandTable();
std::span<const platform::MenuLine> editorMenuBar();

}  // namespace orbeni
