#include "morvane/game/commands.h"

#include <array>

#include "morvane/game/game.h"

namespace morvane {

namespace {

constexpr std::array kCommands = {
    CommandRule{32772, "New Game", EnabledWhen::Always},
    CommandRule{32773, "Restart Game", EnabledWhen::Always},
    CommandRule{32825, "Default Game", EnabledWhen::Always},
    CommandRule{32778, "Undo", EnabledWhen::NotShowingMoves},
    CommandRule{32777, "Show Moves", EnabledWhen::Playing},
    CommandRule{32782, "Previous", EnabledWhen::ShowingMoves},
    CommandRule{32783, "Next", EnabledWhen::ShowingMoves},
    CommandRule{32784, "Do it!", EnabledWhen::ShowingMoves},
    CommandRule{32785, "Exit Show Moves", EnabledWhen::ShowingMoves},
    CommandRule{32815, "Set Bookmark 1", EnabledWhen::Playing},
    CommandRule{32816, "Set Bookmark 2", EnabledWhen::Playing},
    CommandRule{32817, "Set Bookmark 3", EnabledWhen::Playing},
    CommandRule{32819, "Set Bookmark 4", EnabledWhen::Playing},
    CommandRule{32820, "Go To Bookmark 1", EnabledWhen::BookmarkIsSet, CheckedWhen::Never, 0},
    CommandRule{32821, "Go To Bookmark 2", EnabledWhen::BookmarkIsSet, CheckedWhen::Never, 1},
    CommandRule{32822, "Go To Bookmark 3", EnabledWhen::BookmarkIsSet, CheckedWhen::Never, 2},
    CommandRule{32823, "Go To Bookmark 4", EnabledWhen::BookmarkIsSet, CheckedWhen::Never, 3},
    CommandRule{32827, "Use sound", EnabledWhen::Always, CheckedWhen::SoundOn},
    CommandRule{32824, "Hall of Fame", EnabledWhen::Playing},
    CommandRule{32779, "Enter Design Mode", EnabledWhen::Playing},
    CommandRule{32780, "Edit Settings", EnabledWhen::Designing},
    CommandRule{32781, "Save Game", EnabledWhen::Designing},
    CommandRule{32788, "Rght", EnabledWhen::Designing},
    CommandRule{32789, "Left", EnabledWhen::Designing},
    CommandRule{32790, "Up", EnabledWhen::Designing},
    CommandRule{32791, "Down", EnabledWhen::Designing},
    CommandRule{32792, "Insert mode", EnabledWhen::Designing, CheckedWhen::InsertTool},
    CommandRule{32793, "Remove mode", EnabledWhen::Designing, CheckedWhen::RemoveTool},
    CommandRule{32803, "Clear Board", EnabledWhen::Designing},
    CommandRule{32787, "Exit Design Mode", EnabledWhen::Designing},
};

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

bool isChecked(const CommandRule& command, const Game& game) {
    switch (command.checked) {
        case CheckedWhen::Never:
            return false;
        case CheckedWhen::SoundOn:
            return game.soundOn();
        case CheckedWhen::InsertTool:
            return game.designTool() == DesignTool::Insert;
        case CheckedWhen::RemoveTool:
            return game.designTool() == DesignTool::Remove;
    }
    return false;
}

}  // namespace morvane
