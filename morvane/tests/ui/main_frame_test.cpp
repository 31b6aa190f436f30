#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <optional>

#include "morvane/game/tile_set.h"
#include "morvane/gamefile/game_file.h"
#include "morvane/ui/main_frame.h"
#include "morvane/ui/morvane_view.h"
#include "morvane/view/command_table.h"
#include "platform/audio/audio_output.h"
#include "platform/audio/manual_audio_device.h"
#include "platform/profile/profile.h"
#include "platform/qt/command_actions.h"
#include "platform/qt/window_timer.h"

namespace {

using morvane::CMainFrame;
using morvane::Position;

using morvane::Command;

constexpr int kShowMoves = morvane::id(Command::ShowMoves);
constexpr int kNext = morvane::id(Command::Next);
constexpr int kDoIt = morvane::id(Command::DoIt);
constexpr int kEnterDesign = morvane::id(Command::EnterDesign);
constexpr int kExitDesign = morvane::id(Command::ExitDesign);

// The actions of a menu and of its submenus.
QList<QAction*> menuActions(const QMenu& menu) {
    QList<QAction*> actions;
    for (QAction* action : menu.actions()) {
        actions << action;
        if (action->menu() != nullptr) {
            actions << menuActions(*action->menu());
        }
    }
    return actions;
}

// Each command's menu item is enabled and checked exactly as the core's rules say.
void compareWithTheRules(CMainFrame& frame, const char* state) {
    const morvane::Game& game = frame.view().game();
    const morvane::FrameState shown{frame.findChild<QToolBar*>()->isVisible(),
                                    frame.statusBar()->isVisible()};
    for (const platform::Command& command : morvane::commandTable()) {
        const auto id = static_cast<Command>(command.id);
        QAction* action = frame.action(command.id);
        QVERIFY2(action != nullptr, state);
        QVERIFY2(action->isEnabled() == morvane::isEnabled(id, game),
                 qPrintable(QStringLiteral("%1: %2").arg(state, action->text())));
        QVERIFY2(action->isCheckable() == command.checkable, qPrintable(action->text()));
        if (command.checkable) {
            QVERIFY2(action->isChecked() == morvane::isChecked(id, game, shown),
                     qPrintable(QStringLiteral("%1: %2").arg(state, action->text())));
        }
    }
}

QString paneText(CMainFrame& frame, int id) {
    return frame.pane(id)->text();
}

// Answers the next modal dialog or message box by pressing its default button.
void answerNextModal() {
    QTimer::singleShot(50, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            QTest::keyClick(modal, Qt::Key_Return);
        }
    });
}

// Two free tiles that match, as a player would find them.
std::optional<std::pair<Position, Position>> freePair(const morvane::Game& game) {
    const morvane::Board& play = game.playBoard();
    std::vector<Position> free;
    for (int x = 0; x < morvane::kColumns; ++x) {
        for (int y = 0; y < morvane::kRows; ++y) {
            for (int z = 0; z < morvane::kLayers; ++z) {
                if (play.at(x, y, z) != 0 && game.isFreeTile({x, y, z})) {
                    free.push_back({x, y, z});
                }
            }
        }
    }
    for (std::size_t a = 0; a < free.size(); ++a) {
        for (std::size_t b = a + 1; b < free.size(); ++b) {
            if (morvane::match(game.settings().tileSet, play.at(free[a]), play.at(free[b]))) {
                return std::pair{free[a], free[b]};
            }
        }
    }
    return std::nullopt;
}

// A window of its own: settings in a temporary home, the built-in game, no sound.
class Window {
public:
    Window() : frame(std::filesystem::path(MORVANE_ART_DIR)) {
        frame.startGame("", false);
        frame.showFromSettings();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        // Painting goes on once the window's first resize has settled, on the clock the test moves.
        QVERIFY(platform::qt::WindowClock::advanceUntil([this] { return !frame.view().paintingSuspended(); },
                                                        std::chrono::seconds(1)));
    }
    CMainFrame frame;
};

}  // namespace

class CMainFrameTest : public QObject {
    Q_OBJECT

private slots:
    // The window's timers run on a clock the tests move: none fires behind the test's back.
    void initTestCase() { platform::qt::WindowClock::useManual(); }

