#pragma once

#include <QList>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "orbeni/game/window_commands.h"

class QAction;
class QMenuBar;
class QWidget;

namespace platform::qt {
class CommandActions;
}

namespace orbeni {

// The main window's commands: the actions made from the game's table and from the layout editor's,
// what each command runs, and the one place that turns them on and off and marks them from the
// game's rules.
class CommandBinding {
public:
    // Runs a command's work and shows its outcome.
    using Run = std::function<void(const std::function<void()>& work)>;

    // The keys of both tables act from the start, as their rules allow. A choice of highlight,
    // background or tileset goes to choose, every other command to what was bound to it; each
    // through run.
    CommandBinding(QWidget& window, Run run, std::function<void(Choice)> choose);
    ~CommandBinding();

    platform::qt::CommandActions& game() const { return *m_game; }
    platform::qt::CommandActions& editor() const { return *m_editor; }

    void bind(Command command, std::function<void()> handler);
    // A list's handler is given the entry's number.
    void bindList(Command command, std::function<void(int item)> handler);
    // A mark that only turns its option on and off; what reads the option follows it.
    void bindToggle(Command command, bool& mark);

    // The game's menu bar and the editor's, answered as the actions that take each menu off the
    // bar and put it back.
    std::pair<QList<QAction*>, QList<QAction*>> addMenus(QMenuBar& bar);
    // Makes a list's entries anew, only when its captions changed.
    void showList(Command command, std::vector<std::string> captions);

    void update(const CommandState& state);
    // What the menus show now.
    const CommandState& shownState() const { return m_shownState; }

private:
    void runCommand(Command command, int item);

    Run m_run;
    std::function<void(Choice)> m_choose;
    std::unique_ptr<platform::qt::CommandActions> m_game;
    std::unique_ptr<platform::qt::CommandActions> m_editor;
    std::map<Command, std::function<void(int item)>> m_handlers;
    std::map<Command, std::vector<std::string>> m_shownLists;
    CommandState m_shownState;
};

}  // namespace orbeni
