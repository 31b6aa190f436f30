#pragma once

#include <optional>

#include "orbeni/game/options.h"

namespace orbeni {

// Every command of the main window's menus, tool bar and keys, and of the layout editor's menus.
// 0 stands for a separator in the menus and the tool bar, so no command takes it.
enum class Command {
    // File
    NewFullyRandomGame = 1,
    NewRandomSpecificGame,
    NewSpecificGame,
    NewRiversGame,
    Exit,
    // Play
    Back,
    Hint,
    Pause,
    Shuffle,
    Stop,
    Restart,
    PlayerName,
    DeleteScores,
    VerticalVariation,
    RandomSeed,
    CanBeWon,
    Solve,
    // View
    InvertSelection,
    CoolStatus,
    CoolMouse,
    CoolToolbar,
    ShowTimeLeft,
    ShowMovesLeft,
    ShowHallOfFame,
    ShowStatusBar,
    ShowToolbar,
    ScaleBoard,
    // Highlight
    HighlightNone,
    HighlightRed,
    HighlightGreen,
    HighlightBlue,
    HighlightColoredTile,
    ShowCurrentTile,
    OnlyPossibleMoves,
    // Configuration
    WinnableLayouts,
    WinnableShuffles,
    EnableHall,
    AnimateBoard,
    AnimateTileRivers,
    PlayMusic,
    StartMusic,
    PlaySounds,
    SwitchTo800x600,
    BeginAtStartup,
    NewGameOnLayoutChange,
    WarnUnwinnable,
    HintsKeepWinnable,
    // Background and Tileset
    BackgroundFromDisk,
    BackgroundNone,
    BackgroundDragons,
    BackgroundAndromeda,
    BackgroundKanji,
    TilesetFromDisk,
    TilesetNormal,
    TilesetDarker,
    TilesetBlue,
    // Layout: the list holds one entry per layout, numbered as the layout list numbers them
    CreateLayout,
    EditLayout,
    Layouts,
    ImportLayout,
    // Music: the list holds one entry per piece, numbered from 1
    RandomMusic,
    MusicPieces,
    // Help
    Contents,
    HallOfFame,
    About,
    // Only on the tool bar and the keys
    NewGame,
    PlayTheMusic,
    PauseTheMusic,
    // The layout editor's menus
    EditorSave,
    EditorSaveAs,
    EditorTryIt,
    EditorExit,
    MoveToLeft,
    MoveToRight,
    MoveToTop,
    MoveToBottom,
};

// The groups of choices of which the menus check exactly the one in use.
enum class ChoiceGroup { Highlight, Background, Tileset };

struct Choice {
    ChoiceGroup group = ChoiceGroup::Highlight;
    // The highlight mode, background or tileset number the settings file stores for it.
    int value = 0;
};

// What the commands' rules read: where the game stands and every mark the menus show, wherever
// the window keeps it. The window gathers it; the rules only read it.
struct CommandState {
    bool editor = false;
    bool solverAvailable = false;
    // Every check mark but the choices and the lists.
    Options options;
    int highlight = 0;
    int background = 0;
    int tileset = 0;
    int checkedLayout = 0;
    int musicPiece = 0;

    bool operator==(const CommandState&) const = default;
};

// The choice a command of a choice group makes, or none for any other command. The values are
// those of the settings file's Highlight, Background and Tileset keys.
constexpr std::optional<Choice> choiceOf(Command command) {
    switch (command) {
        case Command::HighlightNone:
            return Choice{ChoiceGroup::Highlight, 0};
        case Command::HighlightRed:
            return Choice{ChoiceGroup::Highlight, 1};
        case Command::HighlightColoredTile:
            return Choice{ChoiceGroup::Highlight, 2};
        case Command::HighlightGreen:
            return Choice{ChoiceGroup::Highlight, 3};
        case Command::HighlightBlue:
            return Choice{ChoiceGroup::Highlight, 4};
        case Command::BackgroundKanji:
            return Choice{ChoiceGroup::Background, 0};
        case Command::BackgroundDragons:
            return Choice{ChoiceGroup::Background, 1};
        case Command::BackgroundNone:
            return Choice{ChoiceGroup::Background, 2};
        case Command::BackgroundFromDisk:
            return Choice{ChoiceGroup::Background, 3};
        case Command::BackgroundAndromeda:
            return Choice{ChoiceGroup::Background, 4};
        case Command::TilesetFromDisk:
            return Choice{ChoiceGroup::Tileset, 0};
        case Command::TilesetNormal:
            return Choice{ChoiceGroup::Tileset, 1};
        case Command::TilesetDarker:
            return Choice{ChoiceGroup::Tileset, 2};
        case Command::TilesetBlue:
            return Choice{ChoiceGroup::Tileset, 3};
        default:
            return std::nullopt;
    }
}

// The layout editor's commands act only while it runs, the game's only while it does not; the
// solver's need a game in play. item is the entry of a list, else 0.
bool isEnabled(Command command, int item, const CommandState& state);
// Whether a command's menu item shows its mark: its option is on, or it is the choice in use.
bool isChecked(Command command, int item, const CommandState& state);

}  // namespace orbeni
