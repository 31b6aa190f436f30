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

// The check marks of the options.
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
        case Command::HintsKeepWinnable:
            return options.hintsKeepWinnable;
        case Command::InvertSelection:
            return options.invertSelection;
        case Command::ShowCurrentTile:
            return options.showCurrentTile;
        case Command::OnlyPossibleMoves:
            return options.onlyPossibleMoves;
        case Command::CoolMouse:
            return options.coolMouse;
        case Command::CoolToolbar:
            return options.coolToolbar;
        case Command::ShowStatusBar:
            return options.showStatus;
        case Command::ShowToolbar:
            return options.showToolbar;
        case Command::ScaleBoard:
            return options.scaleBoard;
        case Command::SwitchTo800x600:
            return options.setRes800;
        case Command::BeginAtStartup:
            return options.startDirectly;
        case Command::PlayMusic:
            return options.playMusic;
        case Command::StartMusic:
            return options.startMusic;
        case Command::PlaySounds:
            return options.playSounds;
        case Command::RandomMusic:
            return options.randomMusic;
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
    return optionMark(command, state.options).value_or(false);
}

}  // namespace orbeni
