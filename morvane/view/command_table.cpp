#include "morvane/view/command_table.h"

#include <array>
#include <string_view>

namespace morvane {

namespace {

using platform::MenuLine;
using platform::StandardKey;

// A command with its status-bar text and tool tip; where the game's resources gave a tip no short
// half, the tool tip is the whole text.
constexpr platform::Command command(Command id, std::string_view caption, std::string_view statusTip,
                                    std::string_view toolTip = {}, StandardKey key = StandardKey::None,
                                    std::string_view keys = {}) {
    return platform::Command{
        .id = morvane::id(id),
        .caption = caption,
        .keys = keys,
        .standardKey = key,
        .checkable = isCheckable(id),
        .statusTip = statusTip,
        .toolTip = toolTip.empty() ? statusTip : toolTip,
    };
}

// The game names one key, Alt+F for Full Screen; the others are the desktop's own keys.
constexpr std::array kCommands = {
    command(Command::LoadGame, "Load Game", "Load a game file", "Load Game", StandardKey::Open),
    command(Command::NewGame, "New Game", "Generate a new random layout", "New Game", StandardKey::New),
    command(Command::RestartGame, "Restart Game", "Re-start the current layout", "Restart"),
    command(Command::DefaultGame, "Default Game", "Play the built-in game", "Default Game"),
    command(Command::SavePosition, "Save Position", "Save current game position -- future version"),
    command(Command::LoadPosition, "Load Position", "Load a game position -- future version"),
    command(Command::Exit, "E&xit", "Quit Morvane", "Exit", StandardKey::Quit),
    command(Command::Undo, "Undo", "Undo", "Undo", StandardKey::Undo),
    command(Command::ShowMoves, "Show Moves", "Enter Show Moves mode", "Show Moves"),
    command(Command::Previous, "Previous", "Show previous valid move", "Previous"),
    command(Command::Next, "Next", "Show next valid move", "Next"),
    command(Command::DoIt, "Do it!", "Do currently shown move", "Do It!"),
    command(Command::ExitShowMoves, "Exit Show Moves", "Exit Show Moves mode", "Exit"),
    command(Command::SetBookmark1, "Set Bookmark 1", "Set Bookmark 1", "Set 1"),
    command(Command::SetBookmark2, "Set Bookmark 2", "Set Bookmark 2", "Set 2"),
    command(Command::SetBookmark3, "Set Bookmark 3", "Set Bookmark 3", "Set 3"),
    command(Command::SetBookmark4, "Set Bookmark 4", "Set Bookmark 4", "Set 4"),
    command(Command::GoToBookmark1, "Go To Bookmark 1", "Go To Bookmark 1", "Go To 1"),
    command(Command::GoToBookmark2, "Go To Bookmark 2", "Go To Bookmark 2", "Go To 2"),
    command(Command::GoToBookmark3, "Go To Bookmark 3", "Go To Bookmark 3", "Go To 3"),
    command(Command::GoToBookmark4, "Go To Bookmark 4", "Go To Bookmark 4", "Go To 4"),
    command(Command::UseSound, "Use sound", "Turn event sounds on / off"),
    command(Command::HallOfFame, "Hall of Fame", "Display Hall of Fame"),
    command(Command::EnterDesign, "Enter Design Mode", "Enter design mode", "Design mode"),
    command(Command::EditSettings, "Edit Settings", "Edit game settings", "Edit Settings"),
    command(Command::SaveGame, "Save Game", "Save current design", "Save design", StandardKey::Save),
    command(Command::ShiftRight, "Rght", "Shift entire tile pattern right 1 position", "Shift right"),
    command(Command::ShiftLeft, "Left", "Shift entire tile pattern left one position", "Shift left"),
    command(Command::ShiftUp, "Up", "Shift entire tile patern up one position", "Shift up"),
    command(Command::ShiftDown, "Down", "Shift entire tile pattern down one position", "Shift down"),
    command(Command::InsertMode, "Insert mode", "Click on board to INSERT tiles", "Insert tiles"),
    command(Command::RemoveMode, "Remove mode", "Click on board to REMOVE tiles", "Remove tiles"),
    command(Command::ClearBoard, "Clear Board", "Instantly remove all tiles from board", "Clear board"),
    command(Command::ExitDesign, "Exit Design Mode", "Exit design mode", "Exit design"),
    command(Command::Toolbar, "&Toolbar", "Show or hide the toolbar", "Toggle ToolBar"),
    command(Command::StatusBar, "&Status Bar", "Show or hide the status bar", "Toggle StatusBar"),
    command(Command::FullScreen, "Full Screen", "Fill the screen with the board; ALT-F ends it",
            "Full Screen", StandardKey::None, "Alt+F"),
    command(Command::Manual, "On-Line Manual", "Read the manual of the game", "On-Line Manual",
            StandardKey::HelpContents),
    command(Command::About, "&About morvane...", "Display program information and version number", "About"),
};

constexpr MenuLine line(Command id) {
    return MenuLine{.id = morvane::id(id)};
}

constexpr MenuLine kSeparator{};

constexpr MenuLine kFileMenu[] = {
    line(Command::LoadGame),
    line(Command::NewGame),
    line(Command::RestartGame),
    line(Command::DefaultGame),
    kSeparator,
    line(Command::SavePosition),
    line(Command::LoadPosition),
    kSeparator,
    line(Command::Exit),
};
constexpr MenuLine kSetBookmarkMenu[] = {line(Command::SetBookmark1), line(Command::SetBookmark2),
                                         line(Command::SetBookmark3), line(Command::SetBookmark4)};
constexpr MenuLine kGoToBookmarkMenu[] = {line(Command::GoToBookmark1), line(Command::GoToBookmark2),
                                          line(Command::GoToBookmark3), line(Command::GoToBookmark4)};
constexpr MenuLine kShiftMenu[] = {line(Command::ShiftRight), line(Command::ShiftLeft),
                                   line(Command::ShiftUp), line(Command::ShiftDown)};
constexpr MenuLine kDesignMenu[] = {
    line(Command::EnterDesign),
    kSeparator,
    line(Command::EditSettings),
    line(Command::SaveGame),
    {.submenu = "Shift -->", .lines = kShiftMenu},
    line(Command::InsertMode),
    line(Command::RemoveMode),
    line(Command::ClearBoard),
    kSeparator,
    line(Command::ExitDesign),
};
constexpr MenuLine kHintsMenu[] = {
    line(Command::Undo),
    kSeparator,
    line(Command::ShowMoves),
    line(Command::Previous),
    line(Command::Next),
    line(Command::DoIt),
    line(Command::ExitShowMoves),
    kSeparator,
    {.submenu = "Set Bookmark", .lines = kSetBookmarkMenu},
    {.submenu = "Go To Bookmark", .lines = kGoToBookmarkMenu},
    kSeparator,
    line(Command::HallOfFame),
    line(Command::UseSound),
    kSeparator,
    {.submenu = "Game Design", .lines = kDesignMenu},
};
constexpr MenuLine kViewMenu[] = {line(Command::Toolbar), line(Command::StatusBar), kSeparator,
                                  line(Command::FullScreen)};
constexpr MenuLine kHelpMenu[] = {line(Command::Manual), kSeparator, line(Command::About)};
constexpr MenuLine kMenuBar[] = {
    {.submenu = "File", .lines = kFileMenu},
    {.submenu = "Hints/Cheats", .lines = kHintsMenu},
    {.submenu = "View", .lines = kViewMenu},
    {.submenu = "Help", .lines = kHelpMenu},
};

constexpr int kButtonSeparator = 0;

constexpr int kToolBar[] = {
    id(Command::LoadGame),      id(Command::NewGame),       id(Command::RestartGame),
    kButtonSeparator,           id(Command::Undo),          id(Command::SetBookmark1),
    id(Command::SetBookmark2),  id(Command::SetBookmark3),  id(Command::SetBookmark4),
    id(Command::GoToBookmark1), id(Command::GoToBookmark2), id(Command::GoToBookmark3),
    id(Command::GoToBookmark4), kButtonSeparator,           id(Command::ShowMoves),
    id(Command::Next),          id(Command::Previous),      id(Command::DoIt),
    id(Command::ExitShowMoves), kButtonSeparator,           id(Command::EnterDesign),
    id(Command::ShiftRight),    id(Command::ShiftLeft),     id(Command::ShiftUp),
    id(Command::ShiftDown),     id(Command::InsertMode),    id(Command::RemoveMode),
    id(Command::ClearBoard),    id(Command::EditSettings),  id(Command::SaveGame),
    id(Command::ExitDesign),    kButtonSeparator,           id(Command::Manual),
};

}  // namespace

std::span<const platform::Command> commandTable() {
    return kCommands;
}

std::span<const platform::MenuLine> menuBar() {
    return kMenuBar;
}

std::span<const int> toolBarButtons() {
    return kToolBar;
}

}  // namespace morvane
