#include "orbeni/view/command_table.h"

#include <array>
#include <string_view>

#include "orbeni/game/window_commands.h"

namespace orbeni {

namespace {

using platform::MenuLine;
using platform::StandardKey;

constexpr int id(Command command) {
    return static_cast<int>(command);
}

constexpr platform::Command plain(Command command, std::string_view caption) {
    return {.id = id(command), .caption = caption};
}

constexpr platform::Command mark(Command command, std::string_view caption) {
    return {.id = id(command), .caption = caption, .checkable = true};
}

constexpr platform::Command choice(Command command, std::string_view caption) {
    return {.id = id(command),
            .caption = caption,
            .checkable = true,
            .group = static_cast<int>(choiceOf(command)->group) + 1};
}

// A command the tool bar shows as well, with its hint.
constexpr platform::Command button(Command command, std::string_view caption, std::string_view hint) {
    return {.id = id(command), .caption = caption, .toolTip = hint};
}

constexpr int kLayoutGroup = 10;

constexpr std::array kCommands = {
    plain(Command::NewFullyRandomGame, "Mah-Jongg Solitaire : New Fully Random Game"),
    plain(Command::NewRandomSpecificGame, "Mah-Jongg Solitaire : New Random Specific Game"),
    plain(Command::NewSpecificGame, "Mah-Jongg Solitaire : New Specific Game"),
    plain(Command::NewRiversGame, "Mah-Jongg Rivers : New Game"),
    // Not every desktop has a quit key of its own; the game's stays the same everywhere.
    platform::Command{.id = id(Command::Exit),
                      .caption = "E&xit",
                      .keys = "Ctrl+Q",
                      .standardKey = StandardKey::Quit,
                      .toolTip = "Leave Orbeni"},
    platform::Command{.id = id(Command::Back),
                      .caption = "&Back",
                      .standardKey = StandardKey::Undo,
                      .toolTip = "Take back the last pair"},
    platform::Command{
        .id = id(Command::Hint), .caption = "&Hint", .keys = "H", .toolTip = "Show a pair you can take"},
    // The game renames the item and the button while it is paused, each its own way.
    platform::Command{.id = id(Command::Pause),
                      .caption = "&Pause",
                      .keys = "P",
                      .toolTip = "Pause the game",
                      .buttonCaption = "Pause"},
    button(Command::Shuffle, "Shu&ffle", "Shuffle the tiles left"),
    plain(Command::Stop, "&Stop"),
    plain(Command::Restart, "&Restart"),
    plain(Command::PlayerName, "&Player Name"),
    plain(Command::DeleteScores, "Delete Scores"),
    mark(Command::VerticalVariation, "Vertical Variation"),
    mark(Command::RandomSeed, "Random Seed"),
    plain(Command::CanBeWon, "Can it still be won?"),
    plain(Command::Solve, "Solve"),
    mark(Command::InvertSelection, "&Invert selection"),
    mark(Command::CoolStatus, "Cool Status"),
    mark(Command::CoolMouse, "Cool Mouse"),
    mark(Command::CoolToolbar, "Cool Toolbar"),
    mark(Command::ShowTimeLeft, "&Show Time Left"),
    mark(Command::ShowMovesLeft, "Show &Moves Left"),
    mark(Command::ShowHallOfFame, "Show Hall of &Fame"),
    mark(Command::ShowStatusBar, "Show Status Bar"),
    mark(Command::ShowToolbar, "Show &Toolbar"),
    mark(Command::ScaleBoard, "Scale board to window"),
    choice(Command::HighlightNone, "None"),
    choice(Command::HighlightRed, "Red Rectangle"),
    choice(Command::HighlightGreen, "Green Rectangle"),
    choice(Command::HighlightBlue, "Blue Rectangle"),
    choice(Command::HighlightColoredTile, "Colored Tile"),
    mark(Command::ShowCurrentTile, "Show Current Tile"),
    mark(Command::OnlyPossibleMoves, "Only possible moves"),
    mark(Command::WinnableLayouts, "Winnable Layouts (in at least one way)"),
    mark(Command::WinnableShuffles, "Winnable Shuffles (in at least one way)"),
    mark(Command::EnableHall, "Enable time tracking for the Hall of fame"),
    mark(Command::AnimateBoard, "Animate Board while building the tiles"),
    mark(Command::AnimateTileRivers, "Animate Tile Rivers in Mahjongg Rivers"),
    mark(Command::PlayMusic, "Play music"),
    mark(Command::StartMusic, "Run music automatically at startup"),
    mark(Command::PlaySounds, "Play sound effects"),
    mark(Command::SwitchTo800x600, "Switch to 800x600 at startup"),
    mark(Command::BeginAtStartup, "Begin new game at startup"),
    mark(Command::NewGameOnLayoutChange, "Start new game when changing layout"),
    mark(Command::WarnUnwinnable, "Warn when the game cannot be won any more"),
    mark(Command::HintsKeepWinnable, "Hints keep the game winnable"),
    choice(Command::BackgroundFromDisk, "Load from disk"),
    choice(Command::BackgroundNone, "None"),
    choice(Command::BackgroundDragons, "&Dragons"),
    choice(Command::BackgroundAndromeda, "Andromeda"),
    choice(Command::BackgroundKanji, "&Kanji (classic)"),
    choice(Command::TilesetFromDisk, "Load from disk"),
    choice(Command::TilesetNormal, "Mahjongg (normal)"),
    choice(Command::TilesetDarker, "Mahjongg (darker)"),
    choice(Command::TilesetBlue, "Mahjongg (blue)"),
    plain(Command::CreateLayout, "Create Layout"),
    plain(Command::EditLayout, "Edit Layout"),
    platform::Command{.id = id(Command::Layouts),
                      .caption = "layout",
                      .checkable = true,
                      .group = kLayoutGroup,
                      .isList = true},
    plain(Command::ImportLayout, "Import layout..."),
    mark(Command::RandomMusic, "Random Music"),
    platform::Command{.id = id(Command::MusicPieces), .caption = "piece", .checkable = true, .isList = true},
    platform::Command{.id = id(Command::Contents),
                      .caption = "&Contents",
                      .standardKey = StandardKey::HelpContents,
                      .toolTip = "Rules, tiles and notes",
                      .buttonCaption = "Help"},
    button(Command::HallOfFame, "&Hall of Fame", "The best times of this layout"),
    button(Command::About, "&About...", "About Orbeni"),
    // No menu item starts a game of the last kind: the tool bar's picture button and its key do,
    // also while the tool bar is hidden.
    platform::Command{.id = id(Command::NewGame),
                      .caption = "New Game",
                      .standardKey = StandardKey::New,
                      .toolTip = "New Game"},
    button(Command::PlayTheMusic, "\u25B6", "Play the music"),
    button(Command::PauseTheMusic, "\u275A\u275A", "Pause the music"),
};

constexpr MenuLine line(Command command) {
    return MenuLine{.id = id(command)};
}

constexpr MenuLine kSeparator{};

constexpr std::array kFileMenu = {
    line(Command::NewFullyRandomGame),
    line(Command::NewRandomSpecificGame),
    line(Command::NewSpecificGame),
    line(Command::NewRiversGame),
    kSeparator,
    line(Command::Exit),
};
constexpr std::array kPlayMenu = {
    line(Command::Back),
    line(Command::Hint),
    line(Command::Pause),
    line(Command::Shuffle),
    line(Command::Stop),
    line(Command::Restart),
    kSeparator,
    line(Command::PlayerName),
    line(Command::DeleteScores),
    kSeparator,
    line(Command::VerticalVariation),
    line(Command::RandomSeed),
    kSeparator,
    line(Command::CanBeWon),
    line(Command::Solve),
};
constexpr std::array kViewMenu = {
    line(Command::InvertSelection),
    line(Command::CoolStatus),
    line(Command::CoolMouse),
    line(Command::CoolToolbar),
    line(Command::ShowTimeLeft),
    line(Command::ShowMovesLeft),
    kSeparator,
    line(Command::ShowHallOfFame),
    line(Command::ShowStatusBar),
    line(Command::ShowToolbar),
    kSeparator,
    line(Command::ScaleBoard),
};
constexpr std::array kHighlightMenu = {
    line(Command::HighlightNone),   line(Command::HighlightRed),         line(Command::HighlightGreen),
    line(Command::HighlightBlue),   line(Command::HighlightColoredTile), kSeparator,
    line(Command::ShowCurrentTile), line(Command::OnlyPossibleMoves),
};
constexpr std::array kConfigurationMenu = {
    line(Command::WinnableLayouts),
    line(Command::WinnableShuffles),
    line(Command::EnableHall),
    line(Command::AnimateBoard),
    line(Command::AnimateTileRivers),
    kSeparator,
    line(Command::PlayMusic),
    line(Command::StartMusic),
    line(Command::PlaySounds),
    kSeparator,
    line(Command::SwitchTo800x600),
    line(Command::BeginAtStartup),
    line(Command::NewGameOnLayoutChange),
    line(Command::WarnUnwinnable),
    line(Command::HintsKeepWinnable),
};
constexpr std::array kBackgroundMenu = {
    line(Command::BackgroundFromDisk),  line(Command::BackgroundNone),  line(Command::BackgroundDragons),
    line(Command::BackgroundAndromeda), line(Command::BackgroundKanji),
};
constexpr std::array kTilesetMenu = {
    line(Command::TilesetFromDisk),
    line(Command::TilesetNormal),
    line(Command::TilesetDarker),
    line(Command::TilesetBlue),
};
constexpr std::array kLayoutMenu = {
    line(Command::CreateLayout), line(Command::EditLayout), kSeparator, line(Command::Layouts), kSeparator,
    line(Command::ImportLayout),
};
constexpr std::array kMusicMenu = {
    line(Command::RandomMusic),
    kSeparator,
    line(Command::MusicPieces),
};
constexpr std::array kHelpMenu = {
    line(Command::Contents),
    line(Command::HallOfFame),
    kSeparator,
    line(Command::About),
};

constexpr std::array kMenuBar = {
    MenuLine{.submenu = "&File", .lines = kFileMenu},
    MenuLine{.submenu = "&Play", .lines = kPlayMenu},
    MenuLine{.submenu = "View", .lines = kViewMenu},
    MenuLine{.submenu = "&Highlight", .lines = kHighlightMenu},
    MenuLine{.submenu = "&Configuration", .lines = kConfigurationMenu},
    MenuLine{.submenu = "&Background", .lines = kBackgroundMenu},
    MenuLine{.submenu = "Tileset", .lines = kTilesetMenu},
    MenuLine{.submenu = "&Layout", .lines = kLayoutMenu},
    MenuLine{.submenu = "M&usic", .lines = kMusicMenu},
    MenuLine{.submenu = "&Help", .lines = kHelpMenu},
};

constexpr std::array kButtonsBeforePlayer = {
    id(Command::NewGame),      id(Command::Back),          id(Command::Hint),
    id(Command::Shuffle),      id(Command::Pause),         0,
    id(Command::PlayTheMusic), id(Command::PauseTheMusic), 0,
};
constexpr std::array kButtonsAfterPlayer = {
    0, id(Command::Contents), id(Command::About), id(Command::HallOfFame), id(Command::Exit),
};

// The editor names no keys; saving takes the desktop's own.
constexpr std::array kEditorCommands = {
    platform::Command{.id = id(Command::EditorSave), .caption = "Save", .standardKey = StandardKey::Save},
    plain(Command::EditorSaveAs, "Save as..."),
    plain(Command::EditorTryIt, "Try it"),
    plain(Command::EditorExit, "Exit"),
    plain(Command::MoveToLeft, "Move to left <"),
    plain(Command::MoveToRight, "Move to right >"),
    plain(Command::MoveToTop, "Move to top /\\"),
    plain(Command::MoveToBottom, "Move to bottom \\/"),
};

constexpr std::array kEditorExitMenu = {
    line(Command::EditorSave), line(Command::EditorSaveAs), line(Command::EditorTryIt), kSeparator,
    line(Command::EditorExit),
};
constexpr std::array kMoveBoardMenu = {
    line(Command::MoveToLeft),
    line(Command::MoveToRight),
    line(Command::MoveToTop),
    line(Command::MoveToBottom),
};
constexpr std::array kEditorMenuBar = {
    MenuLine{.submenu = "Exit", .lines = kEditorExitMenu},
    MenuLine{.submenu = "Move Board", .lines = kMoveBoardMenu},
};

}  // namespace

std::span<const platform::Command> commandTable() {
    return kCommands;
}

std::span<const platform::MenuLine> gameMenuBar() {
    return kMenuBar;
}

ToolBarLayout toolBar() {
    return {kButtonsBeforePlayer, kButtonsAfterPlayer};
}

std::span<const platform::Command> editorCommandTable() {
    return kEditorCommands;
}

std::span<const platform::MenuLine> editorMenuBar() {
    return kEditorMenuBar;
}

}  // namespace orbeni
