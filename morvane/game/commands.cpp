#include "morvane/game/commands.h"

#include "morvane/game/game.h"

namespace morvane {

namespace {

// The bookmark a Go To Bookmark command goes to, or -1.
int goToBookmarkOf(Command command) {
    for (int bookmark = 0; bookmark < kBookmarks; ++bookmark) {
        if (kGoToBookmark[bookmark] == command) {
            return bookmark;
        }
    }
    return -1;
}

}  // namespace

bool isEnabled(Command command, const Game& game) {
    const bool playing = !game.design().active() && !game.moves().active();
    switch (command) {
        case Command::LoadGame:
        case Command::NewGame:
        case Command::RestartGame:
        case Command::DefaultGame:
        case Command::Exit:
        case Command::UseSound:
        case Command::Toolbar:
        case Command::StatusBar:
        case Command::FullScreen:
        case Command::Manual:
        case Command::About:
            return true;
        case Command::SavePosition:
        case Command::LoadPosition:
            return false;
        case Command::Undo:
            return !game.moves().active();
        case Command::ShowMoves:
        case Command::SetBookmark1:
        case Command::SetBookmark2:
        case Command::SetBookmark3:
        case Command::SetBookmark4:
        case Command::HallOfFame:
        case Command::EnterDesign:
            return playing;
        case Command::Previous:
        case Command::Next:
        case Command::DoIt:
        case Command::ExitShowMoves:
            return game.moves().active();
        case Command::EditSettings:
        case Command::SaveGame:
        case Command::ShiftRight:
        case Command::ShiftLeft:
        case Command::ShiftUp:
        case Command::ShiftDown:
        case Command::InsertMode:
        case Command::RemoveMode:
        case Command::ClearBoard:
        case Command::ExitDesign:
            return game.design().active();
        case Command::GoToBookmark1:
        case Command::GoToBookmark2:
        case Command::GoToBookmark3:
        case Command::GoToBookmark4:
            return playing && game.bookmark(goToBookmarkOf(command)) >= 0;
    }
    return false;
}

bool isChecked(Command command, const Game& game, const FrameState& frame) {
    switch (command) {
        case Command::UseSound:
            return game.soundOn();
        case Command::InsertMode:
            return game.design().tool() == DesignTool::Insert;
        case Command::RemoveMode:
            return game.design().tool() == DesignTool::Remove;
        case Command::Toolbar:
            return frame.toolbarShown;
        case Command::StatusBar:
            return frame.statusBarShown;
        default:
            return false;
    }
}

}  // namespace morvane
