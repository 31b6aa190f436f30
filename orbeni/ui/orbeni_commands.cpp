#include <QMenuBar>

#include "orbeni/ui/orbeni_window.h"
#include "platform/qt/command_actions.h"

// What each command runs, menu by menu, and what follows it. The choices of highlight, background
// and tileset go by their group instead (CommandBinding).

namespace orbeni {

namespace {

// Each pair of a solution stays shown as a hint this long before it is taken.
constexpr int kSolveStepMilliseconds = 700;

}  // namespace

void TOrbeni::bindCommands() {
    bindPlayCommands();
    bindOptionCommands();
    bindListAndHelpCommands();
    bindEditorCommands();
}

void TOrbeni::bindPlayCommands() {
    m_commands.bind(Command::NewFullyRandomGame,
                    [this] { newDeal([this] { m_game.RandomSolitaireGame1Click(); }); });
    m_commands.bind(Command::NewRandomSpecificGame,
                    [this] { newDeal([this] { m_game.NewRandomSpecificGame1Click(); }); });
    m_commands.bind(Command::NewSpecificGame,
                    [this] { newDeal([this] { m_game.NewSpecificGame1Click(); }); });
    m_commands.bind(Command::NewRiversGame, [this] { newDeal([this] { m_game.FourRivers(); }); });
    m_commands.bind(Command::Exit, [this] { Exit1Click(); });
    m_commands.bind(Command::Back, [this] { m_game.Back(); });
    m_commands.bind(Command::Hint, [this] { m_game.Hint(); });
    m_commands.bind(Command::Pause, [this] { m_game.PauseClick(); });
    m_commands.bind(Command::Shuffle, [this] { m_game.Shuffle1Click(); });
    m_commands.bind(Command::Stop, [this] { m_game.Stop(); });
    m_commands.bind(Command::Restart, [this] { newDeal([this] { m_game.Restart(); }); });
    m_commands.bind(Command::PlayerName, [this] { m_host.ConfigClick(); });
    m_commands.bind(Command::DeleteScores, [this] { m_game.DeleteHighscores1Click(); });
    m_commands.bind(Command::VerticalVariation, [this] { m_game.VerticalClick(); });
    m_commands.bind(Command::RandomSeed, [this] { m_game.RandomSeed1Click(); });
    m_commands.bind(Command::CanBeWon, [this] { m_game.CanBeWonClick(); });
    m_commands.bind(Command::Solve, [this] { SolveClick(); });
}

// The View and Configuration menus.
void TOrbeni::bindOptionCommands() {
    Options& options = m_settings.options;
    m_commands.bindToggle(Command::InvertSelection, options.invertSelection);
    m_commands.bindToggle(Command::CoolStatus, options.coolStatus);
    m_commands.bind(Command::CoolMouse, [this] { m_chrome.CoolMouseClick(); });
    m_commands.bind(Command::CoolToolbar, [this] { m_chrome.CoolToolbarClick(); });
    m_commands.bindToggle(Command::ShowTimeLeft, options.showTime);
    m_commands.bind(Command::ShowMovesLeft, [this] { m_game.NStatus(); });
    m_commands.bind(Command::ShowHallOfFame, [this] { m_chrome.ShowHallPanel(); });
    m_commands.bind(Command::ShowStatusBar, [this] { m_chrome.ShowTitleClick(); });
    m_commands.bind(Command::ShowToolbar, [this] { m_chrome.Toolbar1Click(); });
    m_commands.bind(Command::ScaleBoard, [this] { m_chrome.ScaleBoardClick(); });
    m_commands.bindToggle(Command::ShowCurrentTile, options.showCurrentTile);
    m_commands.bindToggle(Command::OnlyPossibleMoves, options.onlyPossibleMoves);
    m_commands.bind(Command::WinnableLayouts, [this] { m_game.WinnableClick(); });
    m_commands.bind(Command::WinnableShuffles, [this] { m_game.ShuffableClick(); });
    m_commands.bindToggle(Command::EnableHall, options.enableHall);
    m_commands.bind(Command::AnimateBoard, [this] { m_game.AnimateClick(); });
    m_commands.bindToggle(Command::AnimateTileRivers, options.tileRivers);
    m_commands.bind(Command::PlayMusic, [this] { m_music.PlayMusicClick(); });
    m_commands.bind(Command::StartMusic, [this] { m_music.StartMusicClick(); });
    // The game asks for its effects only while they are on; the music plays them under the same mark.
    m_commands.bind(Command::PlaySounds, [this] { m_music.PlaySoundsClick(); });
    m_commands.bindToggle(Command::SwitchTo800x600, options.setRes800);
    m_commands.bindToggle(Command::BeginAtStartup, options.startDirectly);
    m_commands.bindToggle(Command::NewGameOnLayoutChange, options.neverWarn);
    m_commands.bindToggle(Command::WarnUnwinnable, options.warnUnwinnable);
    m_commands.bindToggle(Command::HintsKeepWinnable, options.hintsKeepWinnable);
}

// The Layout, Music and Help menus, and the toolbar's own buttons. A layout's entry is its number
// in the layout list, a piece's its number in the Music menu.
void TOrbeni::bindListAndHelpCommands() {
    m_commands.bind(Command::CreateLayout,
                    [this] { m_editorDriver.enter([this] { m_editor.CreateLayout1Click(); }); });
    m_commands.bind(Command::EditLayout,
                    [this] { m_editorDriver.enter([this] { m_editor.Editlayout1Click(); }); });
    m_commands.bindList(Command::Layouts, [this](int number) {
        const LayoutEntry* entry = m_layoutMenu.list().entry(number);
        if (entry == nullptr) {
            return;
        }
        const bool shape = entry->kind == LayoutKind::Shp;
        newDeal([this, number, shape] {
            shape ? m_layoutMenu.LoadShplayoutClick(number) : m_layoutMenu.LoadlayoutClick(number);
        });
    });
    m_commands.bind(Command::ImportLayout, [this] { ImportLayoutClick(); });
    m_commands.bind(Command::RandomMusic, [this] { m_music.RandomMusicClick(); });
    m_commands.bindList(Command::MusicPieces, [this](int piece) { m_music.LoadMidiClick(piece); });
    m_commands.bind(Command::Contents, [this] { m_host.HelpClick(); });
    m_commands.bind(Command::HallOfFame, [this] { m_host.ShowScores(); });
    m_commands.bind(Command::About, [this] { m_host.About1Click(); });
    m_commands.bind(Command::NewGame, [this] { newDeal([this] { m_game.NewGame(); }); });
    m_commands.bind(Command::PlayTheMusic, [this] { m_music.mediaPlay(); });
    m_commands.bind(Command::PauseTheMusic, [this] { m_music.mediaPause(); });
}

void TOrbeni::bindEditorCommands() {
    const auto leaveBy = [this](EditorExit exit) {
        return [this, exit] { m_editorDriver.saveAndExit(exit); };
    };
    m_commands.bind(Command::EditorSave, leaveBy(EditorExit::Save));
    m_commands.bind(Command::EditorSaveAs, leaveBy(EditorExit::SaveAs));
    m_commands.bind(Command::EditorTryIt, leaveBy(EditorExit::TryIt));
    m_commands.bind(Command::EditorExit, [this] { m_editorDriver.cancel(); });
    const auto moveBoard = [this](void (LayoutEditor::*move)()) {
        return [this, move] { m_editorDriver.moveBoard(move); };
    };
    m_commands.bind(Command::MoveToLeft, moveBoard(&LayoutEditor::Movetoleft1Click));
    m_commands.bind(Command::MoveToRight, moveBoard(&LayoutEditor::Movetoright1Click));
    m_commands.bind(Command::MoveToTop, moveBoard(&LayoutEditor::Movetotop1Click));
    m_commands.bind(Command::MoveToBottom, moveBoard(&LayoutEditor::Movetobottom1Click));
}

// The game's menu bar, and the editor's kept aside until the editor runs.
void TOrbeni::createMenus() {
    auto [gameMenus, editorMenus] = m_commands.addMenus(*menuBar());
    m_editorDriver.setChrome(m_chrome.toolbar(), std::move(gameMenus), std::move(editorMenus));
    std::vector<std::string> pieces;
    for (const MusicPiece& piece : m_music.pieces()) {
        pieces.push_back(piece.caption);
    }
    m_commands.showList(Command::MusicPieces, std::move(pieces));
}

// Runs a command of the game, then shows its outcome in the menus and keeps the keyboard's
// cursor on a tile. A Rivers slide still under way ends first, so that the command finds the
// pair gone.
void TOrbeni::runCommand(const std::function<void()>& command) {
    stopSolving();
    m_game.finishRiverSlide();
    command();
    followBoardChange();
}

// What follows any change of the game: the saved game, the keyboard's cursor, the menus and the
// status bar's counts.
void TOrbeni::followBoardChange() {
    m_savedGame.follow(m_game);
    m_keys.settle();
    updateActions();
    wakeTempsSoon();
}

CommandState TOrbeni::commandState() const {
    return {
        .editor = m_game.EditorMode(),
        .solverAvailable = m_game.solverAvailable(),
        .options = m_settings.options,
        .highlight = m_settings.highlight,
        .background = m_settings.background,
        .tileset = m_settings.tileset,
        .checkedLayout = m_game.checkedLayout(),
        .musicPiece = m_music.midiNumber(),
    };
}

// The one place that turns the commands on and off and sets their marks, from the game's rules.
// The layouts are listed after the editor's entries; saving a new layout adds one.
void TOrbeni::updateActions() {
    m_commands.showList(Command::Layouts, m_layoutMenu.list().captions());
    m_editorDriver.showTilesLeft();
    m_commands.update(commandState());
}

void TOrbeni::Exit1Click() {
    close();
}

void TOrbeni::SolveClick() {
    if (m_game.SolveClick()) {
        m_solveTimer.start(kSolveStepMilliseconds);
    }
}

// One step of the solution on the timer, which runs only while a solution plays.
void TOrbeni::stepSolve() {
    if (!m_game.solveStep()) {
        m_solveTimer.stop();
    }
    followBoardChange();
}

// Any click or command of the player ends a solution that plays.
void TOrbeni::stopSolving() {
    m_solveTimer.stop();
    m_game.stopSolving();
}

}  // namespace orbeni
