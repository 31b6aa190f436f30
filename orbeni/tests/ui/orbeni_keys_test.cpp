#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <deque>
#include <map>
#include <vector>

#include "orbeni/game/keyboard_cursor.h"
#include "orbeni/ui/bitmap_view.h"
#include "orbeni/ui/orbeni_window.h"
#include "window_fixture.h"

namespace {

using namespace orbeni::window_test;
using orbeni::Direction;
using orbeni::Position;

Qt::Key arrowKey(Direction direction) {
    switch (direction) {
        case Direction::Left:
            return Qt::Key_Left;
        case Direction::Right:
            return Qt::Key_Right;
        case Direction::Up:
            return Qt::Key_Up;
        case Direction::Down:
            return Qt::Key_Down;
    }
    return Qt::Key_unknown;
}

// The arrows that lead the cursor from one place to another, found by trying them all.
std::vector<Qt::Key> arrowsBetween(const orbeni::Game& game, Position from, Position to) {
    const auto key = [](Position p) { return (p.z * 64 + p.y) * 64 + p.x; };
    std::map<int, std::pair<Position, Direction>> cameFrom;
    std::deque<Position> toVisit{from};
    cameFrom[key(from)] = {from, Direction::Left};
    while (!toVisit.empty() && cameFrom.count(key(to)) == 0) {
        const Position place = toVisit.front();
        toVisit.pop_front();
        for (const Direction d : {Direction::Left, Direction::Right, Direction::Up, Direction::Down}) {
            const Position next = orbeni::nearestInDirection(game, place, d);
            if (next.onBoard() && cameFrom.emplace(key(next), std::pair{place, d}).second) {
                toVisit.push_back(next);
            }
        }
    }
    std::vector<Qt::Key> keys;
    for (Position at = to; at != from && cameFrom.count(key(at)) != 0; at = cameFrom[key(at)].first) {
        keys.insert(keys.begin(), arrowKey(cameFrom[key(at)].second));
    }
    return keys;
}

QWidget* boardOf(orbeni::TOrbeni& window) {
    return window.findChild<QWidget*>(QStringLiteral("Game"));
}

// Makes the window the active one again, as a dialog closing does, and answers whether its board
// has the keys then.
bool activate(orbeni::TOrbeni& window) {
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window) && QApplication::focusWidget() == boardOf(window);
}

std::unique_ptr<orbeni::TOrbeni> openForKeys(const ProgramFolder& folder) {
    std::unique_ptr<orbeni::TOrbeni> window = openWindow(folder);
    return window != nullptr && activate(*window) ? std::move(window) : nullptr;
}

// Leads the cursor to a tile with the arrows and picks it with Enter.
void pickByKeys(orbeni::TOrbeni& window, int tile) {
    const orbeni::Game& game = window.game();
    for (const Qt::Key arrow :
         arrowsBetween(game, window.painter().keyCursor(), game.board().position(tile))) {
        QTest::keyClick(boardOf(window), arrow);
    }
    QTest::keyClick(boardOf(window), Qt::Key_Return);
}

}  // namespace

class OrbeniKeysTest : public QObject {
    Q_OBJECT

private slots:
    // The window's timers run on a clock the tests move: a wait of seconds takes none.
    void initTestCase() { platform::qt::WindowClock::useManual(); }

    void theCursorShowsAtTheFirstKeyPicksWithEnterAndHidesOnAClick() {
        ProgramFolder folder;
        const auto window = openForKeys(folder);
        QVERIFY(window);
        const orbeni::Game& game = window->game();
        QVERIFY(!window->painter().keyCursor().onBoard());
        QTest::keyClick(boardOf(*window), Qt::Key_Right);
        const Position start = window->painter().keyCursor();
        QVERIFY(start.onBoard());
        QVERIFY(game.isFree(game.board().cell(start)));
        QTest::keyClick(boardOf(*window), Qt::Key_Right);
        QVERIFY(window->painter().keyCursor() != start);

        QTest::keyClick(boardOf(*window), Qt::Key_Space);
        QCOMPARE(game.FirstTile(), int(game.board().cell(window->painter().keyCursor())));
        QTest::keyClick(boardOf(*window), Qt::Key_Escape);
        QCOMPARE(game.FirstTile(), 0);

        QTest::mouseClick(boardOf(*window), Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!window->painter().keyCursor().onBoard());
    }

