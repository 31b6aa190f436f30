#include <gtest/gtest.h>

#include <vector>

#include "orbeni/game/window_commands.h"

namespace orbeni {
namespace {

// Every command, from the first to the last of the enum.
std::vector<Command> allCommands() {
    std::vector<Command> commands;
    for (int id = static_cast<int>(Command::NewFullyRandomGame);
         id <= static_cast<int>(Command::MoveToBottom); ++id) {
        commands.push_back(static_cast<Command>(id));
    }
    return commands;
}

// Only the editor's own commands act while it runs, and only the game's while it does not; the
// solver's wait for a game in play.
TEST(WindowCommandsTest, EachCommandActsOnlyWhereItsMenusAreShown) {
    struct Case {
        Command command;
        bool inEditor;
        bool solverAvailable;
        bool enabled;
    };
    const Case cases[] = {
        {Command::Hint, false, false, true},        {Command::Hint, true, false, false},
        {Command::Exit, true, false, false},        {Command::NewGame, true, false, false},
        {Command::Layouts, false, false, true},     {Command::Solve, false, true, true},
        {Command::Solve, false, false, false},      {Command::CanBeWon, false, false, false},
        {Command::CanBeWon, true, true, false},     {Command::EditorSave, true, false, true},
        {Command::EditorSave, false, false, false}, {Command::MoveToBottom, true, false, true},
        {Command::MoveToLeft, false, true, false},  {Command::PlayTheMusic, false, false, true},
    };
    for (const Case& c : cases) {
        CommandState state;
        state.editor = c.inEditor;
        state.solverAvailable = c.solverAvailable;
        EXPECT_EQ(isEnabled(c.command, 0, state), c.enabled)
            << static_cast<int>(c.command) << " editor " << c.inEditor << " solver " << c.solverAvailable;
    }
}

// Turning one option on checks its own item and no other.
TEST(WindowCommandsTest, EachMarkFollowsItsOwnOption) {
    struct Case {
        Command command;
        void (*turnOn)(CommandState&);
    };
    const Case cases[] = {
        {Command::VerticalVariation, [](CommandState& s) { s.options.Vertical = true; }},
        {Command::RandomSeed, [](CommandState& s) { s.options.RandomSeed1 = true; }},
        {Command::CoolStatus, [](CommandState& s) { s.options.coolStatus = true; }},
        {Command::ShowTimeLeft, [](CommandState& s) { s.options.showTime = true; }},
        {Command::ShowMovesLeft, [](CommandState& s) { s.options.showMoves = true; }},
        {Command::ShowHallOfFame, [](CommandState& s) { s.options.showHallOfFame = true; }},
        {Command::WinnableLayouts, [](CommandState& s) { s.options.Winnable = true; }},
        {Command::WinnableShuffles, [](CommandState& s) { s.options.Shuffable = true; }},
        {Command::EnableHall, [](CommandState& s) { s.options.enableHall = true; }},
        {Command::AnimateBoard, [](CommandState& s) { s.options.Animate = true; }},
        {Command::AnimateTileRivers, [](CommandState& s) { s.options.tileRivers = true; }},
        {Command::NewGameOnLayoutChange, [](CommandState& s) { s.options.neverWarn = true; }},
        {Command::WarnUnwinnable, [](CommandState& s) { s.options.warnUnwinnable = true; }},
        {Command::InvertSelection, [](CommandState& s) { s.options.invertSelection = true; }},
        {Command::ShowCurrentTile, [](CommandState& s) { s.options.showCurrentTile = true; }},
        {Command::OnlyPossibleMoves, [](CommandState& s) { s.options.onlyPossibleMoves = true; }},
        {Command::CoolMouse, [](CommandState& s) { s.options.coolMouse = true; }},
        {Command::CoolToolbar, [](CommandState& s) { s.options.coolToolbar = true; }},
        {Command::ShowStatusBar, [](CommandState& s) { s.options.showStatus = true; }},
        {Command::ShowToolbar, [](CommandState& s) { s.options.showToolbar = true; }},
        {Command::ScaleBoard, [](CommandState& s) { s.options.scaleBoard = true; }},
        {Command::SwitchTo800x600, [](CommandState& s) { s.options.setRes800 = true; }},
        {Command::BeginAtStartup, [](CommandState& s) { s.options.startDirectly = true; }},
        {Command::PlayMusic, [](CommandState& s) { s.options.playMusic = true; }},
        {Command::StartMusic, [](CommandState& s) { s.options.startMusic = true; }},
        {Command::PlaySounds, [](CommandState& s) { s.options.playSounds = true; }},
        {Command::RandomMusic, [](CommandState& s) { s.options.randomMusic = true; }},
    };
    // No option on, the choices and lists pointing nowhere: only the option's own mark can show.
    CommandState allOff{.options = Options{.Shuffable = false,
                                           .showMoves = false,
                                           .showTime = false,
                                           .coolStatus = false,
                                           .playSounds = false,
                                           .enableHall = false,
                                           .tileRivers = false,
                                           .showHallOfFame = false,
                                           .playMusic = false,
                                           .startMusic = false,
                                           .coolMouse = false,
                                           .coolToolbar = false,
                                           .showToolbar = false,
                                           .showStatus = false,
                                           .startDirectly = false},
                        .highlight = -1,
                        .background = -1,
                        .tileset = -1,
                        .checkedLayout = -1,
                        .musicPiece = -1};
    for (const Case& c : cases) {
        CommandState state = allOff;
        c.turnOn(state);
        for (const Command command : allCommands()) {
            EXPECT_EQ(isChecked(command, 0, state), command == c.command)
                << "turning on the option of " << static_cast<int>(c.command) << " marks "
                << static_cast<int>(command);
        }
    }
}

// Each value of a group checks exactly one item of it, the one the settings file stores it as.
TEST(WindowCommandsTest, AChoiceIsCheckedByTheValueTheSettingsFileHolds) {
    struct Case {
        ChoiceGroup group;
        int value;
        Command chosen;
    };
    const Case cases[] = {
        {ChoiceGroup::Highlight, 0, Command::HighlightNone},
        {ChoiceGroup::Highlight, 1, Command::HighlightRed},
        {ChoiceGroup::Highlight, 2, Command::HighlightColoredTile},
        {ChoiceGroup::Highlight, 3, Command::HighlightGreen},
        {ChoiceGroup::Highlight, 4, Command::HighlightBlue},
        {ChoiceGroup::Background, 0, Command::BackgroundKanji},
        {ChoiceGroup::Background, 1, Command::BackgroundDragons},
        {ChoiceGroup::Background, 2, Command::BackgroundNone},
        {ChoiceGroup::Background, 3, Command::BackgroundFromDisk},
        {ChoiceGroup::Background, 4, Command::BackgroundAndromeda},
        {ChoiceGroup::Tileset, 0, Command::TilesetFromDisk},
        {ChoiceGroup::Tileset, 1, Command::TilesetNormal},
        {ChoiceGroup::Tileset, 2, Command::TilesetDarker},
        {ChoiceGroup::Tileset, 3, Command::TilesetBlue},
    };
    for (const Case& c : cases) {
        CommandState state;
        state.highlight = state.background = state.tileset = -1;
        (c.group == ChoiceGroup::Highlight    ? state.highlight
         : c.group == ChoiceGroup::Background ? state.background
                                              : state.tileset) = c.value;
        for (const Command command : allCommands()) {
            const std::optional<Choice> choice = choiceOf(command);
            if (choice && choice->group == c.group) {
                EXPECT_EQ(isChecked(command, 0, state), command == c.chosen)
                    << "value " << c.value << " command " << static_cast<int>(command);
            }
        }
    }
}

// The layout list checks the layout of the next deal, the music list the selected piece.
TEST(WindowCommandsTest, ListsCheckTheirEntryInUse) {
    CommandState state;
    state.checkedLayout = 3;
    state.musicPiece = 2;
    for (int item = 1; item <= 5; ++item) {
        EXPECT_EQ(isChecked(Command::Layouts, item, state), item == 3) << item;
        EXPECT_EQ(isChecked(Command::MusicPieces, item, state), item == 2) << item;
    }
}

}  // namespace
}  // namespace orbeni
