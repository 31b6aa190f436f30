#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <array>
#include <set>

#include "platform/qt/command_actions.h"

using platform::Command;
using platform::MenuLine;
using platform::StandardKey;
using platform::qt::CommandActions;

namespace {

enum Id { kNew = 1, kUndo, kHint, kSound, kRed, kBlue, kPieces, kHelp };

constexpr std::array kTable = {
    Command{.id = kNew, .caption = "&New", .keys = "Ctrl+N"},
    Command{.id = kUndo, .caption = "&Undo", .standardKey = StandardKey::Undo},
    Command{.id = kHint, .caption = "&Hint", .keys = "H", .toolTip = "Show a pair", .buttonCaption = "Hint"},
    Command{.id = kSound, .caption = "Sound", .checkable = true},
    Command{.id = kRed, .caption = "Red", .checkable = true, .group = 1},
    Command{.id = kBlue, .caption = "Blue", .checkable = true, .group = 1},
    Command{.id = kPieces, .caption = "piece", .checkable = true, .isList = true},
    Command{.id = kHelp, .caption = "&Contents", .standardKey = StandardKey::HelpContents},
};
constexpr std::array kColours = {MenuLine{kRed}, MenuLine{kBlue}};
constexpr std::array kGameLines = {MenuLine{kNew}, MenuLine{}, MenuLine{kUndo}, MenuLine{kHint},
                                   MenuLine{0, "Colour", kColours}};
constexpr std::array kMusicLines = {MenuLine{kSound}, MenuLine{}, MenuLine{kPieces}, MenuLine{},
                                    MenuLine{kHelp}};
constexpr std::array kMenus = {MenuLine{0, "&Game", kGameLines}, MenuLine{0, "Music", kMusicLines}};

// The captions of a menu's visible lines, "-" for a separator, "Name>" for a submenu.
QStringList linesOf(const QMenu& menu) {
    QStringList lines;
    for (const QAction* action : menu.actions()) {
        if (!action->isVisible()) {
            continue;
        }
        lines << (action->isSeparator() ? QStringLiteral("-")
                  : action->menu()      ? action->text() + QLatin1Char('>')
                                        : action->text());
    }
    return lines;
}

}  // namespace

class CommandActionsTest : public QObject {
    Q_OBJECT

    struct Window {
        QMainWindow window;
        std::vector<std::pair<int, int>> ran;
        CommandActions commands{window, kTable, [this](int id, int item) { ran.emplace_back(id, item); }};
        QList<QAction*> menus = commands.addMenus(*window.menuBar(), kMenus);
    };

private slots:
    // The menus hold the table's commands in the menus' order; a list's entries stand in its place.
    void theMenusComeFromTheTable() {
        Window shown;
        QCOMPARE(shown.menus.size(), 2);
        QCOMPARE(linesOf(*shown.menus[0]->menu()), QStringList({"&New", "-", "&Undo", "&Hint", "Colour>"}));
        shown.commands.setList(kPieces, {"Wind", "Rain"});
        QCOMPARE(linesOf(*shown.menus[1]->menu()),
                 QStringList({"Sound", "-", "Wind", "Rain", "-", "&Contents"}));
        shown.commands.setList(kPieces, {"Snow"});
        QCOMPARE(linesOf(*shown.menus[1]->menu()), QStringList({"Sound", "-", "Snow", "-", "&Contents"}));
        QCOMPARE(shown.commands.listSize(kPieces), 1);

        shown.commands.action(kUndo)->trigger();
        shown.commands.listEntry(kPieces, 1)->trigger();
        const std::vector<std::pair<int, int>> expected = {{kUndo, 0}, {kPieces, 1}};
        QCOMPARE(shown.ran, expected);
    }

    // Items, entries and buttons are on exactly when the rule says, and marked when checked.
    void theRulesSetEveryItemAndButton() {
        Window shown;
        QToolBar bar;
        const std::array buttons = {int(kHint), 0, int(kSound)};
        shown.commands.addToolButtons(bar, buttons);
        shown.commands.setList(kPieces, {"Wind", "Rain"});
        QCOMPARE(bar.actions().size(), 3);
        QCOMPARE(bar.actions()[0]->text(), QStringLiteral("Hint"));
        QCOMPARE(bar.actions()[0]->toolTip(), QStringLiteral("Show a pair"));
        QCOMPARE(bar.actions()[2], shown.commands.action(kSound));
        QCOMPARE(shown.commands.button(kHint), bar.actions()[0]);
        QCOMPARE(shown.commands.button(kSound), nullptr);

        const std::set<std::pair<int, int>> on = {{kNew, 0}, {kSound, 0}, {kPieces, 2}, {kBlue, 0}};
        const auto enabled = [&](int id, int item) { return on.count({id, item}) == 1; };
        shown.commands.update(enabled, enabled);
        for (const Command& command : kTable) {
            for (int item = command.isList ? 1 : 0; item <= (command.isList ? 2 : 0); ++item) {
                QAction* action = command.isList ? shown.commands.listEntry(command.id, item)
                                                 : shown.commands.action(command.id);
                QCOMPARE(action->isEnabled(), enabled(command.id, item));
                QCOMPARE(action->isChecked(), command.checkable && enabled(command.id, item));
            }
        }
        QVERIFY(!bar.actions()[0]->isEnabled());
        QVERIFY(bar.actions()[2]->isChecked());

        bar.actions()[0]->setEnabled(true);
        bar.actions()[0]->trigger();
        QCOMPARE(shown.ran.back(), std::make_pair(int(kHint), 0));
    }

    // Choices of one group exclude each other when the player picks one.
    void aGroupHoldsOneChoice() {
        Window shown;
        shown.commands.action(kRed)->trigger();
        shown.commands.action(kBlue)->trigger();
        QVERIFY(shown.commands.action(kBlue)->isChecked());
        QVERIFY(!shown.commands.action(kRed)->isChecked());
    }

    // A key still runs its command while its menu is off the menu bar, but not while it is off.
    void keysActWhileTheirMenuIsSwappedOut() {
        Window shown;
        shown.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&shown.window));
        for (QAction* menu : shown.menus) {
            shown.window.menuBar()->removeAction(menu);
        }
        QTest::keyClick(&shown.window, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(shown.ran.size(), std::size_t(1));
        QCOMPARE(shown.ran.front(), std::make_pair(int(kNew), 0));
        shown.commands.update([](int, int) { return false; }, [](int, int) { return false; });
        QTest::keyClick(&shown.window, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(shown.ran.size(), std::size_t(1));
    }

    // A key written out clashes with the desktop's standard key it equals.
    void clashesAreFoundAcrossWrittenAndStandardKeys() {
        QVERIFY(platform::qt::clashingShortcuts(kTable).empty());
        const std::array clashing = {
            Command{.id = 1, .caption = "Back", .keys = "Ctrl+Z"},
            Command{.id = 2, .caption = "Undo", .standardKey = StandardKey::Undo},
            Command{.id = 3, .caption = "Hint", .keys = "H"},
            Command{.id = 4, .caption = "Help"},
            Command{.id = 5, .caption = "Hide", .keys = "h"},
        };
        const std::vector<std::pair<int, int>> expected = {{1, 2}, {3, 5}};
        QCOMPARE(platform::qt::clashingShortcuts(clashing), expected);
    }
};

QTEST_MAIN(CommandActionsTest)
#include "command_actions_test.moc"
