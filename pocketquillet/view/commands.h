#pragma once

#include <span>

#include "platform/commands/command.h"
#include "pocketquillet/game/texts.h"

namespace pocketquillet {

// The commands of a language's menus, by the ids of the game's `Command`: captions, check marks
// and keys. When a command can be chosen and whether it is checked is the game's to say.
std::span<const platform::Command> commandTable(Language language);

// The menu bar of a language: Game, Options and "?".
std::span<const platform::MenuLine> menuBar(Language language);

}  // namespace pocketquillet
