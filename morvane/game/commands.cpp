#include "morvane/game/commands.h"

#include <array>

#include "morvane/game/game.h"

namespace morvane {

namespace {

using E = EnabledWhen;
using C = CheckedWhen;

constexpr std::array kCommands = {
    CommandRule{32771, "Load Game", E::Always, "Load a game file\nLoad Game"},
    CommandRule{32772, "New Game", E::Always, "Generate a new random layout\nNew Game"},
    CommandRule{32773, "Restart Game", E::Always, "Re-start the current layout\nRestart"},
    CommandRule{32825, "Default Game", E::Always, "Play the built-in game\nDefault Game"},
    CommandRule{32774, "Save Position", E::Never, "Save current game position -- future version"},
    CommandRule{32775, "Load Position", E::Never, "Load a game position -- future version"},
    CommandRule{57665, "E&xit", E::Always, "Quit Morvane\nExit"},
    CommandRule{32778, "Undo", E::NotShowingMoves, "Undo\nUndo"},
    CommandRule{32777, "Show Moves", E::Playing, "Enter Show Moves mode\nShow Moves"},
    CommandRule{32782, "Previous", E::ShowingMoves, "Show previous valid move\nPrevious"},
    CommandRule{32783, "Next", E::ShowingMoves, "Show next valid move\nNext"},
    CommandRule{32784, "Do it!", E::ShowingMoves, "Do currently shown move\nDo It!"},
    CommandRule{32785, "Exit Show Moves", E::ShowingMoves, "Exit Show Moves mode\nExit"},
    CommandRule{32815, "Set Bookmark 1", E::Playing, "Set Bookmark 1\nSet 1"},
    CommandRule{32816, "Set Bookmark 2", E::Playing, "Set Bookmark 2\nSet 2"},
    CommandRule{32817, "Set Bookmark 3", E::Playing, "Set Bookmark 3\nSet 3"},
    CommandRule{32819, "Set Bookmark 4", E::Playing, "Set Bookmark 4\nSet 4"},
    CommandRule{32820, "Go To Bookmark 1", E::BookmarkIsSet, "Go To Bookmark 1\nGo To 1", C::Never, 0},
    CommandRule{32821, "Go To Bookmark 2", E::BookmarkIsSet, "Go To Bookmark 2\nGo To 2", C::Never, 1},
    CommandRule{32822, "Go To Bookmark 3", E::BookmarkIsSet, "Go To Bookmark 3\nGo To 3", C::Never, 2},
    CommandRule{32823, "Go To Bookmark 4", E::BookmarkIsSet, "Go To Bookmark 4\nGo To 4", C::Never, 3},
    CommandRule{32827, "Use sound", E::Always, "Turn event sounds on / off", C::SoundOn},
    CommandRule{32824, "Hall of Fame", E::Playing, "Display Hall of Fame"},
    CommandRule{32779, "Enter Design Mode", E::Playing, "Enter design mode\nDesign mode"},
    CommandRule{32780, "Edit Settings", E::Designing, "Edit game settings/nEdit Settings"},
    CommandRule{32781, "Save Game", E::Designing, "Save current design/nSave design"},
    CommandRule{32788, "Rght", E::Designing, "Shift entire tile pattern right 1 position\nShift right"},
    CommandRule{32789, "Left", E::Designing, "Shift entire tile pattern left one position\nShift left"},
    CommandRule{32790, "Up", E::Designing, "Shift entire tile patern up one position\nShift up"},
    CommandRule{32791, "Down", E::Designing, "Shift entire tile pattern down one position\nShift down"},
    CommandRule{32792, "Insert mode", E::Designing, "Click on board to INSERT tiles/nInsert tiles",
                C::InsertTool},
    CommandRule{32793, "Remove mode", E::Designing, "Click on board to REMOVE tiles/nRemove tiles",
                C::RemoveTool},
    CommandRule{32803, "Clear Board", E::Designing, "Instantly remove all tiles from board/nClear board"},
    CommandRule{32787, "Exit Design Mode", E::Designing, "Exit design mode/nExit design"},
    CommandRule{59392, "&Toolbar", E::Always, "Show or hide the toolbar\nToggle ToolBar", C::ToolbarShown},
    CommandRule{59393, "&Status Bar", E::Always, "Show or hide the status bar\nToggle StatusBar",
                C::StatusBarShown},
    CommandRule{32826, "Full Screen", E::Always, "Fill the screen with the board; ALT-F ends it\nFull Screen",
                C::Never, -1, "Alt+F"},
    CommandRule{32776, "On-Line Manual", E::Always, "Read the manual of the game\nOn-Line Manual"},
    CommandRule{57664, "&About morvane...", E::Always,
                "Display program information and version number\nAbout"},
};

constexpr MenuEntry kSeparator{};

constexpr MenuEntry kFileMenu[] = {{32771}, {32772}, {32773},    {32825}, kSeparator,
                                   {32774}, {32775}, kSeparator, {57665}};
constexpr MenuEntry kSetBookmarkMenu[] = {{32815}, {32816}, {32817}, {32819}};
constexpr MenuEntry kGoToBookmarkMenu[] = {{32820}, {32821}, {32822}, {32823}};
constexpr MenuEntry kShiftMenu[] = {{32788}, {32789}, {32790}, {32791}};
constexpr MenuEntry kDesignMenu[] = {{32779}, kSeparator, {32780}, {32781},    {0, "Shift -->", kShiftMenu},
                                     {32792}, {32793},    {32803}, kSeparator, {32787}};
constexpr MenuEntry kHintsMenu[] = {{32778},
                                    kSeparator,
                                    {32777},
                                    {32782},
                                    {32783},
                                    {32784},
                                    {32785},
                                    kSeparator,
                                    {0, "Set Bookmark", kSetBookmarkMenu},
                                    {0, "Go To Bookmark", kGoToBookmarkMenu},
                                    kSeparator,
                                    {32824},
                                    {32827},
                                    kSeparator,
                                    {0, "Game Design", kDesignMenu}};
constexpr MenuEntry kViewMenu[] = {{59392}, {59393}, kSeparator, {32826}};
constexpr MenuEntry kHelpMenu[] = {{32776}, kSeparator, {57664}};
constexpr MenuEntry kMenuBar[] = {
    {0, "File", kFileMenu}, {0, "Hints/Cheats", kHintsMenu}, {0, "View", kViewMenu}, {0, "Help", kHelpMenu}};

constexpr int kToolBar[] = {32771, 32772, 32773, 0,     32778, 32815, 32816, 32817, 32819, 32820, 32821,
                            32822, 32823, 0,     32777, 32783, 32782, 32784, 32785, 0,     32779, 32788,
                            32789, 32790, 32791, 32792, 32793, 32803, 32780, 32781, 32787, 0,     32776};

// Where the short half of a tip starts, after its line break.
std::size_t tipBreak(std::string_view tip) {
    const std::size_t newline = tip.find('\n');
    return newline != std::string_view::npos ? newline : tip.find("/n");
}

}  // namespace

std::span<const CommandRule> commandRules() {
    return kCommands;
}

const CommandRule* findCommand(int id) {
    for (const CommandRule& command : kCommands) {
        if (command.id == id) {
            return &command;
        }
    }
    return nullptr;
}

bool isEnabled(const CommandRule& command, const Game& game) {
    const bool playing = !game.inDesignMode() && !game.inShowMoves();
    switch (command.enabled) {
        case EnabledWhen::Always:
            return true;
        case EnabledWhen::Never:
            return false;
        case EnabledWhen::NotShowingMoves:
            return !game.inShowMoves();
        case EnabledWhen::Playing:
            return playing;
        case EnabledWhen::ShowingMoves:
            return game.inShowMoves();
        case EnabledWhen::Designing:
            return game.inDesignMode();
        case EnabledWhen::BookmarkIsSet:
            return playing && game.bookmark(command.bookmark) >= 0;
    }
    return false;
}

bool isChecked(const CommandRule& command, const Game& game, const FrameState& frame) {
    switch (command.checked) {
        case CheckedWhen::Never:
            return false;
        case CheckedWhen::SoundOn:
            return game.soundOn();
        case CheckedWhen::InsertTool:
            return game.designTool() == DesignTool::Insert;
        case CheckedWhen::RemoveTool:
            return game.designTool() == DesignTool::Remove;
        case CheckedWhen::ToolbarShown:
            return frame.toolbarShown;
        case CheckedWhen::StatusBarShown:
            return frame.statusBarShown;
    }
    return false;
}

std::string_view statusTip(const CommandRule& command) {
    return command.tip.substr(0, tipBreak(command.tip));
}

std::string_view toolTip(const CommandRule& command) {
    const std::size_t at = tipBreak(command.tip);
    if (at == std::string_view::npos) {
        return command.tip;
    }
    return command.tip.substr(at + (command.tip[at] == '\n' ? 1 : 2));
}

std::span<const MenuEntry> menuBar() {
    return kMenuBar;
}

std::span<const int> toolBarButtons() {
    return kToolBar;
}

}  // namespace morvane
