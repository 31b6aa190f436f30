#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "modal_steps.h"
#include "morvane/game/tile_set.h"
#include "morvane/ui/dialogs/morvane_dialogs.h"

namespace morvane {

namespace {

using DialogStep = std::function<void(QDialog&)>;

// A game of its own tile set, picture and sounds, with a small layout.
GameSettings customGame() {
    GameSettings settings;
    settings.layout.set(4, 4, 0, 1);
    settings.bitmapPath = "stones.bmp";
    settings.width = 30;
    settings.height = 40;
    settings.depth = 4;
    settings.tileSet.suits = 2;
    settings.tileSet.indis = 1;
    settings.tileSet.sizes[0] = 3;
    settings.tileSet.sizes[1] = 2;
    settings.tileSet.sizes[10] = 5;
    settings.sounds = {"/sfx/pick.wav",  "/sfx/drop.wav", "/sfx/stuck.wav",
                       "/sfx/wrong.wav", "/sfx/pair.wav", "/sfx/fanfare.wav"};
    return settings;
}

// Opens the Game Settings dialog on a game, runs the steps on it and answers with a button.
std::optional<GameSettings> runGameSettings(const GameSettings& current, DialogStep steps,
                                            QDialogButtonBox::StandardButton answer,
                                            const TestSound& testSound = {}) {
    whenModalOpens([steps, answer](QDialog& dialog) {
        steps(dialog);
        pressButton(dialog, answer);
    });
    return editGameSettings(nullptr, current, testSound);
}

// Clicks a button of the Game Settings dialog that opens a sub-dialog, and runs steps on that.
void inSubDialog(QDialog& dialog, const QString& button, DialogStep steps) {
    whenModalOpens(std::move(steps));
    dialog.findChild<QPushButton*>(button)->click();
}

void setSpin(QDialog& dialog, const QString& name, int value) {
    dialog.findChild<QSpinBox*>(name)->setValue(value);
}

}  // namespace

class GameSettingsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsItsGroupsCentredOnTheScreen();
    void okReturnsTheChosenSettings();
    void cancelReturnsNothing();
    void cancelledSubDialogsChangeNothing();
    void tilesCreatedFollowsTheSpinBoxes();
    void customSoundsChangeAndTest();
};

void GameSettingsDialogTest::showsItsGroupsCentredOnTheScreen() {
    runGameSettings(
        customGame(),
        [](QDialog& dialog) {
            const QStringList texts = shownTexts(dialog);
            for (const char* text : {"Tile Set",
                                     "Tile Graphics",
                                     "Sound Selectons",
                                     "Layout",
                                     "Default",
                                     "Custom",
                                     "Default Bitmap",
                                     "Custom Bitmap",
                                     "Default tile arrangement",
                                     "Custom tile arrangement",
                                     "Slide Left",
                                     "Slide Right",
                                     "Slide Up",
                                     "Slide Down",
                                     "Lift",
                                     "Custom Tile Set Settings",
                                     "Custom Bitmap Settings",
                                     "Custom Sound Settings",
                                     "OK",
                                     "Cancel"}) {
                QVERIFY2(texts.contains(QLatin1String(text)), text);
            }
            QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("TileSetCustom"))->isChecked());
            QVERIFY(buttonWithText(dialog, QStringLiteral("Slide Right"))->isChecked());
            QVERIFY(!buttonWithText(dialog, QStringLiteral("Lift"))->isChecked());
            const QPoint screenMiddle = dialog.screen()->availableGeometry().center();
            QVERIFY((dialog.frameGeometry().center() - screenMiddle).manhattanLength() <= 2);
        },
        QDialogButtonBox::Cancel);
}

void GameSettingsDialogTest::okReturnsTheChosenSettings() {
    const std::optional<GameSettings> chosen = runGameSettings(
        customGame(),
        [](QDialog& dialog) {
            dialog.findChild<QRadioButton*>(QStringLiteral("TileSetDefault"))->click();
            dialog.findChild<QRadioButton*>(QStringLiteral("SoundsDefault"))->click();
            dialog.findChild<QRadioButton*>(QStringLiteral("LayoutDefault"))->click();
            buttonWithText(dialog, QStringLiteral("Slide Left"))->click();
            buttonWithText(dialog, QStringLiteral("Slide Down"))->click();
            buttonWithText(dialog, QStringLiteral("Lift"))->click();
            inSubDialog(dialog, QStringLiteral("CustomBitmapSettings"), [](QDialog& bitmap) {
                QCOMPARE(bitmap.windowTitle(), QStringLiteral("Custom Bitmap Settings"));
                QCOMPARE(bitmap.findChild<QLineEdit*>(QStringLiteral("File"))->text(),
                         QStringLiteral("stones.bmp"));
                bitmap.findChild<QLineEdit*>(QStringLiteral("Width"))->setText(QStringLiteral("50"));
                bitmap.findChild<QLineEdit*>(QStringLiteral("Depth"))->setText(QStringLiteral("7"));
                pressButton(bitmap, QDialogButtonBox::Ok);
            });
        },
        QDialogButtonBox::Ok);
    QVERIFY(chosen.has_value());
    GameSettings expected = customGame();
    expected.tileSetIsDefault = true;
    expected.tileSet = builtInTileSet();
    expected.soundsAreDefault = true;
    expected.sounds = {"select.wav", "deselect.wav", "unfree.wav", "unfree.wav", "remove.wav", "won.wav"};
    expected.layoutIsDefault = true;
    expected.rules = {false, true, false, true, true};
    expected.width = 50;
    expected.depth = 7;
    QVERIFY(*chosen == expected);
}

