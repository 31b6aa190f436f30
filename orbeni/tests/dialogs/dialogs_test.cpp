#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <functional>

#include "orbeni/game/hall_of_fame.h"
#include "orbeni/ui/dialogs/about_box.h"
#include "orbeni/ui/dialogs/aide_dialog.h"
#include "orbeni/ui/dialogs/hall_panel.h"
#include "orbeni/ui/dialogs/high_score_dialog.h"
#include "orbeni/ui/dialogs/ok_glyph.h"
#include "orbeni/ui/dialogs/randomiz_dialog.h"
#include "orbeni/ui/dialogs/splash_window.h"
#include "orbeni/ui/dialogs/tiles_chart.h"
#include "orbeni/view/face_cells.h"
#include "platform/bitmap/bmp_file.h"

namespace orbeni {
namespace {

const std::vector<std::string> kLayoutNames{"Turtle", "Dragon Gate", "Pyramid"};

std::filesystem::path pathOf(const QTemporaryDir& dir) {
    return dir.path().toStdString();
}

// Every pixel of the synthetic tile images tells where it comes from.
platform::Bitmap numberedTileImages() {
    platform::Bitmap pai(414, 280);
    for (int y = 0; y < pai.height(); ++y) {
        for (int x = 0; x < pai.width(); ++x) {
            pai.setPixel(x, y, platform::rgb(std::uint8_t(x), std::uint8_t(y), std::uint8_t(x >> 8)));
        }
    }
    return pai;
}

// Runs a step once the modal dialog that the next call opens is on screen; a step that fails
// half-way still closes the dialog.
void whenShown(QDialog& dialog, std::function<void()> step) {
    QTimer::singleShot(0, &dialog, [&dialog, step = std::move(step)] {
        step();
        if (dialog.isVisible()) {
            dialog.reject();
        }
    });
}

QStringList rowTexts(const QTreeWidget* scores, int row) {
    QStringList texts;
    for (int column = 0; column < scores->columnCount(); ++column) {
        texts << scores->topLevelItem(row)->text(column);
    }
    return texts;
}

bool sameArea(const QImage& a, const QImage& b, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void highScoreListsTheSlotOfTheCurrentLayout();
    void highScoreLayoutListSwitchesToRivers();
    void highScoreNewEntryAsksForTheName();
    void highScoreKeepsALongPlayerNameWhenBrowsing();
    void randomSeedGivesTheTextOrNothing();
    void helpWithoutNotesCannotOpen();
    void helpShowsTheNotesAsText();
    void tilesChartShowsEveryFaceWhereItsFamilyIs();
    void splashIsItsPicturePlusTheFrame();
    void okGlyphComesFromTheProgramFolder();
    void hallPanelDrawsNamesOverTheBackground();
};

void DialogsTest::highScoreListsTheSlotOfTheCurrentLayout() {
    HallOfFame hall;
    hall.resetSlot(2);
    hall.AddHall(2, "Alice", 200, 40);
    hall.AddHall(2, "Bob", 150, 0);
    THighScore dialog(hall, kLayoutNames, 2, "Bob", ScoresOpening::Browse, QIcon());

    const auto* scores = dialog.findChild<QTreeWidget*>(QStringLiteral("Scores"));
    QVERIFY(scores != nullptr);
    QCOMPARE(rowTexts(scores, 0), (QStringList{"1", "Bob     ", "02:30", "00:00"}));
    QCOMPARE(rowTexts(scores, 1), (QStringList{"2", "Alice   ", "03:20", "00:40"}));
    QCOMPARE(rowTexts(scores, 2), (QStringList{"3", "---     ", "05:00", "00:00"}));
    QCOMPARE(scores->topLevelItemCount(), kRanks);
    const QStringList titles{"Rk", "Name", "Time", "Malus"};
    const int widths[] = {30, 150, 75, 60};
    for (int column = 0; column < 4; ++column) {
        QCOMPARE(scores->headerItem()->text(column), titles[column]);
        QCOMPARE(scores->columnWidth(column), widths[column]);
    }
    QCOMPARE(scores->topLevelItem(0)->textAlignment(2) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    const auto* layouts = dialog.findChild<QComboBox*>(QStringLiteral("LayoutComboBox"));
    QCOMPARE(layouts->count(), 4);
    QCOMPARE(layouts->itemText(1), QStringLiteral("Dragon Gate Layout"));
    QCOMPARE(layouts->itemText(3), QStringLiteral("Mahjongg Rivers"));
    QCOMPARE(layouts->currentIndex(), 1);
    QVERIFY(!layouts->isHidden());
    QVERIFY(dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"))->isHidden());
    QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("Label1"))->isHidden());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("High Scores"));
}

void DialogsTest::highScoreLayoutListSwitchesToRivers() {
    HallOfFame hall;
    hall.resetSlot(1);
    hall.resetSlot(kRiversSlot);
    hall.AddHall(kRiversSlot, "River", 61, 10);
    THighScore dialog(hall, kLayoutNames, 1, "Player1", ScoresOpening::Browse, QIcon());
    auto* layouts = dialog.findChild<QComboBox*>(QStringLiteral("LayoutComboBox"));
    const auto* scores = dialog.findChild<QTreeWidget*>(QStringLiteral("Scores"));
    QCOMPARE(layouts->currentIndex(), 0);
    QCOMPARE(scores->topLevelItem(0)->text(1), QStringLiteral("---     "));

    layouts->setCurrentIndex(3);
    QCOMPARE(rowTexts(scores, 0), (QStringList{"1", "River   ", "01:01", "00:10"}));
    // A slot never read from the file lists gentler default times.
    layouts->setCurrentIndex(2);
    QCOMPARE(rowTexts(scores, 0), (QStringList{"1", "---     ", "04:00", "00:00"}));
    QCOMPARE(rowTexts(scores, 9), (QStringList{"10", "---     ", "08:30", "00:00"}));

    THighScore rivers(hall, kLayoutNames, kRiversSlot, "Player1", ScoresOpening::Browse, QIcon());
    QCOMPARE(rivers.findChild<QComboBox*>(QStringLiteral("LayoutComboBox"))->currentIndex(), 3);
}

void DialogsTest::highScoreNewEntryAsksForTheName() {
    HallOfFame hall;
    hall.resetSlot(3);
    hall.AddHall(3, "Alice", 100, 0);
    hall.AddHall(3, "Player1", 120, 40);
    THighScore dialog(hall, kLayoutNames, 3, "Player1", ScoresOpening::NewEntry, QIcon());
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    const auto* label = dialog.findChild<QLabel*>(QStringLiteral("Label1"));
    QCOMPARE(label->text(), QStringLiteral("You reached rank #2, Player1 !"));
    QVERIFY(!label->isHidden());
    QVERIFY(!edit->isHidden());
    QVERIFY(dialog.findChild<QComboBox*>(QStringLiteral("LayoutComboBox"))->isHidden());
    QCOMPARE(edit->text(), QStringLiteral("Player1"));

    QCOMPARE(dialog.focusWidget(), edit);
    whenShown(dialog, [&] {
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("Bartholomew"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.enteredName(), std::string("Bartholo"));
}

void DialogsTest::highScoreKeepsALongPlayerNameWhenBrowsing() {
    HallOfFame hall;
    hall.resetSlot(1);
    THighScore dialog(hall, kLayoutNames, 1, "Maximilian", ScoresOpening::Browse, QIcon());
    QCOMPARE(dialog.enteredName(), std::string("Maximilian"));
}

void DialogsTest::randomSeedGivesTheTextOrNothing() {
    TRandomiz dialog{QIcon()};
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Random Seed"));
    auto* seed = dialog.findChild<QLineEdit*>(QStringLiteral("RandomSeed"));
    QString shown;
    whenShown(dialog, [&] {
        shown = seed->text();
        QTest::keyClicks(seed, QStringLiteral("2024"));
        dialog.findChild<QPushButton*>(QStringLiteral("OK"))->click();
    });
    QCOMPARE(dialog.ask(77), std::optional<std::string>("2024"));
    QCOMPARE(shown, QStringLiteral("77"));

    whenShown(dialog, [&] {
        QTest::keyClicks(seed, QStringLiteral("5"));
        dialog.findChild<QPushButton*>(QStringLiteral("Cancel"))->click();
    });
    QCOMPARE(dialog.ask(3), std::nullopt);

    whenShown(dialog, [&] { QTest::keyClick(seed, Qt::Key_Return); });
    QCOMPARE(dialog.ask(123), std::optional<std::string>("123"));
}

void DialogsTest::helpWithoutNotesCannotOpen() {
    QTemporaryDir folder;
    const auto help = TAide::create(pathOf(folder), numberedTileImages());
    QVERIFY(!help);
    QCOMPARE(QString::fromStdString(help.error()),
             QStringLiteral("Cannot open file ") +
                 QDir(folder.path()).absoluteFilePath(QStringLiteral("orbeni.rtf")));
}

void DialogsTest::helpShowsTheNotesAsText() {
    QTemporaryDir folder;
    std::ofstream(pathOf(folder) / "orbeni.rtf")
        << R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}{\b Orbeni notes}\par Caf\'e9 <3\par})";
    auto help = TAide::create(pathOf(folder), platform::Bitmap());
    QVERIFY(help);
    TAide& aide = *help.value();
    QCOMPARE(aide.windowTitle(), QStringLiteral("Orbeni Help"));
    QVERIFY(aide.isModal());
    const auto* pages = aide.findChild<QTabWidget*>(QStringLiteral("Pages"));
    QCOMPARE(pages->count(), 3);
    QCOMPARE(pages->tabText(1), QStringLiteral("Tiles"));
    QCOMPARE(pages->tabText(2), QStringLiteral("Notes"));
    const auto* notes = aide.findChild<QTextBrowser*>(QStringLiteral("Notes"));
    QVERIFY(notes->isReadOnly());
    QCOMPARE(notes->toPlainText(), QStringLiteral("Orbeni notes\nCafé <3"));
    QVERIFY(
        aide.findChild<QTextBrowser*>(QStringLiteral("Rules"))->toPlainText().contains(QStringLiteral("40")));
}

void DialogsTest::tilesChartShowsEveryFaceWhereItsFamilyIs() {
    struct Row {
        int firstFace, lastFace, x, y;
    };
    const Row rows[] = {{1, 9, 0, 24},    {10, 18, 0, 104},   {19, 27, 0, 184},  {28, 31, 0, 264},
                        {32, 35, 0, 344}, {39, 42, 225, 264}, {36, 38, 270, 344}};
    const platform::Bitmap pai = numberedTileImages();
    const QImage chart = drawTilesChart(pai);
    QCOMPARE(chart.size(), QSize(410, 409));
    for (const Row& row : rows) {
        for (int face = row.firstFace; face <= row.lastFace; ++face) {
            const CellOrigin cell = tileImageOrigin(face);
            const int left = row.x + 45 * (face - row.firstFace);
            for (int dy = 0; dy < 50; ++dy) {
                for (int dx = 0; dx < 40; ++dx) {
                    QCOMPARE(chart.pixel(left + dx, row.y + dy), pai.pixel(cell.x + 6 + dx, cell.y + dy));
                }
            }
        }
    }
    const QRgb teal = qRgb(0, 128, 128);
    QCOMPARE(chart.pixel(405, 50), teal);
    QCOMPARE(chart.pixel(42, 50), teal);
    // The label above the craks is white text on teal: every pixel there lies between the two.
    int lettering = 0;
    for (int x = 0; x < 150; ++x) {
        for (int y = 4; y < 22; ++y) {
            const QColor pixel(chart.pixel(x, y));
            lettering += pixel.rgb() != teal ? 1 : 0;
            QVERIFY(pixel.green() >= 128 && pixel.blue() >= 128 && pixel.green() == pixel.blue());
        }
    }
    QVERIFY(lettering > 20);
    const QImage blank = drawTilesChart(platform::Bitmap());
    QCOMPARE(blank.pixel(20, 50), teal);
}

void DialogsTest::splashIsItsPicturePlusTheFrame() {
    QTemporaryDir folder;
    const std::filesystem::path picture = pathOf(folder) / "splash.bmp";
    QVERIFY(platform::saveBmp(platform::Bitmap(120, 80, platform::rgb(200, 10, 10)), picture));
    TSplash splash(picture);
    QCOMPARE(splash.windowTitle(), QStringLiteral("Welcome to Orbeni..."));
    QCOMPARE(splash.size(), QSize(125, 105));
    splash.showCentred();
    QVERIFY(splash.isVisible());
    const QImage shown = splash.grab().toImage();
    QCOMPARE(shown.pixel(60, 40), qRgb(200, 10, 10));
    // The picture sits two pixels in, on the frame.
    QCOMPARE(shown.pixel(2, 2), qRgb(200, 10, 10));
    QVERIFY(shown.pixel(1, 1) != qRgb(200, 10, 10));

    std::ofstream(pathOf(folder) / "broken.bmp") << "BM not a picture";
    for (const char* name : {"missing.bmp", "broken.bmp"}) {
        TSplash plain(pathOf(folder) / name);
        plain.showCentred();
        QVERIFY(plain.width() > 100 && plain.height() > 50);
    }
}

void DialogsTest::okGlyphComesFromTheProgramFolder() {
    QTemporaryDir folder;
    QVERIFY(okGlyph(pathOf(folder)).isNull());
    TAboutBox plain(pathOf(folder));
    QVERIFY(plain.findChild<QPushButton*>(QStringLiteral("OK"))->icon().isNull());

    QDir(folder.path()).mkdir(QStringLiteral("resources"));
    QImage tick(16, 16, QImage::Format_ARGB32);
    tick.fill(Qt::green);
    QVERIFY(tick.save(folder.filePath(QStringLiteral("resources/ok.png"))));
    TAboutBox about(pathOf(folder));
    QCOMPARE(about.windowTitle(), QStringLiteral("About Orbeni"));
    QVERIFY(about.findChild<QLabel*>(QStringLiteral("ProgramName"))
                ->text()
                .contains(QStringLiteral("Orbeni 4.52")));
    QVERIFY(!about.findChild<QPushButton*>(QStringLiteral("OK"))->icon().isNull());
    TRandomiz seed(okGlyph(pathOf(folder)));
    QVERIFY(!seed.findChild<QPushButton*>(QStringLiteral("OK"))->icon().isNull());
}

void DialogsTest::hallPanelDrawsNamesOverTheBackground() {
    QImage background(100, 468, QImage::Format_RGB32);
    background.fill(QColor(20, 30, 60));
    HallOfFame hall;
    hall.resetSlot(5);
    hall.AddHall(5, "Alice", 100, 0);
    const QImage panel = ShowPanelHOF(background, hall, 5, HallPanelContent::Scores);
    QCOMPARE(panel.size(), background.size());
    QVERIFY(!sameArea(panel, background, QRect(21, 50, 60, 14)));  // "HALL OF"
    for (int rank = 1; rank <= kRanks; ++rank) {
        QVERIFY(!sameArea(panel, background, QRect(15, 80 + 27 * rank, 64, 13)));
        QVERIFY(!sameArea(panel, background, QRect(39, 94 + 27 * rank, 40, 13)));
    }
    QVERIFY(sameArea(panel, background, QRect(0, 0, 100, 48)));
    QVERIFY(sameArea(panel, background, QRect(0, 50, 12, 418)));
    QVERIFY(sameArea(panel, background, QRect(0, 392, 100, 76)));

    HallOfFame unmarked = hall;
    unmarked.clearLastRank();
    const QImage plain = ShowPanelHOF(background, unmarked, 5, HallPanelContent::Scores);
    QVERIFY(!sameArea(panel, plain, QRect(0, 107, 100, 13)));
    QVERIFY(sameArea(panel, plain, QRect(0, 121, 100, 347)));

    QCOMPARE(ShowPanelHOF(background, hall, 5, HallPanelContent::BackgroundOnly), background);
    const QImage black = ShowPanelHOF(QImage(), hall, 5, HallPanelContent::BackgroundOnly);
    QCOMPARE(black.size(), QSize(100, 468));
    QCOMPARE(black.pixel(50, 200), qRgb(0, 0, 0));
}

}  // namespace orbeni

QTEST_MAIN(orbeni::DialogsTest)
#include "dialogs_test.moc"
