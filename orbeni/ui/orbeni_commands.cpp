#include "orbeni/ui/orbeni_window.h"

// What each command runs, menu by menu. The choices of highlight, background and tileset go by
// their group instead (runCommand).

namespace orbeni {

void TOrbeni::bindFileAndPlayCommands() {
    bind(Command::NewFullyRandomGame, [this] { newDeal([this] { m_game.RandomSolitaireGame1Click(); }); });
    bind(Command::NewRandomSpecificGame,
         [this] { newDeal([this] { m_game.NewRandomSpecificGame1Click(); }); });
    bind(Command::NewSpecificGame, [this] { newDeal([this] { m_game.NewSpecificGame1Click(); }); });
    bind(Command::NewRiversGame, [this] { newDeal([this] { m_game.FourRivers(); }); });
    bind(Command::Exit, [this] { Exit1Click(); });
    bind(Command::Back, [this] { m_game.Back(); });
    bind(Command::Hint, [this] { m_game.Hint(); });
    bind(Command::Pause, [this] { m_game.PauseClick(); });
    bind(Command::Shuffle, [this] { m_game.Shuffle1Click(); });
    bind(Command::Stop, [this] { m_game.Stop(); });
    bind(Command::Restart, [this] { newDeal([this] { m_game.Restart(); }); });
    bind(Command::PlayerName, [this] { ConfigClick(); });
    bind(Command::DeleteScores, [this] { m_game.DeleteHighscores1Click(); });
    bind(Command::VerticalVariation, [this] { m_game.VerticalClick(); });
    bind(Command::RandomSeed, [this] { m_game.RandomSeed1Click(); });
    bind(Command::CanBeWon, [this] { m_game.CanBeWonClick(); });
    bind(Command::Solve, [this] { SolveClick(); });
}

void TOrbeni::bindViewCommands() {
    Options& options = m_settings.options;
    bindToggle(Command::InvertSelection, options.invertSelection);
    bindToggle(Command::CoolStatus, options.coolStatus);
    bind(Command::CoolMouse, [this] { CoolMouseClick(); });
    bind(Command::CoolToolbar, [this] { CoolToolbarClick(); });
    bindToggle(Command::ShowTimeLeft, options.showTime);
    bind(Command::ShowMovesLeft, [this] { m_game.NStatus(); });
    bind(Command::ShowHallOfFame, [this] { ShowHallPanel(); });
    bind(Command::ShowStatusBar, [this] { ShowTitleClick(); });
    bind(Command::ShowToolbar, [this] { Toolbar1Click(); });
    bind(Command::ScaleBoard, [this] { ScaleBoardClick(); });
    bindToggle(Command::ShowCurrentTile, options.showCurrentTile);
    bindToggle(Command::OnlyPossibleMoves, options.onlyPossibleMoves);
}

void TOrbeni::bindConfigurationCommands() {
    Options& options = m_settings.options;
    bind(Command::WinnableLayouts, [this] { m_game.WinnableClick(); });
    bind(Command::WinnableShuffles, [this] { m_game.ShuffableClick(); });
    bindToggle(Command::EnableHall, options.enableHall);
    bind(Command::AnimateBoard, [this] { m_game.AnimateClick(); });
    bindToggle(Command::AnimateTileRivers, options.tileRivers);
    bind(Command::PlayMusic, [this] { m_music.PlayMusicClick(); });
    bind(Command::StartMusic, [this] { m_music.StartMusicClick(); });
    // The game asks for its effects only while they are on; the music plays them under the same mark.
    bind(Command::PlaySounds, [this] { m_music.PlaySoundsClick(); });
    bindToggle(Command::SwitchTo800x600, options.setRes800);
    bindToggle(Command::BeginAtStartup, options.startDirectly);
    bindToggle(Command::NewGameOnLayoutChange, options.neverWarn);
    bindToggle(Command::WarnUnwinnable, options.warnUnwinnable);
}

// A layout's entry is its number in the layout list, a piece's its number in the Music menu.
void TOrbeni::bindLayoutAndMusicCommands() {
    bind(Command::CreateLayout, [this] { m_editorDriver.enter([this] { m_editor.CreateLayout1Click(); }); });
    bind(Command::EditLayout, [this] { m_editorDriver.enter([this] { m_editor.Editlayout1Click(); }); });
    bindList(Command::Layouts, [this](int number) {
        const LayoutEntry* entry = m_layoutMenu.list().entry(number);
        if (entry == nullptr) {
            return;
        }
        const bool shape = entry->kind == LayoutKind::Shp;
        newDeal([this, number, shape] {
            shape ? m_layoutMenu.LoadShplayoutClick(number) : m_layoutMenu.LoadlayoutClick(number);
        });
    });
    bind(Command::ImportLayout, [this] { ImportLayoutClick(); });
    bind(Command::RandomMusic, [this] { m_music.RandomMusicClick(); });
    bindList(Command::MusicPieces, [this](int piece) { m_music.LoadMidiClick(piece); });
}

void TOrbeni::bindHelpAndToolCommands() {
    bind(Command::Contents, [this] { HelpClick(); });
    bind(Command::HallOfFame, [this] { ShowScores(); });
    bind(Command::About, [this] { About1Click(); });
    bind(Command::NewGame, [this] { newDeal([this] { m_game.NewGame(); }); });
    bind(Command::PlayTheMusic, [this] { m_music.mediaPlay(); });
    bind(Command::PauseTheMusic, [this] { m_music.mediaPause(); });
}

void TOrbeni::bindEditorCommands() {
    const auto leaveBy = [this](EditorExit exit) {
        return [this, exit] { m_editorDriver.saveAndExit(exit); };
    };
    bind(Command::EditorSave, leaveBy(EditorExit::Save));
    bind(Command::EditorSaveAs, leaveBy(EditorExit::SaveAs));
    bind(Command::EditorTryIt, leaveBy(EditorExit::TryIt));
    bind(Command::EditorExit, [this] { m_editorDriver.cancel(); });
    const auto moveBoard = [this](void (LayoutEditor::*move)()) {
        return [this, move] { m_editorDriver.moveBoard(move); };
    };
    bind(Command::MoveToLeft, moveBoard(&LayoutEditor::Movetoleft1Click));
    bind(Command::MoveToRight, moveBoard(&LayoutEditor::Movetoright1Click));
    bind(Command::MoveToTop, moveBoard(&LayoutEditor::Movetotop1Click));
    bind(Command::MoveToBottom, moveBoard(&LayoutEditor::Movetobottom1Click));
}

}  // namespace orbeni
