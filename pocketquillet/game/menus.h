#pragma once

#include <span>
#include <string_view>

#include "pocketquillet/game/pocket_game.h"
#include "pocketquillet/game/texts.h"

namespace pocketquillet {

// One item of the menu bar: a command with its caption, or a separator line.
struct MenuItem {
    Command command = Command::Exit;
    std::string_view caption;  // UTF-8 with '&' before the access key; empty for a separator
    bool checkable = false;

    bool isSeparator() const { return caption.empty(); }
};

struct Menu {
    std::string_view title;
    std::span<const MenuItem> items;
};

// The menu bar of a language: Game, Options and "?".
std::span<const Menu> menuBar(Language language);

// Whether a command shows a check mark that follows its option.
constexpr bool isCheckable(Command command) {
    switch (command) {
        case Command::AllowHelp:
        case Command::AllowNextRound:
        case Command::Intermission:
        case Command::Sound:
        case Command::ShowScore:
            return true;
        default:
            return false;
    }
}

}  // namespace pocketquillet