    // Each test has a home of its own, which is also the current folder design mode writes in.
    void init() {
        m_home.emplace();
        qputenv("XDG_CONFIG_HOME", m_home->path().toUtf8());
        QDir::setCurrent(m_home->path());
    }

    void aFirstRunShowsTheBuiltInGameWithItsMenusAndPanes() {
        Window window;
        CMainFrame& frame = window.frame;
        QCOMPARE(frame.windowTitle(), QStringLiteral("Morvane"));
        QStringList menus;
        for (QAction* menu : frame.menuBar()->actions()) {
            menus << menu->text();
        }
        QCOMPARE(menus, (QStringList{"File", "Hints/Cheats", "View", "Help"}));
        QCOMPARE(paneText(frame, 59145), QStringLiteral("<       >"));
        QCOMPARE(paneText(frame, 59143), QStringLiteral("144"));
        QCOMPARE(paneText(frame, 59144), QString());
        QCOMPARE(paneText(frame, 59142), QStringLiteral("0:00"));
        QVERIFY(!frame.action(morvane::id(Command::Previous))->isEnabled());      // outside show moves
        QVERIFY(!frame.action(morvane::id(Command::SavePosition))->isEnabled());  // a future version
        QVERIFY(!frame.action(morvane::id(Command::UseSound))->isChecked());      // no sound device here
        const std::string settings = frame.settings().path().string();
        QCOMPARE(QString::fromStdString(settings), m_home->filePath("morvane/MORVANE.INI"));
    }

    // Every command of the table is reachable from a menu, a tool button or a key of the window,
    // and every tool button shows its picture of the strip.
    void everyCommandIsReachableFromAMenuAButtonOrAKey() {
        Window window;
        CMainFrame& frame = window.frame;
        QList<QAction*> reachable;
        for (QAction* menu : frame.menuBar()->actions()) {
            reachable << menuActions(*menu->menu());
        }
        const QList<QAction*> buttons = frame.findChild<QToolBar*>()->actions();
        reachable << buttons;
        for (QAction* key : frame.actions()) {
            if (!key->shortcut().isEmpty()) {
                reachable << key;
            }
        }
        for (const platform::Command& command : morvane::commandTable()) {
            QVERIFY2(reachable.contains(frame.action(command.id)), command.caption.data());
        }
        for (QAction* button : buttons) {
            QVERIFY2(button->isSeparator() || !button->icon().isNull(), qPrintable(button->text()));
        }
    }

    // Full Screen keeps its Alt+F; no two commands answer one key.
    void noTwoCommandsShareAKey() {
        QVERIFY(platform::qt::clashingShortcuts(morvane::commandTable()).empty());
        Window window;
        QCOMPARE(window.frame.action(morvane::id(Command::FullScreen))->shortcut(),
                 QKeySequence(QStringLiteral("Alt+F")));
    }

    void theActionsFollowTheCoresRulesInPlayShowMovesAndDesign() {
        Window window;
        CMainFrame& frame = window.frame;
        compareWithTheRules(frame, "play");
        frame.runCommand(morvane::id(Command::SetBookmark2));
        compareWithTheRules(frame, "play with a bookmark");
        frame.runCommand(kShowMoves);
        QVERIFY(frame.view().game().moves().active());
        compareWithTheRules(frame, "show moves");
        frame.runCommand(morvane::id(Command::ExitShowMoves));
        frame.runCommand(kEnterDesign);
        QVERIFY(frame.view().game().design().active());
        compareWithTheRules(frame, "design");
        frame.runCommand(morvane::id(Command::RemoveMode));
        frame.runCommand(morvane::id(Command::Toolbar));
        QVERIFY(!frame.findChild<QToolBar*>()->isVisible());
        compareWithTheRules(frame, "design, removing, no tool bar");
    }

