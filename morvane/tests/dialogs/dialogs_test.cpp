#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

#include "modal_steps.h"
#include "morvane/game/layout.h"
#include "morvane/game/tile_set.h"
#include "morvane/gamefile/game_file.h"
#include "morvane/ui/dialogs/morvane_dialogs.h"

namespace morvane {

namespace {

// Types letters one key at a time, also those beyond ASCII that key clicks cannot name.
void typeText(QWidget* field, const QString& text) {
    for (const QChar letter : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(field, &press);
    }
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void wonDialogShowsTheTimeAndTellsTheButton();
    void winnerNameKeeps49CharactersAndEnterCloses();
    void hallOfFameShowsTenRows();
    void aboutShowsTheVersion();
    void reminderIsSwitchedOffOnlyByOkWithTheBox();
    void manualIsOneWindowShownBesideTheGame();
};

void DialogsTest::wonDialogShowsTheTimeAndTellsTheButton() {
    struct Case {
        QString button;
        WonChoice choice;
    };
    const Case cases[] = {{QStringLiteral("OK"), WonChoice::Ok},
                          {QStringLiteral("View Hall of Fame"), WonChoice::ViewHallOfFame}};
    for (const Case& c : cases) {
        whenModalOpens([&c](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Congratulations"));
            const QStringList texts = shownTexts(dialog);
            QVERIFY(texts.contains(QStringLiteral("You've Won!!")));
            QVERIFY(texts.contains(QStringLiteral("Your time is:")));
            const auto* time = dialog.findChild<QLineEdit*>(QStringLiteral("Time"));
            QVERIFY(time != nullptr);
            QCOMPARE(time->text(), QStringLiteral("2:05"));
            QVERIFY(time->isReadOnly());
            buttonWithText(dialog, c.button)->click();
        });
        QCOMPARE(showWonDialog(nullptr, QStringLiteral("2:05")), c.choice);
    }
}

// A name is kept to the 49 bytes an entry holds: 49 letters, or fewer of those that take two bytes.
void DialogsTest::winnerNameKeeps49CharactersAndEnterCloses() {
    struct Case {
        QString typed;
        QString kept;
    };
    const Case cases[] = {
        {QString(60, QLatin1Char('x')), QString(49, QLatin1Char('x'))},
        {QString(30, QChar(0xE9)), QString(24, QChar(0xE9))},
        {QStringLiteral("Zoë"), QStringLiteral("Zoë")},
    };
    for (const Case& c : cases) {
        bool closedByEnter = false;
        whenModalOpens([&c, &closedByEnter](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Congratulations"));
            const QStringList texts = shownTexts(dialog);
            QVERIFY(texts.contains(QStringLiteral("You've made the Hall of Fame for this game!!")));
            QVERIFY(texts.contains(QStringLiteral("Please type your name and press Enter.")));
            QCOMPARE(dialog.findChildren<QLineEdit*>().size(), 1);
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("Name"));
            typeText(name, c.typed);
            QTest::keyClick(name, Qt::Key_Return);
            closedByEnter = !dialog.isVisible();
        });
        QCOMPARE(askWinnerName(nullptr), c.kept);
        QVERIFY(closedByEnter);
    }
}

void DialogsTest::hallOfFameShowsTenRows() {
    HallOfFameRows rows;
    rows[0] = {"Ann", "1:40", "547"};
    rows[1] = {"* ANONYMOUS *", "12:05", "9601"};
    whenModalOpens([](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Hall of Fame"));
        const auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("HallOfFame"));
        QVERIFY(table != nullptr);
        QCOMPARE(table->rowCount(), 10);
        const QStringList headers{"Name", "Time", "Authentication"};
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(table->horizontalHeaderItem(column)->text(), headers[column]);
        }
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Ann"));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("1:40"));
        QCOMPARE(table->item(1, 2)->text(), QStringLiteral("9601"));
        QCOMPARE(table->item(9, 0)->text(), QString());
        // All ten rows show without scrolling.
        QVERIFY(table->rowViewportPosition(9) + table->rowHeight(9) <= table->viewport()->height());
        QVERIFY(buttonWithText(dialog, QStringLiteral("OK")) != nullptr);
        pressButton(dialog, QDialogButtonBox::Ok);
    });
    showHallOfFameDialog(nullptr, rows);
}

void DialogsTest::aboutShowsTheVersion() {
    QPixmap icon(32, 32);
    icon.fill(Qt::darkGreen);
    QApplication::setWindowIcon(QIcon(icon));
    whenModalOpens([](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About morvane"));
        QVERIFY(shownTexts(dialog).contains(QStringLiteral("Morvane  Version 1.00")));
        const auto* picture = dialog.findChild<QLabel*>(QStringLiteral("Icon"));
        QVERIFY(picture != nullptr);
        QCOMPARE(picture->pixmap().toImage().pixelColor(10, 10), QColor(Qt::darkGreen));
        pressButton(dialog, QDialogButtonBox::Ok);
    });
    showAboutBox(nullptr);
    QApplication::setWindowIcon(QIcon());
}

void DialogsTest::reminderIsSwitchedOffOnlyByOkWithTheBox() {
    struct Case {
        bool checked;
        QDialogButtonBox::StandardButton button;
        bool dontRemind;
    };
    const Case cases[] = {
        {true, QDialogButtonBox::Ok, true},
        {false, QDialogButtonBox::Ok, false},
        {true, QDialogButtonBox::NoButton, false},  // closed with Escape
    };
    for (const Case& c : cases) {
        whenModalOpens([&c](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Important Reminder!!"));
            QVERIFY(shownTexts(dialog).contains(QStringLiteral("To end full screen mode, press ALT-F!!")));
            buttonWithText(dialog, QStringLiteral("Don't display this reminder again"))
                ->setChecked(c.checked);
            if (c.button == QDialogButtonBox::NoButton) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            }
            pressButton(dialog, c.button);
        });
        QCOMPARE(showFullScreenReminder(nullptr), c.dontRemind);
    }
}

void DialogsTest::manualIsOneWindowShownBesideTheGame() {
    QWidget game;
    showManual(&game);
    auto* manual = game.findChild<QTextBrowser*>(QStringLiteral("Manual"));
    QVERIFY(manual != nullptr);
    QVERIFY(manual->isVisible());
    QVERIFY(manual->isWindow());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    const QString text = manual->toPlainText();
    for (const char* topic :
         {"Slide Left", "Slide Down", "Lift", "Show Moves", "30 seconds", "Bookmark", "Insert mode",
          "Not enough tiles", "Hall of fame", "[LAYOUT]", "SUITSIZE00", "HOF"}) {
        QVERIFY2(text.contains(QLatin1String(topic)), topic);
    }
    manual->close();
    showManual(&game);
    QCOMPARE(game.findChildren<QTextBrowser*>().size(), 1);
    QVERIFY(manual->isVisible());
}

int runDialogsTest(int argc, char** argv) {
    DialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace morvane

#include "dialogs_test.moc"