    void aPairGoesByKeysAndTheShortcutsRunTheirCommands() {
        ProgramFolder folder;
        const auto window = openForKeys(folder);
        QVERIFY(window);
        const orbeni::Game& game = window->game();
        QTest::keyClick(boardOf(*window), Qt::Key_Down);
        QVERIFY(clockRunsUntil([&game] { return freePair(game).has_value(); }));
        const std::optional<std::pair<int, int>> pair = freePair(game);
        QVERIFY(pair);
        pickByKeys(*window, pair->first);
        QCOMPARE(game.FirstTile(), pair->first);
        pickByKeys(*window, pair->second);
        QCOMPARE(game.TilesLeft(), 142);
        const Position cursor = window->painter().keyCursor();
        QVERIFY2(cursor.onBoard() && game.isFree(game.board().cell(cursor)),
                 "the cursor stays on a free tile");

        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(game.TilesLeft(), 144);
        QTest::keyClick(window.get(), Qt::Key_H);
        QVERIFY(game.HintTileA() != 0);
        QTest::keyClick(window.get(), Qt::Key_P);
        QVERIFY(game.GamePaused());
        QTest::keyClick(window.get(), Qt::Key_P);
        QVERIFY(!game.GamePaused());

        // A new game is of the kind last started.
        findAction(window->menuBar(), QStringLiteral("Mah-Jongg Rivers : New Game"))->trigger();
        pickByKeys(*window, game.board().cell(window->painter().keyCursor()));
        QVERIFY(game.FirstTile() != 0);
        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(game.RiversMode());
        QCOMPARE(game.FirstTile(), 0);

        QString helpTitle;
        whenModalOpens([&](QWidget* modal) {
            helpTitle = modal->windowTitle();
            modal->close();
        });
        QTest::keyClick(window.get(), Qt::Key_F1);
        QCOMPARE(helpTitle, QStringLiteral("Orbeni Help"));
        QVERIFY(activate(*window));
        QTest::keyClick(window.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!window->isVisible());
    }

    void theShortcutsStayOutOfDialogsAndTheEditorIsPlayedByItsOwnKeys() {
        ProgramFolder folder;
        const auto window = openForKeys(folder);
        QVERIFY(window);
        const orbeni::Game& game = window->game();
        bool hintedInDialog = true;
        whenModalOpens([&](QWidget* modal) {
            QTest::keyClick(modal, Qt::Key_H);
            hintedInDialog = game.HintTileA() != 0;
            modal->close();
        });
        findAction(window->menuBar(), QStringLiteral("&Player Name"))->trigger();
        QVERIFY(!hintedInDialog);

        findAction(window->menuBar(), QStringLiteral("Create Layout"))->trigger();
        QVERIFY(game.EditorMode());
        QVERIFY(activate(*window));
        auto* tilesLeft = window->findChild<QLabel*>(QStringLiteral("Label4"));
        QTest::keyClick(boardOf(*window), Qt::Key_Left);
        const Position cell = window->painter().keyCursor();
        QVERIFY(cell.onBoard());
        QTest::keyClick(boardOf(*window), Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(window->painter().keyCursor(), (Position{cell.x - 1, cell.y, 1}));
        QTest::keyClick(boardOf(*window), Qt::Key_Return);
        QCOMPARE(tilesLeft->text(), QStringLiteral("143"));
        QCOMPARE(window->game().layoutTemplate().at(cell.x - 1, cell.y, 1), 1);
        QTest::keyClick(boardOf(*window), Qt::Key_Delete);
        QCOMPARE(tilesLeft->text(), QStringLiteral("144"));

        QTest::keyClick(window.get(), Qt::Key_P);
        QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(!game.GamePaused());
        QVERIFY(game.EditorMode());
    }
};

QTEST_MAIN(OrbeniKeysTest)
#include "orbeni_keys_test.moc"
