#pragma once

#include <span>
#include <string_view>

namespace platform {

// The desktop's own key for a command the game names no key for; the window asks the desktop
// which key that is.
enum class StandardKey { None, New, Open, Save, Quit, Undo, Redo, HelpContents, FullScreen };

// One command of a program's menus, tool bar and keys, as the window shows it. When a command can
// be chosen and whether it shows a mark are the game's rules, asked by id (and item).
struct Command {
    int id = 0;
    std::string_view caption;                     // UTF-8, '&' before the access key
    std::string_view keys = {};                   // a shortcut in portable text ("Ctrl+Z", "Alt+F"), or none
    StandardKey standardKey = StandardKey::None;  // the desktop's key, where keys names none
    bool checkable = false;
    int group = 0;  // commands of one non-zero group are choices of which one is checked
    std::string_view statusTip = {};
    std::string_view toolTip = {};
    std::string_view buttonCaption = {};  // the tool bar's text, where it differs from the menu's
    // A command that stands for a list the game fills while it runs (layouts, music pieces): one
    // menu item per entry, each told apart by its item number, from 1.
    bool isList = false;
};

// One line of a menu: a command, a separator (id 0, no submenu) or a submenu with its lines.
struct MenuLine {
    int id = 0;
    std::string_view submenu = {};
    std::span<const MenuLine> lines = {};

    bool isSeparator() const { return id == 0 && submenu.empty(); }
};

// A command of a table by id, or none.
inline const Command* findCommand(std::span<const Command> table, int id) {
    for (const Command& command : table) {
        if (command.id == id) {
            return &command;
        }
    }
    return nullptr;
}

}  // namespace platform