    void aPairClickedOffTheBoardGoesAndThePanesFollow() {
        // The sounds play on a device the test renders, so that one is over the moment it says.
        const auto audio = platform::ManualAudioDevice::install();
        Window window;
        CMainFrame& frame = window.frame;
        frame.runCommand(morvane::id(Command::UseSound));
        const auto pair = freePair(frame.view().game());
        QVERIFY(pair);
        QVERIFY(!platform::AudioOutput::inUse());
        QTest::mouseClick(&frame.view(), Qt::LeftButton, {}, frame.view().faceCentre(pair->first));
        QCOMPARE(frame.view().game().firstSelection(), pair->first);
        QVERIFY(platform::AudioOutput::inUse());
        frame.view().letSoundDeviceGo();
        QVERIFY(platform::AudioOutput::inUse());  // kept while the sound is heard
        QVERIFY(audio->renderUntilSilent());
        frame.view().letSoundDeviceGo();
        QVERIFY(!platform::AudioOutput::inUse());  // closed once the sound ended
        QVERIFY(!paneText(frame, 59144).isEmpty());
        QTest::mouseClick(&frame.view(), Qt::LeftButton, {}, frame.view().faceCentre(pair->second));
        QCOMPARE(paneText(frame, 59143), QStringLiteral("142"));
        QCOMPARE(paneText(frame, 59144), QString());
        QVERIFY(frame.view().game().playBoard().at(pair->first) == 0);
    }

    void showMovesStepsThroughThePairsAndDoesOne() {
        Window window;
        CMainFrame& frame = window.frame;
        frame.runCommand(kShowMoves);
        QVERIFY(frame.view().game().moves().active());
        QVERIFY(frame.action(kNext)->isEnabled());
        QVERIFY(!frame.action(kShowMoves)->isEnabled());
        QCOMPARE(paneText(frame, 59142), QStringLiteral("0:30"));
        const int pairs = frame.view().game().moves().length();
        frame.runCommand(kNext);
        QCOMPARE(frame.view().game().moves().index(), pairs > 1 ? 1 : 0);
        frame.runCommand(kDoIt);
        QVERIFY(!frame.view().game().moves().active());
        QCOMPARE(paneText(frame, 59143), QStringLiteral("142"));
    }

    void designModePlacesAndRemovesSpacesAndSavesAGameThatLoadsAgain() {
        Window window;
        CMainFrame& frame = window.frame;
        morvane::CMorvaneView& view = frame.view();
        frame.runCommand(morvane::id(Command::ClearBoard));  // not yet in design mode: nothing
        QCOMPARE(view.game().design().spaceCount(), 0);
        frame.runCommand(kEnterDesign);
        QVERIFY(view.game().design().active());
        frame.runCommand(morvane::id(Command::ClearBoard));
        QCOMPARE(paneText(frame, 59143), QStringLiteral("0"));
        const int cellWidth = view.width() / 40;
        const int cellHeight = view.height() / 40;
        const QPoint cell(5 * cellWidth + 1, 6 * cellHeight + 1);
        QTest::mouseMove(&view, cell);
        QCOMPARE(paneText(frame, 59145), QStringLiteral("05 - 06 - 00"));
        QTest::mouseClick(&view, Qt::LeftButton, {}, cell);
        QTest::mouseClick(&view, Qt::LeftButton, {}, cell + QPoint(2 * cellWidth, 0));
        QTest::mouseClick(&view, Qt::LeftButton, {}, cell + QPoint(4 * cellWidth, 0));
        QCOMPARE(paneText(frame, 59143), QStringLiteral("3"));
        QTest::mouseClick(&view, Qt::RightButton, {}, cell + QPoint(4 * cellWidth, 0));
        QCOMPARE(paneText(frame, 59143), QStringLiteral("2"));
        QTest::mouseMove(&view, cell + QPoint(1, 1));
        QCOMPARE(paneText(frame, 59145), QStringLiteral("05 - 06 - 01"));

        const std::filesystem::path file = m_home->filePath("pair.rvq").toStdString();
        QVERIFY(view.game().saveGame(file));
        answerNextModal();  // "Too Many tiles: 144 tiles, 2 spaces"
        frame.runCommand(kExitDesign);
        QVERIFY(!view.game().design().active());
        QVERIFY(view.game().loadGame(file));
        QCOMPARE(view.game().settings().layout.at(5, 6, 0), std::uint8_t(1));
        QCOMPARE(view.game().settings().layout.at(7, 6, 0), std::uint8_t(1));
        QCOMPARE(morvane::countSpaces(view.game().settings().layout), 2);
    }