void GameSettingsDialogTest::cancelReturnsNothing() {
    const std::optional<GameSettings> chosen = runGameSettings(
        customGame(),
        [](QDialog& dialog) {
            dialog.findChild<QRadioButton*>(QStringLiteral("BitmapDefault"))->click();
            buttonWithText(dialog, QStringLiteral("Slide Up"))->click();
        },
        QDialogButtonBox::Cancel);
    QVERIFY(!chosen.has_value());
}

void GameSettingsDialogTest::cancelledSubDialogsChangeNothing() {
    const std::optional<GameSettings> chosen = runGameSettings(
        customGame(),
        [](QDialog& dialog) {
            inSubDialog(dialog, QStringLiteral("CustomTileSetSettings"), [](QDialog& tiles) {
                setSpin(tiles, QStringLiteral("Suits"), 7);
                setSpin(tiles, QStringLiteral("SuitSize1"), 9);
                pressButton(tiles, QDialogButtonBox::Cancel);
            });
            inSubDialog(dialog, QStringLiteral("CustomBitmapSettings"), [](QDialog& bitmap) {
                buttonWithText(bitmap, QStringLiteral("DEFAULT"))->click();
                QCOMPARE(bitmap.findChild<QLineEdit*>(QStringLiteral("File"))->text(),
                         QStringLiteral("DEFAULT"));
                QCOMPARE(bitmap.findChild<QLineEdit*>(QStringLiteral("Height"))->text(),
                         QStringLiteral("59"));
                pressButton(bitmap, QDialogButtonBox::Cancel);
            });
            inSubDialog(dialog, QStringLiteral("CustomSoundSettings"), [](QDialog& sounds) {
                QCOMPARE(sounds.windowTitle(), QStringLiteral("Custom Sounds"));
                QTest::keyClick(&sounds, Qt::Key_Escape);
            });
        },
        QDialogButtonBox::Ok);
    QVERIFY(chosen.has_value());
    QVERIFY(*chosen == customGame());
}

void GameSettingsDialogTest::tilesCreatedFollowsTheSpinBoxes() {
    struct Change {
        const char* spin;
        int value;
        const char* tilesCreated;
    };
    const Change changes[] = {
        {"SuitSize1", 9, "49"},  // 4 x (9 + 2) + 5
        {"Suits", 1, "41"},      // 4 x 9 + 5
        {"Indis", 0, "36"},      // 4 x 9
        {"SuitSize2", 8, "36"},  // suit 2 is not in use
        {"Suits", 2, "68"},      // 4 x (9 + 8)
        {"Indis", 2, "73"},      // two individual groups of 5 and 0
        {"IndiSize2", 4, "77"},
    };
    const std::optional<GameSettings> chosen = runGameSettings(
        customGame(),
        [&changes](QDialog& dialog) {
            inSubDialog(dialog, QStringLiteral("CustomTileSetSettings"), [&changes](QDialog& tiles) {
                QCOMPARE(tiles.windowTitle(), QStringLiteral("Custom Tile Set Settings"));
                const auto* created = tiles.findChild<QLineEdit*>(QStringLiteral("TilesCreated"));
                QVERIFY(created->isReadOnly());
                QCOMPARE(created->text(), QStringLiteral("25"));
                QCOMPARE(tiles.findChild<QSpinBox*>(QStringLiteral("IndiSize9"))->maximum(), 9);
                for (const Change& change : changes) {
                    setSpin(tiles, QLatin1String(change.spin), change.value);
                    QCOMPARE(created->text(), QLatin1String(change.tilesCreated));
                }
                pressButton(tiles, QDialogButtonBox::Ok);
            });
        },
        QDialogButtonBox::Ok);
    QVERIFY(chosen.has_value());
    QCOMPARE(countTiles(chosen->tileSet), 77);
    QCOMPARE(chosen->tileSet.sizes[11], 4);
}

// Test plays the file in the field at once; Change puts in the bare name, or the whole path with
// Save Path checked.
void GameSettingsDialogTest::customSoundsChangeAndTest() {
    QTemporaryDir folder;
    const QString wave = folder.filePath(QStringLiteral("bell.wav"));
    QFile(wave).open(QIODevice::WriteOnly);
    std::vector<std::string> played;
    const auto pick = [wave](QDialog& files) {
        auto* fileDialog = qobject_cast<QFileDialog*>(&files);
        QVERIFY(fileDialog != nullptr);
        fileDialog->selectFile(wave);
        files.accept();
    };
    const std::optional<GameSettings> chosen = runGameSettings(
        customGame(),
        [&](QDialog& dialog) {
            inSubDialog(dialog, QStringLiteral("CustomSoundSettings"), [&](QDialog& sounds) {
                sounds.findChild<QPushButton*>(QStringLiteral("Test4"))->click();
                whenModalOpens(pick);
                sounds.findChild<QPushButton*>(QStringLiteral("Change0"))->click();
                sounds.findChild<QCheckBox*>(QStringLiteral("SavePath5"))->setChecked(true);
                whenModalOpens(pick);
                sounds.findChild<QPushButton*>(QStringLiteral("Change5"))->click();
                sounds.findChild<QPushButton*>(QStringLiteral("Test0"))->click();
                pressButton(sounds, QDialogButtonBox::Ok);
            });
        },
        QDialogButtonBox::Ok, [&played](const std::string& file) { played.push_back(file); });
    QCOMPARE(played, (std::vector<std::string>{"/sfx/pair.wav", "bell.wav"}));
    QVERIFY(chosen.has_value());
    QCOMPARE(chosen->sounds[0], std::string("bell.wav"));
    QCOMPARE(chosen->sounds[5], wave.toStdString());
    QCOMPARE(chosen->sounds[1], std::string("/sfx/drop.wav"));
}

int runGameSettingsDialogTest(int argc, char** argv) {
    GameSettingsDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace morvane

#include "game_settings_dialog_test.moc"
