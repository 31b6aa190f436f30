#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/commands/command.h"
#include "platform/qt/conversions.h"

class QAction;
class QObject;
class QActionGroup;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace platform::qt {

// The key a command runs on: its own, else the desktop's standard key, else none.
QKeySequence shortcutOf(const Command& command);

// The commands of one table that a single key would run, in pairs of ids.
std::vector<std::pair<int, int>> clashingShortcuts(std::span<const Command> table);

// Turns a program's command table into the window's actions, and its menus and tool bar into Qt's,
// so that every menu item, button and key of the window comes from the table. A key acts wherever
// the window has the focus, also while its menu is hidden; the enabled rule decides when.
class CommandActions {
public:
    // The command the player chose: its id and, for an entry of a list, the entry's item (else 0).
    using Run = std::function<void(int id, int item)>;
    using Rule = std::function<bool(int id, int item)>;

    CommandActions(QWidget& window, std::span<const Command> table, Run run);
    ~CommandActions();
    CommandActions(const CommandActions&) = delete;
    CommandActions& operator=(const CommandActions&) = delete;

    std::span<const Command> table() const { return m_table; }
    // The menu item of a command (the first entry of a list), or none.
    QAction* action(int id) const;
    QAction* listEntry(int id, int item) const;
    int listSize(int id) const;
    // The tool bar's own action of a command whose button has a caption of its own, or none.
    QAction* button(int id) const;

    // Adds a menu of the menu bar for each submenu line; answers the menus' own actions, which
    // take a whole menu off the bar and put it back.
    QList<QAction*> addMenus(QMenuBar& bar, std::span<const MenuLine> menus);
    void fillMenu(QMenu& menu, std::span<const MenuLine> lines);
    // One button per command id, 0 for a separator.
    void addToolButtons(QToolBar& bar, std::span<const int> ids);
    // Makes a list's menu items anew, one per caption, numbered from 1.
    void setList(int id, const std::vector<std::string>& captions);

    // Turns every item and button on or off and sets its mark, from the game's rules.
    void update(const Rule& isEnabled, const Rule& isChecked);

private:
    struct ListPlace {
        QMenu* menu;
        QAction* end;  // an invisible line the entries stand before
        std::vector<QAction*> entries;
    };

    QAction* makeAction(const Command& command, int item, const QString& caption);
    QActionGroup* groupOf(const Command& command);
    void addListPlace(QMenu& menu, int id);

    QWidget& m_window;
    std::span<const Command> m_table;
    Run m_run;
    std::map<int, QAction*> m_actions;
    std::multimap<int, QAction*> m_buttons;
    std::map<int, ListPlace> m_lists;
    std::map<int, QActionGroup*> m_groups;
    std::unique_ptr<QObject> m_owner;  // every action and group made here; they go with the table
};

}  // namespace platform::qt