    void aWonGameAsksTheWinnersNameAndShowsTheHallOfFame() {
        Window window;
        CMainFrame& frame = window.frame;
        morvane::GameSettings pair;
        pair.layout.set(0, 0, 0, 1);
        pair.layout.set(4, 0, 0, 1);
        pair.hlimit = 4;
        pair.vlimit = 0;
        pair.bitmapIsDefault = true;
        pair.bitmapPath = "DEFAULT";
        pair.tileSet.indis = 1;
        pair.tileSet.sizes[morvane::kGroupSlots] = 2;
        const std::filesystem::path file = m_home->filePath("pair.rvq").toStdString();
        QVERIFY(morvane::writeGameFile(file, pair));
        QVERIFY(frame.view().game().loadGame(file));
        QStringList dialogs;
        QTimer answers;
        QObject::connect(&answers, &QTimer::timeout, [&dialogs] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || (!dialogs.isEmpty() && dialogs.last() == modal->windowTitle())) {
                return;
            }
            dialogs << modal->windowTitle();
            if (auto* name = modal->findChild<QLineEdit*>()) {
                QTest::keyClicks(name, QStringLiteral("Ann"));
            }
            QTest::keyClick(modal, Qt::Key_Return);
        });
        answers.start(50);
        QTest::mouseClick(&frame.view(), Qt::LeftButton, {}, frame.view().faceCentre({0, 0, 0}));
        QTest::mouseClick(&frame.view(), Qt::LeftButton, {}, frame.view().faceCentre({4, 0, 0}));
        answers.stop();
        QCOMPARE(dialogs, (QStringList{"Congratulations", "Hall of Fame"}));
        QCOMPARE(paneText(frame, 59143), QStringLiteral("0"));
        QCOMPARE(platform::Profile(file).readString("HOF", "NAME1", ""), std::string("Ann"));
    }

    void theWindowOpensWhereItWasClosed() {
        QRect placed;
        {
            Window first;
            first.frame.setGeometry(40, 30, 700, 520);  // on the 800 x 600 offscreen screen
            QTRY_COMPARE(first.frame.geometry().size(), QSize(700, 520));
            placed = first.frame.geometry();
            first.frame.close();
        }
        const platform::Profile settings("MORVANE.INI", "morvane");
        QCOMPARE(settings.readString("WINDOWPOS", "WINMODE", ""), std::string("NORM"));
        Window second;
        QCOMPARE(second.frame.geometry(), placed);
    }

    void fullScreenTogglesAndTheReminderCanBeSwitchedOff() {
        Window window;
        CMainFrame& frame = window.frame;
        QTimer::singleShot(50, [] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal != nullptr);
            if (auto* box = modal->findChild<QCheckBox*>()) {
                box->setChecked(true);
            }
            QTest::keyClick(modal, Qt::Key_Return);
        });
        frame.toggleFullScreen();
        QVERIFY(frame.isFullScreen());
        QVERIFY(!frame.menuBar()->isVisible());
        QCOMPARE(frame.settings().readString("WINDOWPOS", "FULLSCREEN", ""), std::string("1"));
        QCOMPARE(frame.settings().readString("REMINDERS", "FULLSCREEN", ""), std::string("0"));
        frame.toggleFullScreen();
        QVERIFY(!frame.isFullScreen());
        QCOMPARE(frame.settings().readString("WINDOWPOS", "FULLSCREEN", ""), std::string("0"));
        frame.toggleFullScreen();  // no reminder any more: nothing waits for an answer
        QVERIFY(frame.isFullScreen());
    }

    void aGameFileWithAMissingBitmapPlaysOnWithTheBuiltInTilesAndSaysSo() {
        Window window;
        CMainFrame& frame = window.frame;
        morvane::GameSettings settings = frame.view().game().settings();
        settings.layoutIsDefault = true;
        settings.bitmapIsDefault = false;
        settings.bitmapPath = "missing.bmp";
        settings.width = 60;
        settings.height = 80;
        settings.depth = 8;
        const std::filesystem::path file = m_home->filePath("missing.rvq").toStdString();
        QVERIFY(morvane::writeGameFile(file, settings));
        QVERIFY(frame.view().game().loadGame(file));
        QCOMPARE(frame.view().painter().tileSize().width, 44);
        QVERIFY(frame.statusBar()->currentMessage().contains(QStringLiteral("missing.bmp")));

        answerNextModal();
        QVERIFY(!frame.view().game().loadGame(m_home->filePath("nothing.rvq").toStdString()));
        QCOMPARE(frame.view().game().gameName(), file.string());
    }

private:
    std::optional<QTemporaryDir> m_home;
};

QTEST_MAIN(CMainFrameTest)
#include "main_frame_test.moc"
