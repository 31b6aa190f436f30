#pragma once

namespace morvane {

class Game;

// Every command of the menus, tool bar and keys, by its resource id: the numbers the game's
// resources gave them, which the status-bar texts and any saved or scripted id still name.
enum class Command : int {
    LoadGame = 32771,
    NewGame = 32772,
    RestartGame = 32773,
    DefaultGame = 32825,
    SavePosition = 32774,  // announced for a future version
    LoadPosition = 32775,  // announced for a future version
    Exit = 57665,
    Undo = 32778,
    ShowMoves = 32777,
    Previous = 32782,
    Next = 32783,
    DoIt = 32784,
    ExitShowMoves = 32785,
    SetBookmark1 = 32815,
    SetBookmark2 = 32816,
    SetBookmark3 = 32817,
    SetBookmark4 = 32819,
    GoToBookmark1 = 32820,
    GoToBookmark2 = 32821,
    GoToBookmark3 = 32822,
    GoToBookmark4 = 32823,
    UseSound = 32827,
    HallOfFame = 32824,
    EnterDesign = 32779,
    EditSettings = 32780,
    SaveGame = 32781,
    ShiftRight = 32788,
    ShiftLeft = 32789,
    ShiftUp = 32790,
    ShiftDown = 32791,
    InsertMode = 32792,
    RemoveMode = 32793,
    ClearBoard = 32803,
    ExitDesign = 32787,
    Toolbar = 59392,
    StatusBar = 59393,
    FullScreen = 32826,
    Manual = 32776,
    About = 57664,
};

constexpr int id(Command command) {
    return static_cast<int>(command);
}

// The Set Bookmark and Go To Bookmark commands of bookmarks 0..3.
constexpr Command kSetBookmark[] = {Command::SetBookmark1, Command::SetBookmark2, Command::SetBookmark3,
                                    Command::SetBookmark4};
constexpr Command kGoToBookmark[] = {Command::GoToBookmark1, Command::GoToBookmark2, Command::GoToBookmark3,
                                     Command::GoToBookmark4};

// What of the frame the check marks show beside the game's state.
struct FrameState {
    bool toolbarShown = true;
    bool statusBarShown = true;
};

// Whether a command can be chosen in the game's state; an id of no command never can.
bool isEnabled(Command command, const Game& game);
// Whether a command shows a check mark: the game's option or tool, or what the frame shows.
constexpr bool isCheckable(Command command) {
    switch (command) {
        case Command::UseSound:
        case Command::InsertMode:
        case Command::RemoveMode:
        case Command::Toolbar:
        case Command::StatusBar:
            return true;
        default:
            return false;
    }
}
bool isChecked(Command command, const Game& game, const FrameState& frame = {});

}  // namespace morvane
