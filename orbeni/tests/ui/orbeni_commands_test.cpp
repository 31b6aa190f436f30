#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <set>
#include <vector>

#include "orbeni/ui/orbeni_window.h"
#include "orbeni/view/command_table.h"
#include "platform/qt/command_actions.h"
#include "window_fixture.h"

namespace {

using namespace orbeni::window_test;
using orbeni::Command;
using platform::qt::CommandActions;

void collectMenuIds(std::span<const platform::MenuLine> lines, std::set<int>& ids) {
    for (const platform::MenuLine& line : lines) {
        ids.insert(line.id);
        collectMenuIds(line.lines, ids);
    }
}

// The commands of a table that neither a menu, a tool bar button nor a key can run.
std::vector<int> unreachable(std::span<const platform::Command> table,
                             std::span<const platform::MenuLine> menus,
                             std::vector<std::span<const int>> buttons) {
    std::set<int> reached;
    collectMenuIds(menus, reached);
    for (const std::span<const int> part : buttons) {
        reached.insert(part.begin(), part.end());
    }
    std::vector<int> missing;
    for (const platform::Command& command : table) {
        if (reached.count(command.id) == 0 && platform::qt::shortcutOf(command).isEmpty()) {
            missing.push_back(command.id);
        }
    }
    return missing;
}

// Every item, entry and button of a table's actions shows what the rules say for the state.
bool showsItsRules(const CommandActions& commands, const orbeni::CommandState& state) {
    for (const platform::Command& command : commands.table()) {
        const Command id = static_cast<Command>(command.id);
        const int entries = command.isList ? commands.listSize(command.id) : 0;
        for (int item = command.isList ? 1 : 0; item <= entries; ++item) {
            QAction* action =
                command.isList ? commands.listEntry(command.id, item) : commands.action(command.id);
            if (action->isEnabled() != orbeni::isEnabled(id, item, state) ||
                (command.checkable && action->isChecked() != orbeni::isChecked(id, item, state))) {
                qWarning("command %d item %d does not show its rules", command.id, item);
                return false;
            }
        }
        QAction* button = commands.button(command.id);
        if (button != nullptr && button->isEnabled() != orbeni::isEnabled(id, 0, state)) {
            return false;
        }
    }
    return true;
}

QAction* actionOf(const orbeni::TOrbeni& window, Command command) {
    return window.commands().action(static_cast<int>(command));
}

}  // namespace

class OrbeniCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // Each command of the game's table and of the editor's can be run from somewhere.
    void everyCommandIsReachable() {
        const orbeni::ToolBarLayout buttons = orbeni::toolBar();
        QCOMPARE(unreachable(orbeni::commandTable(), orbeni::gameMenuBar(),
                             {buttons.beforePlayer, buttons.afterPlayer}),
                 std::vector<int>{});
        QCOMPARE(unreachable(orbeni::editorCommandTable(), orbeni::editorMenuBar(), {}), std::vector<int>{});
    }

    // Both tables' keys stand on the window at once, so no key may run two commands of either.
    void noKeyRunsTwoCommands() {
        std::vector<platform::Command> both(orbeni::commandTable().begin(), orbeni::commandTable().end());
        both.insert(both.end(), orbeni::editorCommandTable().begin(), orbeni::editorCommandTable().end());
        QCOMPARE(platform::qt::clashingShortcuts(orbeni::commandTable()),
                 (std::vector<std::pair<int, int>>{}));
        QCOMPARE(platform::qt::clashingShortcuts(orbeni::editorCommandTable()),
                 (std::vector<std::pair<int, int>>{}));
        QCOMPARE(platform::qt::clashingShortcuts(both), (std::vector<std::pair<int, int>>{}));
    }

    // Playing, paused, over and in the editor, every action is on exactly when its rule says.
    void theActionsFollowTheRulesInEachState() {
        ProgramFolder folder;
        const auto window = openWindow(folder);
        QVERIFY(window);
        QVERIFY(showsItsRules(window->commands(), window->commandState()));
        QVERIFY(actionOf(*window, Command::Solve)->isEnabled());

        actionOf(*window, Command::Pause)->trigger();
        QVERIFY(window->game().GamePaused());
        QVERIFY(showsItsRules(window->commands(), window->commandState()));
        QVERIFY(!actionOf(*window, Command::Solve)->isEnabled());
        QVERIFY(actionOf(*window, Command::Hint)->isEnabled());

        actionOf(*window, Command::Stop)->trigger();
        QVERIFY(window->game().GameStopped());
        QVERIFY(showsItsRules(window->commands(), window->commandState()));
        QVERIFY(!actionOf(*window, Command::CanBeWon)->isEnabled());

        actionOf(*window, Command::CreateLayout)->trigger();
        QVERIFY(window->game().EditorMode());
        QVERIFY(showsItsRules(window->commands(), window->commandState()));
        QVERIFY(showsItsRules(window->editorCommands(), window->commandState()));
        QVERIFY(!actionOf(*window, Command::Hint)->isEnabled());
        QVERIFY(window->editorCommands().action(static_cast<int>(Command::MoveToLeft))->isEnabled());
    }

    // The editor's key saves while its menus stand in the menu bar, and not once it is left.
    void theEditorsKeysActWhileItRuns() {
        ProgramFolder folder;
        const auto window = openWindow(folder);
        QVERIFY(window);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QString refusal;
        whenModalOpens([&](QWidget* modal) {
            refusal = modal->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
            modal->close();
        });
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(refusal.isEmpty());

        actionOf(*window, Command::CreateLayout)->trigger();
        QVERIFY(window->game().EditorMode());
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(refusal, QStringLiteral("You haven't finished building the layout yet !"));
        QVERIFY(window->game().EditorMode());

        // The game's keys, off in the editor, leave the layout's name to be typed.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* name = window->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        name->clear();
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("HP"));
        QCOMPARE(name->text(), QStringLiteral("HP"));
        QVERIFY(!window->game().GamePaused());
    }
};

QTEST_MAIN(OrbeniCommandsTest)
#include "orbeni_commands_test.moc"
