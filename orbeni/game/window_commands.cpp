#include "orbeni/game/window_commands.h"

namespace orbeni {

namespace {

bool isEditorCommand(Command command) {
    switch (command) {
        case Command::EditorSave:
        case Command::EditorSaveAs:
        case Command::EditorTryIt:
        case Command::EditorExit:
        case Command::MoveToLeft:
        case Command::MoveToRight:
        case Command::MoveToTop:
        case Command::MoveToBottom:
            return true;
        default:
            return false;
    }
}

// The check marks of the game's own options.
std::optional<bool> optionMark(Command command, const Options& options) {
    switch (command) {
        case Command::VerticalVariation:
            return options.Vertical;
        case Command::RandomSeed:
            return options.RandomSeed1;
        case Command::CoolStatus:
            return options.coolStatus;
        case Command::ShowTimeLeft:
            return options.showTime;
        case Command::ShowMovesLeft:
            return options.showMoves;
        case Command::ShowHallOfFame:
            return options.showHallOfFame;
        case Command::WinnableLayouts:
            return options.Winnable;
        case Command::WinnableShuffles:
            return options.Shuffable;
        case Command::EnableHall:
            return options.enableHall;
        case Command::AnimateBoard:
            return options.Animate;
        case Command::AnimateTileRivers:
            return options.tileRivers;
        case Command::NewGameOnLayoutChange:
            return options.neverWarn;
        case Command::WarnUnwinnable:
            return options.warnUnwinnable;
        default:
            return std::nullopt;
    }
}

// The check marks of what the window keeps: drawing, music and its own settings.
std::optional<bool> windowMark(Command command, const CommandState& state) {
    switch (command) {
        case Command::InvertSelection:
            return state.invertSelection;
        case Command::ShowCurrentTile:
            return state.showCurrentTile;
        case Command::OnlyPossibleMoves:
            return state.onlyPossibleMoves;
        case Command::CoolMouse:
            return state.coolMouse;
        case Command::CoolToolbar:
            return state.coolToolbar;
        case Command::ShowStatusBar:
            return state.showStatusBar;
        case Command::ShowToolbar:
            return state.showToolbar;
        case Command::ScaleBoard:
            return state.scaleBoard;
        case Command::SwitchTo800x600:
            return state.switchTo800x600;
        case Command::BeginAtStartup:
            return state.beginAtStartup;
        case Command::PlayMusic:
            return state.playMusic;
        case Command::StartMusic:
            return state.startMusic;
        case Command::PlaySounds:
            return state.playSounds;
        case Command::RandomMusic:
            return state.randomMusic;
        default:
            return std::nullopt;
    }
}

int chosenValue(ChoiceGroup group, const CommandState& state) {
    switch (group) {
        case ChoiceGroup::Highlight:
            return state.highlight;
        case ChoiceGroup::Background:
            return state.background;
        case ChoiceGroup::Tileset:
            return state.tileset;
    }
    return -1;
}

}  // namespace

// The editor's menus replace the game's while it runs: what they hide cannot be chosen by key.
bool isEnabled(Command command, int, const CommandState& state) {
    if (isEditorCommand(command) != state.editor) {
        return false;
    }
    if (command == Command::CanBeWon || command == Command::Solve) {
        return state.solverAvailable;
    }
    return true;
}

bool isChecked(Command command, int item, const CommandState& state) {
    if (command == Command::Layouts) {
        return item == state.checkedLayout;
    }
    if (command == Command::MusicPieces) {
        return item == state.musicPiece;
    }
    if (const std::optional<Choice> choice = choiceOf(command)) {
        return choice->value == chosenValue(choice->group, state);
    }
    if (const std::optional<bool> mark = optionMark(command, state.options)) {
        return *mark;
    }
    return windowMark(command, state).value_or(false);
}

}  // namespace orbeni
