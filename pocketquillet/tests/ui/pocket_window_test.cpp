#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>

#include "platform/audio/manual_audio_device.h"
#include "platform/qt/command_actions.h"
#include "platform/qt/window_timer.h"
#include "pocketquillet/game/hiscore_file.h"
#include "pocketquillet/tests/test_support.h"
#include "pocketquillet/ui/board_view.h"
#include "pocketquillet/ui/pocket_window.h"
#include "pocketquillet/view/commands.h"

using namespace pocketquillet;
using platform::qt::WindowClock;
using std::chrono::milliseconds;

namespace {

// Answers the modal dialogs the window opens, one after the other, as a player would.
class DialogScript : public QObject {
public:
    using Step = std::function<bool(QWidget*)>;  // true once the step has dealt with the dialog

    explicit DialogScript(std::deque<Step> steps) : m_steps(std::move(steps)) {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog != nullptr && !m_steps.empty() && m_steps.front()(dialog)) {
                m_steps.pop_front();
            }
        });
        m_poll.start(20);
    }
    bool finished() const { return m_steps.empty(); }

private:
    std::deque<Step> m_steps;
    QTimer m_poll;
};

DialogScript::Step answer(QMessageBox::StandardButton button, QString* question = nullptr) {
    return [button, question](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (box == nullptr) {
            return false;
        }
        if (question != nullptr) {
            *question = box->text();
        }
        box->button(button)->click();
        return true;
    };
}

// Fills the line edits a dialog names and presses its OK.
DialogScript::Step fillAndAccept(const QString& dialogName, std::function<void(QDialog*)> fill) {
    return [dialogName, fill](QWidget* widget) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (dialog == nullptr || dialog->objectName() != dialogName) {
            return false;
        }
        fill(dialog);
        dialog->accept();
        return true;
    };
}

// Whether an action stands in a menu of the bar, or in one of its submenus.
bool isInMenus(const QList<QAction*>& lines, const QAction* action) {
    for (const QAction* line : lines) {
        if (line == action || (line->menu() != nullptr && isInMenus(line->menu()->actions(), action))) {
            return true;
        }
    }
    return false;
}

// Every command of the language's table can be chosen from the menu bar under its caption.
void verifyMenusOffer(const PocketWindow& window, Language language) {
    QStringList titles;
    for (const QAction* menu : window.menuBar()->actions()) {
        titles << menu->text();
    }
    QStringList expectedTitles;
    for (const platform::MenuLine& menu : menuBar(language)) {
        expectedTitles << platform::qt::text(menu.submenu);
    }
    QCOMPARE(titles, expectedTitles);
    for (const platform::Command& command : commandTable(language)) {
        const QAction* action = window.action(static_cast<Command>(command.id));
        QVERIFY2(action != nullptr && isInMenus(window.menuBar()->actions(), action), command.caption.data());
        QCOMPARE(action->text(), platform::qt::text(command.caption));
    }
}

// Each menu item is enabled and checked exactly as the game says.
void verifyActionsFollowTheGame(const PocketWindow& window) {
    for (const platform::Command& command : commandTable(window.game().options().language)) {
        const Command id = static_cast<Command>(command.id);
        const QAction* action = window.action(id);
        QVERIFY(action != nullptr);
        QVERIFY2(action->isEnabled() == window.game().isEnabled(id), command.caption.data());
        QCOMPARE(action->isCheckable(), command.checkable);
        QVERIFY2(!command.checkable || action->isChecked() == window.game().isChecked(id),
                 command.caption.data());
    }
}

class WindowFixture {
public:
    explicit WindowFixture(PlayMode mode, Skill skill = Skill::Novice, std::u16string windowPos = u"MAX",
                           std::u16string sound = u"OFF") {
        profile.set(u"MAIN", u"PlayMode", decimalText(static_cast<std::uint32_t>(mode)));
        profile.set(u"MAIN", u"Skill", decimalText(static_cast<std::uint32_t>(skill)));
        profile.set(u"MAIN", u"Sound", sound);
        profile.set(u"MAIN", u"WindowPos", windowPos);
        window =
            std::make_unique<PocketWindow>(WindowServices{&random, &profile, folder.path() / "HISCORE.QZO"});
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    // Board 1 holds eight stones in row 0: faces 1, 1, 1, 1, 2, 2, 2, 2.
    void useTopRow() { test::useTopRowBoard(profile, random); }

    BoardView* view() const { return window->findChild<BoardView*>(QStringLiteral("board")); }

    void click(Cell cell) {
        const Point centre = window->painter().geometry().cellCentre(cell);
        QTest::mouseClick(view(), Qt::LeftButton, {}, QPoint(centre.x, centre.y));
    }

    test::TempFolder folder;
    test::ScriptedRandom random;
    test::ScriptedProfile profile;
    std::unique_ptr<PocketWindow> window;
};

}  // namespace

class PocketWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The windows' timers run on a clock the tests move: a wait of seconds takes none.
    void initTestCase() { WindowClock::useManual(); }

    void anUnreadableHiscoreTableIsToldOnce() {
        test::ScriptedRandom random;
        test::ScriptedProfile profile;
        // Reading this file fails at its first byte, as a disk with an I/O error would.
        QString told;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&told] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                told = box->text();
                box->accept();
            }
        });
        answer.start(50);
        PocketWindow window(WindowServices{&random, &profile, "/proc/self/mem"});
        window.show();
        QTRY_VERIFY(!told.isEmpty());
        QVERIFY(told.contains(QStringLiteral("/proc/self/mem cannot be read")));
    }

    void idleWindowShowsTheStartPictureOnWhite() {
        WindowFixture fixture(PlayMode::Tournament);
        PocketWindow& window = *fixture.window;
        QCOMPARE(window.windowTitle(), QStringLiteral("PocketQuillet"));
        QCOMPARE(window.game().state(), GameState::Idle);
        QVERIFY(!window.isClockRunning());
        QVERIFY(!window.action(Command::EndGame)->isEnabled());
        verifyMenusOffer(window, Language::English);
        verifyActionsFollowTheGame(window);
        const QImage shown = fixture.view()->grab().toImage();
        QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::white));
        QCOMPARE(shown.size(), fixture.view()->size());
        const platform::Bitmap& image = window.painter().image();
        const BuiltInArt art;
        QVERIFY2(!art.pictures().start.isNull(), "tools/ builds the start picture into the window library");
        const Point origin = startPictureOrigin(image.width(), image.height(), art.pictures().start.width(),
                                                art.pictures().start.height());
        QCOMPARE(image.pixel(origin.x + 5, origin.y + 5), art.pictures().start.pixel(5, 5));
        QCOMPARE(shown.pixel(origin.x + 5, origin.y + 5),
                 QColor::fromRgb(image.pixel(origin.x + 5, origin.y + 5)).rgb());
    }

    void solitairePairClickedOffTheBoard() {
        WindowFixture fixture(PlayMode::Solitaire);
        PocketWindow& window = *fixture.window;
        window.action(Command::StartGame)->trigger();
        QCOMPARE(window.game().state(), GameState::Running);
        QVERIFY(!window.action(Command::StartGame)->isEnabled());
        QVERIFY(!window.isClockRunning());  // no clock counts in Solitaire
        verifyActionsFollowTheGame(window);
        const std::optional<StonePair> pair = findPair(window.game().board());
        QVERIFY(pair.has_value());
        fixture.click(pair->first);
        QCOMPARE(window.game().selection(), std::optional<Cell>(pair->first));
        const platform::Rect cell = window.painter().geometry().cellRect(pair->second);
        const auto quarterPixel = [&] {
            return window.painter().image().pixel(cell.x + cell.width / 4, cell.y + cell.height / 4);
        };
        const platform::Pixel stone = quarterPixel();
        fixture.click(pair->second);
        WindowClock::advance(milliseconds(349));
        QCOMPARE(quarterPixel(), stone);  // the stones stay a moment under their path
        WindowClock::advance(milliseconds(1));
        QCOMPARE(quarterPixel(), platform::kWhite);
        QCOMPARE(window.game().stonesLeft(), kStoneCount - 2);
        QVERIFY(window.game().board().isEmpty(pair->first));
        QVERIFY(window.game().board().isEmpty(pair->second));
        QVERIFY(window.game().shownPath().has_value());

        // A click in the left margin is no cell: it only takes the path away.
        QTest::mouseClick(fixture.view(), Qt::LeftButton, {}, QPoint(0, 10));
        QVERIFY(!window.game().shownPath().has_value());
        QVERIFY(!window.game().selection().has_value());
        QCOMPARE(window.game().stonesLeft(), kStoneCount - 2);
    }

    void windowOpensWhereWindowPosSaysAndWritesItBack() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        WindowFixture placed(PlayMode::Tournament, Skill::Novice, u"10,20,60,70");
        QCOMPARE(placed.window->size(), QSize(screen.width() / 2, screen.height() / 2));
        WindowFixture damaged(PlayMode::Tournament, Skill::Novice, u"10,20,60");  // as "MAX"
        QCOMPARE(damaged.window->pos(), screen.topLeft());
        damaged.window->close();
        const std::u16string written = damaged.profile.written.at({u"MAIN", u"WindowPos"});
        QVERIFY(QString::fromStdU16String(written).contains(
            QRegularExpression(QStringLiteral("^-?\\d+(,-?\\d+){3}$"))));
    }

    void boardFollowsTheWindowsSize() {
        WindowFixture fixture(PlayMode::Solitaire);
        fixture.window->action(Command::StartGame)->trigger();
        const int small = fixture.window->painter().geometry().cellWidth();
        const int shortCells = fixture.window->painter().geometry().cellHeight();
        fixture.window->action(Command::ShowScore)->trigger();  // the status lines give way to the cells
        QVERIFY(fixture.window->painter().geometry().cellHeight() > shortCells);
        fixture.window->resize(1200, 800);
        QTRY_VERIFY(fixture.window->painter().geometry().cellWidth() > small);
        QCOMPARE(fixture.window->painter().image().width(), fixture.view()->width());
    }

    void languageSwitchRebuildsTheMenusOfTheOtherLanguage() {
        WindowFixture fixture(PlayMode::Tournament);
        PocketWindow& window = *fixture.window;
        DialogScript script({fillAndAccept(QStringLiteral("options"), [](QDialog* dialog) {
            dialog->findChild<QComboBox*>()->setCurrentText(QStringLiteral("Deutsch"));
            for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                if (button->text() == QStringLiteral("OK")) {
                    button->click();
                }
            }
        })});
        window.action(Command::Options)->trigger();  // the menus change under their own command
        QVERIFY(script.finished());
        QCOMPARE(window.game().options().language, Language::German);
        verifyMenusOffer(window, Language::German);
        verifyActionsFollowTheGame(window);
        window.action(Command::ShowScore)->trigger();
        verifyActionsFollowTheGame(window);
    }

    void challengeTurnGoesToTheComputer() {
        WindowFixture fixture(PlayMode::Challenge);
        fixture.useTopRow();
        PocketWindow& window = *fixture.window;
        DialogScript script({fillAndAccept(QStringLiteral("challenge"), [](QDialog* dialog) {
            dialog->findChild<QLineEdit*>(QStringLiteral("player1"))->setText(QStringLiteral("Ann"));
            dialog->findChild<QPushButton*>(QStringLiteral("pc2"))->click();
        })});
        window.action(Command::StartGame)->trigger();
        QVERIFY(script.finished());
        QCOMPARE(window.game().state(), GameState::Running);
        QCOMPARE(window.game().player(1).name, std::u16string(u"COMPUTER"));
        QVERIFY(window.isClockRunning());
        QVERIFY(window.action(Command::PauseGame)->isEnabled());
        verifyActionsFollowTheGame(window);

        fixture.click({0, 0});
        fixture.click({3, 0});  // Ann's pair leaves by the top edge
        QCOMPARE(window.game().player(0).stonesRemoved, 2);
        QCOMPARE(window.game().currentPlayer(), 1);
        QVERIFY(!window.action(Command::NextMove)->isEnabled());  // no hints for the computer
        verifyActionsFollowTheGame(window);
        fixture.click({1, 0});  // the player may not click for the computer
        QVERIFY(!window.game().selection().has_value());
        QVERIFY(WindowClock::advanceUntil([&window] { return window.game().player(1).stonesRemoved == 2; },
                                          std::chrono::seconds(5)));
        QCOMPARE(window.game().currentPlayer(), 0);

        window.action(Command::PauseGame)->trigger();
        QCOMPARE(window.game().state(), GameState::Held);
        QVERIFY(!window.isClockRunning());  // nothing counts while the game is held
        verifyActionsFollowTheGame(window);
    }

    void soundsPlayOnlyWhileSoundIsOnAndABadFilePlaysNothing() {
        // The sounds play on a device the test renders, so that one is over the moment it says.
        const auto audio = platform::ManualAudioDevice::install();
        WindowFixture fixture(PlayMode::Tournament, Skill::Novice, u"MAX", u"ON");
        PocketWindow& window = *fixture.window;
        QVERIFY(!window.holdsAudioOutput());  // nothing is opened before the first sound
        const QString notAWave = QString::fromStdString((fixture.folder.path() / "noise.wav").string());
        QFile file(notAWave);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("RIFF but nothing a wave holds");
        file.close();
        const auto pressPlay = [](const QString& sound) {
            return fillAndAccept(QStringLiteral("options"), [sound](QDialog* dialog) {
                dialog->findChild<QLineEdit*>(QStringLiteral("hiscoreSound"))->setText(sound);
                dialog->findChild<QPushButton*>(QStringLiteral("playSound"))->click();
            });
        };
        DialogScript badFile({pressPlay(notAWave)});
        window.runCommand(Command::Options);
        QVERIFY(badFile.finished());
        QVERIFY(!window.isSoundPlaying());
        QVERIFY2(!BuiltInArt().wave("QZ3").empty(), "tools/ builds the sounds into the window library");
        DialogScript builtIn({pressPlay(QStringLiteral("QZ3"))});
        window.runCommand(Command::Options);
        QVERIFY(window.isSoundPlaying());
        QVERIFY(window.holdsAudioOutput());
        const milliseconds heardFrom = WindowClock::manualNow();
        QVERIFY(audio->renderUntilSilent());
        // Closed a little after the sound is over, not before.
        QVERIFY(WindowClock::advanceUntil([&window] { return !window.holdsAudioOutput(); },
                                          std::chrono::seconds(10)));
        QVERIFY(WindowClock::manualNow() - heardFrom >= milliseconds(250));
        window.action(Command::Sound)->trigger();
        QVERIFY(!window.game().options().sound);
        QVERIFY(!window.holdsAudioOutput());  // no audio device while silent
        window.action(Command::Sound)->trigger();
        QVERIFY(!window.holdsAudioOutput());
    }

    void noTwoCommandsOfALanguageShareAKey() {
        for (const Language language : {Language::English, Language::German}) {
            const auto clashes = platform::qt::clashingShortcuts(commandTable(language));
            QVERIFY2(clashes.empty(), qPrintable(QStringLiteral("%1 and %2 share a key")
                                                     .arg(clashes.empty() ? 0 : clashes.front().first)
                                                     .arg(clashes.empty() ? 0 : clashes.front().second)));
        }
    }

    void hiscoreNameIsAskedAfterATournamentGame() {
        WindowFixture fixture(PlayMode::Tournament);
        fixture.useTopRow();
        PocketWindow& window = *fixture.window;
        window.action(Command::StartGame)->trigger();
        fixture.click({0, 0});
        fixture.click({3, 0});  // 3 x 5 points
        QCOMPARE(window.game().player(0).points, 15u);
        QString question;
        DialogScript script(
            {answer(QMessageBox::Yes, &question),
             fillAndAccept(QStringLiteral("enterHiscore"), [](QDialog* dialog) {
                 dialog->findChild<QLineEdit*>(QStringLiteral("name"))->setText(QStringLiteral("Ann"));
             })});
        window.action(Command::EndGame)->trigger();
        QVERIFY(script.finished());
        QCOMPARE(question, QStringLiteral("Quit this game ?"));
        QCOMPARE(window.game().state(), GameState::Idle);
        const HiscoreTable table = readHiscoreFile(fixture.folder.path() / "HISCORE.QZO");
        QCOMPARE(table.entry(0).name, std::u16string(u"Ann"));
        QCOMPARE(table.entry(0).points, 15u);
    }
};

QTEST_MAIN(PocketWindowTest)
#include "pocket_window_test.moc"
