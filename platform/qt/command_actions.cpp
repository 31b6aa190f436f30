#include "platform/qt/command_actions.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QWidget>

namespace platform::qt {

namespace {

QKeySequence::StandardKey qtKey(StandardKey key) {
    switch (key) {
        case StandardKey::New:
            return QKeySequence::New;
        case StandardKey::Open:
            return QKeySequence::Open;
        case StandardKey::Save:
            return QKeySequence::Save;
        case StandardKey::Quit:
            return QKeySequence::Quit;
        case StandardKey::Undo:
            return QKeySequence::Undo;
        case StandardKey::Redo:
            return QKeySequence::Redo;
        case StandardKey::HelpContents:
            return QKeySequence::HelpContents;
        case StandardKey::FullScreen:
            return QKeySequence::FullScreen;
        case StandardKey::None:
            break;
    }
    return QKeySequence::UnknownKey;
}

}  // namespace

QKeySequence shortcutOf(const Command& command) {
    if (!command.keys.empty()) {
        return QKeySequence(text(command.keys), QKeySequence::PortableText);
    }
    return command.standardKey == StandardKey::None ? QKeySequence()
                                                    : QKeySequence(qtKey(command.standardKey));
}

std::vector<std::pair<int, int>> clashingShortcuts(std::span<const Command> table) {
    std::vector<std::pair<int, int>> clashes;
    for (std::size_t first = 0; first < table.size(); ++first) {
        const QKeySequence keys = shortcutOf(table[first]);
        if (keys.isEmpty()) {
            continue;
        }
        for (std::size_t second = first + 1; second < table.size(); ++second) {
            if (shortcutOf(table[second]) == keys) {
                clashes.emplace_back(table[first].id, table[second].id);
            }
        }
    }
    return clashes;
}

CommandActions::CommandActions(QWidget& window, std::span<const Command> table, Run run)
    : m_window(window), m_table(table), m_run(std::move(run)), m_owner(std::make_unique<QObject>()) {
    for (const Command& command : m_table) {
        if (command.isList) {
            continue;
        }
        QAction* action = makeAction(command, 0, text(command.caption));
        const QKeySequence keys = shortcutOf(command);
        if (!keys.isEmpty()) {
            action->setShortcut(keys);
            // Still acts while its menu is hidden or swapped out; the enabled rule says when.
            m_window.addAction(action);
        }
        m_actions[command.id] = action;
    }
}

CommandActions::~CommandActions() = default;

QAction* CommandActions::makeAction(const Command& command, int item, const QString& caption) {
    auto* action = new QAction(caption, m_owner.get());
    action->setStatusTip(text(command.statusTip));
    if (!command.toolTip.empty()) {
        action->setToolTip(text(command.toolTip));
    }
    action->setCheckable(command.checkable);
    if (QActionGroup* group = groupOf(command)) {
        group->addAction(action);
    }
    const int id = command.id;
    QObject::connect(action, &QAction::triggered, m_owner.get(), [this, id, item] { m_run(id, item); });
    return action;
}

QActionGroup* CommandActions::groupOf(const Command& command) {
    if (command.group == 0) {
        return nullptr;
    }
    QActionGroup*& group = m_groups[command.group];
    if (group == nullptr) {
        group = new QActionGroup(m_owner.get());
    }
    return group;
}

QAction* CommandActions::action(int id) const {
    const auto found = m_actions.find(id);
    if (found != m_actions.end()) {
        return found->second;
    }
    return listEntry(id, 1);
}

QAction* CommandActions::listEntry(int id, int item) const {
    const auto found = m_lists.find(id);
    if (found == m_lists.end() || item < 1 || item > int(found->second.entries.size())) {
        return nullptr;
    }
    return found->second.entries[std::size_t(item - 1)];
}

int CommandActions::listSize(int id) const {
    const auto found = m_lists.find(id);
    return found == m_lists.end() ? 0 : int(found->second.entries.size());
}

QAction* CommandActions::button(int id) const {
    const auto found = m_buttons.find(id);
    return found == m_buttons.end() ? nullptr : found->second;
}

QList<QAction*> CommandActions::addMenus(QMenuBar& bar, std::span<const MenuLine> menus) {
    QList<QAction*> shown;
    for (const MenuLine& menu : menus) {
        QMenu* added = bar.addMenu(text(menu.submenu));
        fillMenu(*added, menu.lines);
        shown.append(added->menuAction());
    }
    return shown;
}

void CommandActions::fillMenu(QMenu& menu, std::span<const MenuLine> lines) {
    for (const MenuLine& line : lines) {
        if (line.isSeparator()) {
            menu.addSeparator();
        } else if (!line.submenu.empty()) {
            fillMenu(*menu.addMenu(text(line.submenu)), line.lines);
        } else if (QAction* action = m_actions.count(line.id) ? m_actions.at(line.id) : nullptr) {
            menu.addAction(action);
        } else {
            addListPlace(menu, line.id);
        }
    }
}

void CommandActions::addListPlace(QMenu& menu, int id) {
    if (findCommand(m_table, id) == nullptr) {
        return;
    }
    QAction* end = menu.addSeparator();
    end->setVisible(false);
    m_lists[id] = ListPlace{&menu, end, {}};
}

void CommandActions::setList(int id, const std::vector<std::string>& captions) {
    const auto found = m_lists.find(id);
    const Command* command = findCommand(m_table, id);
    if (found == m_lists.end() || command == nullptr) {
        return;
    }
    ListPlace& place = found->second;
    for (QAction* entry : place.entries) {
        delete entry;
    }
    place.entries.clear();
    for (std::size_t index = 0; index < captions.size(); ++index) {
        QAction* entry = makeAction(*command, int(index) + 1, text(captions[index]));
        place.menu->insertAction(place.end, entry);
        place.entries.push_back(entry);
    }
}

void CommandActions::addToolButtons(QToolBar& bar, std::span<const int> ids) {
    for (const int id : ids) {
        const Command* command = id == 0 ? nullptr : findCommand(m_table, id);
        if (command == nullptr) {
            bar.addSeparator();
            continue;
        }
        if (command->buttonCaption.empty()) {
            bar.addAction(m_actions.at(id));
            continue;
        }
        QAction* button = makeAction(*command, 0, text(command->buttonCaption));
        bar.addAction(button);
        m_buttons.emplace(id, button);
    }
}

void CommandActions::update(const Rule& isEnabled, const Rule& isChecked) {
    const auto show = [&](QAction* action, int id, int item) {
        action->setEnabled(isEnabled(id, item));
        if (action->isCheckable()) {
            action->setChecked(isChecked(id, item));
        }
    };
    for (const auto& [id, action] : m_actions) {
        show(action, id, 0);
    }
    for (const auto& [id, button] : m_buttons) {
        show(button, id, 0);
    }
    for (const auto& [id, place] : m_lists) {
        for (std::size_t index = 0; index < place.entries.size(); ++index) {
            show(place.entries[index], id, int(index) + 1);
        }
    }
}

}  // namespace platform::qt
