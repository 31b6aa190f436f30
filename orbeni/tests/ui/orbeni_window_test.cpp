#include <QActionGroup>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "orbeni/ui/bitmap_view.h"
#include "orbeni/ui/orbeni_window.h"
#include "orbeni/view/command_table.h"
#include "platform/audio/audio_output.h"
#include "platform/audio/manual_audio_device.h"
#include "platform/bitmap/bmp_file.h"
#include "platform/profile/profile.h"
#include "window_fixture.h"

namespace {

using namespace orbeni::window_test;

void writeStoredBounds(const ProgramFolder& folder, int previousRes) {
    platform::Profile profile(folder.settingsFile());
    for (const auto& [key, value] : {std::pair{"XPos", 30},
                                     {"YPos", 40},
                                     {"WPos", 600},
                                     {"HPos", 450},
                                     {"PreviousRes", previousRes},
                                     {"Maximized", 0}}) {
        profile.writeInt("Orbeni", key, value);
    }
}

// The titles of a menu bar's menus.
QStringList titlesOf(std::span<const platform::MenuLine> menus) {
    QStringList titles;
    for (const platform::MenuLine& menu : menus) {
        titles << QString::fromUtf8(menu.submenu.data(), qsizetype(menu.submenu.size()));
    }
    return titles;
}

// Answers whether the board view shows the whole board image without scrolling.
bool showsWholeBoard(const orbeni::TOrbeni& window) {
    const auto* view = window.findChild<QScrollArea*>(QStringLiteral("Scrolling"));
    return view->viewport()->width() >= orbeni::kBoardImageWidth &&
           view->viewport()->height() >= orbeni::kBoardImageHeight;
}

}  // namespace

class TOrbeniTest : public QObject {
    Q_OBJECT

private slots:
    // The window's timers run on a clock the tests move: a wait of seconds takes none.
    void initTestCase() { platform::qt::WindowClock::useManual(); }

    void firstRunShowsTheDefaults() {
        ProgramFolder folder;
        const auto window = openWindow(folder);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Orbeni 4.52 "));
        QVERIFY(window->isMaximized());
        QCOMPARE(menuTitles(window->menuBar()), titlesOf(orbeni::gameMenuBar()));
        for (const char* checked : {"Red Rectangle", "Andromeda", "Mahjongg (blue)", "Show Status Bar",
                                    "Winnable Shuffles (in at least one way)", "Begin new game at startup"}) {
            QAction* action = findAction(window->menuBar(), QString::fromUtf8(checked));
            QVERIFY2(action != nullptr && action->isChecked(), checked);
        }
        for (const char* unchecked :
             {"Vertical Variation", "Random Seed", "&Invert selection", "Colored Tile"}) {
            QAction* action = findAction(window->menuBar(), QString::fromUtf8(unchecked));
            QVERIFY2(action != nullptr && !action->isChecked(), unchecked);
        }
        QCOMPARE(window->game().currentLayout(), 1);
        QVERIFY(!window->game().GameStopped());
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("Tools"))->isVisible());
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("HofBox"))->isVisible());
        QVERIFY(window->statusBar()->isVisible());
        // The first tile is drawn: its face shows the blue tileset's face colour, not the stars.
        const orbeni::Game& game = window->game();
        const QPoint face = faceMiddle(game, game.board().cell(game.board().position(1)));
        QVERIFY(window->painter().gameImage().pixel(face.x(), face.y()) != platform::kBlack);
        window->grab().save(QDir::temp().filePath(QStringLiteral("orbeni-first-run.png")));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("StatusPanel0"))->text(),
                 QStringLiteral("Tiles left"));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("StatusPanel6"))->text(),
                 QStringLiteral("Status"));
        QVERIFY(!std::filesystem::exists(folder.settingsFile()));
    }

    void checkItemsMirrorTheGameOptions() {
        ProgramFolder folder;
        const auto window = openWindow(folder);
        QVERIFY(window);
        QAction* winnable =
            findAction(window->menuBar(), QStringLiteral("Winnable Layouts (in at least one way)"));
        winnable->trigger();
        QVERIFY(window->game().options().Winnable);
        QVERIFY(winnable->isChecked());
        // A command of the game that sets an option shows in its check item.
        QAction* randomSeed = findAction(window->menuBar(), QStringLiteral("Random Seed"));
        findAction(window->menuBar(), QStringLiteral("Mah-Jongg Solitaire : New Random Specific Game"))
            ->trigger();
        QVERIFY(window->game().options().RandomSeed1);
        QVERIFY(randomSeed->isChecked());
        findAction(window->menuBar(), QStringLiteral("Show &Moves Left"))->trigger();
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("StatusPanel3"))->text(), QStringLiteral("--"));
        QVERIFY(!window->game().options().showMoves);
    }

    void clickingAFreePairRemovesItAndTheStatusFollows() {
        ProgramFolder folder;
        const auto window = openWindow(folder);
        QVERIFY(window);
        auto* tilesLeft = window->findChild<QLabel*>(QStringLiteral("StatusPanel1"));
        QVERIFY(clockRunsUntil([tilesLeft] { return tilesLeft->text() == QStringLiteral("144"); }));
        const orbeni::Game& game = window->game();
        const std::optional<std::pair<int, int>> pair = freePair(game);
        QVERIFY(pair);
        auto* board = window->findChild<orbeni::BitmapView*>(QStringLiteral("Game"));
        QTest::mouseClick(board, Qt::LeftButton, {}, board->bitmapOrigin() + faceMiddle(game, pair->first));
        QCOMPARE(game.FirstTile(), pair->first);
        QTest::mouseClick(board, Qt::LeftButton, {}, board->bitmapOrigin() + faceMiddle(game, pair->second));
        QCOMPARE(game.TilesLeft(), 142);
        QVERIFY(clockRunsUntil([tilesLeft] { return tilesLeft->text() == QStringLiteral("142"); }));
    }

    // With the music off, the sound device is open only while an effect is heard, and a little
    // after; the music holds it while it plays and lets it go when it is switched off.
    void theSoundDeviceIsHeldOnlyWhileSomethingIsHeard() {
        // The sounds play on a device the test renders, so that one is over the moment it says.
        const auto audio = platform::ManualAudioDevice::install();
        ProgramFolder folder;
        platform::Profile(folder.settingsFile()).writeInt("Orbeni", "PlayMusic", 0);
        auto window = openWindow(folder);
        QVERIFY(window);
        QVERIFY(!platform::AudioOutput::inUse());
        QVERIFY(clockRunsUntil([&window] { return freePair(window->game()).has_value(); }));
        const std::optional<std::pair<int, int>> pair = freePair(window->game());
        auto* board = window->findChild<orbeni::BitmapView*>(QStringLiteral("Game"));
        QTest::mouseClick(board, Qt::LeftButton, {},
                          board->bitmapOrigin() + faceMiddle(window->game(), pair->first));
        QVERIFY(platform::AudioOutput::inUse());
        QVERIFY(audio->renderUntilSilent());
        QVERIFY(platform::AudioOutput::inUse());  // kept a little after the sound
        QVERIFY(clockRunsUntil([] { return !platform::AudioOutput::inUse(); }));
        window.reset();

        ProgramFolder withMusic;
        window = openWindow(withMusic);
        QVERIFY(window);
        QVERIFY(clockRunsUntil([] { return platform::AudioOutput::inUse(); }));
        QAction* playMusic = findAction(window->menuBar(), QStringLiteral("Play music"));
        QVERIFY(playMusic);
        playMusic->trigger();
        QVERIFY(!platform::AudioOutput::inUse());
    }

    // Closing keeps the game; the next run plays it on at once, until it is stopped.
    void aGameLeftAtClosingComesBackInTheNextRun() {
        ProgramFolder folder;
        const std::filesystem::path savedGame = folder.path() / "Orbeni.sav";
        orbeni::Board board;
        {
            const auto window = openWindow(folder);
            QVERIFY(window);
            const auto* tilesLeft = window->findChild<QLabel*>(QStringLiteral("StatusPanel1"));
            QVERIFY(clockRunsUntil([tilesLeft] { return tilesLeft->text() == QStringLiteral("144"); }));
            const std::optional<std::pair<int, int>> pair = freePair(window->game());
            QVERIFY(pair);
            auto* image = window->findChild<orbeni::BitmapView*>(QStringLiteral("Game"));
            for (const int tile : {pair->first, pair->second}) {
                QTest::mouseClick(image, Qt::LeftButton, {},
                                  image->bitmapOrigin() + faceMiddle(window->game(), tile));
            }
            findAction(window->menuBar(), QStringLiteral("&Hint"))->trigger();
            QCOMPARE(window->game().TilesLeft(), 142);
            board = window->game().board();
            QVERIFY(window->close());
        }
        QVERIFY(std::filesystem::exists(savedGame));
        const auto again = openWindow(folder);
        QVERIFY(again);
        QVERIFY(again->game().board() == board);
        QCOMPARE(again->game().PenaltySeconds(), orbeni::kHintPenaltySeconds);
        QCOMPARE(again->game().statusMessage().text(), std::string("Game resumed."));
        QVERIFY(std::filesystem::exists(savedGame));
        findAction(again->menuBar(), QStringLiteral("&Stop"))->trigger();
        QVERIFY(!std::filesystem::exists(savedGame));
    }

    void cancelledVerticalQuestionKeepsTheMark() {
        ProgramFolder folder;
        const auto window = openWindow(folder);
        QVERIFY(window);
        QAction* vertical = findAction(window->menuBar(), QStringLiteral("Vertical Variation"));
        QString question;
        whenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            question = box->windowTitle();
            box->button(QMessageBox::Cancel)->click();
        });
        vertical->trigger();
        QCOMPARE(question, QStringLiteral("Vertical variation"));
        QVERIFY(!vertical->isChecked());
        QVERIFY(!window->game().options().Vertical);

        whenModalOpens(
            [](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->click(); });
        vertical->trigger();
        QVERIFY(vertical->isChecked());
        QVERIFY(window->game().options().Vertical);
    }

    void playerNameChangesAsItIsTypedAndIsKept() {
        ProgramFolder folder;
        {
            const auto window = openWindow(folder);
            QVERIFY(window);
            QString caption;
            std::string whileTyping;
            whenModalOpens([&](QWidget* modal) {
                caption = modal->windowTitle();
                auto* name = modal->findChild<QLineEdit*>(QStringLiteral("PlayerName"));
                name->clear();
                QTest::keyClicks(name, QStringLiteral("Bart"));
                whileTyping = window->game().playerName();
                QTest::keyClicks(name, QStringLiteral("holomew"));
                qobject_cast<QDialog*>(modal)->accept();
            });
            findAction(window->menuBar(), QStringLiteral("&Player Name"))->trigger();
            QCOMPARE(caption, QStringLiteral("Enter your name"));
            QCOMPARE(whileTyping, std::string("Bart"));
            QCOMPARE(window->game().playerName(), std::string("Bartholo"));
            QVERIFY(window->close());
        }
        QCOMPARE(platform::Profile(folder.settingsFile()).readString("Orbeni", "CurrentPlayer1", ""),
                 std::string("Bartholo"));
    }

    void settingsComeBackInTheNextRun() {
        ProgramFolder folder;
        {
            const auto window = openWindow(folder);
            QVERIFY(window);
            findAction(window->menuBar(), QStringLiteral("Winnable Layouts (in at least one way)"))
                ->trigger();
            findAction(window->menuBar(), QStringLiteral("Green Rectangle"))->trigger();
            findAction(window->menuBar(), QStringLiteral("&Dragons"))->trigger();
            findAction(window->menuBar(), QStringLiteral("Cool Mouse"))->trigger();
            findAction(window->menuBar(), QStringLiteral("Scale board to window"))->trigger();
            QVERIFY(window->close());
        }
        const platform::Profile profile(folder.settingsFile());
        QCOMPARE(profile.keys("Orbeni").size(), std::size_t(43));
        QCOMPARE(profile.readString("Orbeni", "ScaleBoard", ""), std::string("1"));
        QCOMPARE(profile.readString("Orbeni", "Highlight", ""), std::string("3"));
        QCOMPARE(profile.readString("Orbeni", "Background", ""), std::string("1"));
        QCOMPARE(profile.readString("Orbeni", "Maximized", ""), std::string("1"));

        const auto again = openWindow(folder);
        QVERIFY(again);
        QVERIFY(again->game().options().Winnable);
        for (const char* checked : {"Winnable Layouts (in at least one way)", "Green Rectangle", "&Dragons",
                                    "Scale board to window"}) {
            QVERIFY2(findAction(again->menuBar(), QString::fromUtf8(checked))->isChecked(), checked);
        }
        QVERIFY(!findAction(again->menuBar(), QStringLiteral("Cool Mouse"))->isChecked());
    }

    // The side panel is hidden: beside it the board would not fit the test's 800-pixel screen.
    void storedBoundsNeedTheSameScreenWidth() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        ProgramFolder sameScreen;
        writeStoredBounds(sameScreen, screen.width());
        platform::Profile(sameScreen.settingsFile()).writeInt("Orbeni", "ShowHallOfFame", 0);
        auto window = openWindow(sameScreen);
        QVERIFY(window);
        QVERIFY(!window->isMaximized());
        QCOMPARE(window->pos(), QPoint(30, 40));
        // Too small to show the whole board, the stored size grows until it does.
        const QSize grown = window->size();
        QVERIFY(grown.width() > 600 && grown.height() > 450);
        QVERIFY(showsWholeBoard(*window));
        // Closing and opening again on the same screen puts the window back where it was.
        QVERIFY(window->close());
        window = openWindow(sameScreen);
        QVERIFY(window);
        QCOMPARE(window->pos(), QPoint(30, 40));
        QCOMPARE(window->size(), grown);

        ProgramFolder otherScreen;
        writeStoredBounds(otherScreen, screen.width() + 1);
        platform::Profile(otherScreen.settingsFile()).writeInt("Orbeni", "ShowHallOfFame", 0);
        window = openWindow(otherScreen);
        QVERIFY(window);
        QVERIFY(showsWholeBoard(*window));
    }

    void aLargerWindowIsHeldAndAFullOneCentresTheBoard() {
        ProgramFolder folder;
        writeStoredBounds(folder, QGuiApplication::primaryScreen()->geometry().width());
        platform::Profile(folder.settingsFile()).writeInt("Orbeni", "ShowHallOfFame", 0);
        const auto window = openWindow(folder);
        QVERIFY(window);
        const QSize whole = window->size();
        window->resize(whole.width() + 60, whole.height() + 40);
        QTRY_COMPARE(window->size(), whole);
        auto* board = window->findChild<orbeni::BitmapView*>(QStringLiteral("Game"));
        QCOMPARE(board->bitmapOrigin(), QPoint(0, 0));

        window->showFullScreen();
        QTRY_VERIFY(board->width() > orbeni::kBoardImageWidth + 40);
        const QPoint origin = board->bitmapOrigin();
        QVERIFY(std::abs(2 * origin.x() + orbeni::kBoardImageWidth - board->width()) <= 1);
        QVERIFY(std::abs(2 * origin.y() + orbeni::kBoardImageHeight - board->height()) <= 1);
        // Around the board the background goes on: not the black of an empty window.
        const QImage shown = board->grab().toImage();
        int black = 0;
        for (int x = 0; x < origin.x(); x += 4) {
            black += shown.pixel(x, board->height() / 2) == qRgb(0, 0, 0) ? 1 : 0;
        }
        QVERIFY2(black < origin.x() / 16, qPrintable(QString::number(black)));
    }

    // Scaled, the board follows the window smaller and larger than itself, and a click lands on
    // the tile drawn under the pointer at either scale.
    void aScaledBoardFollowsTheWindowAndClicksFollowTheScale() {
        ProgramFolder folder;
        writeStoredBounds(folder, QGuiApplication::primaryScreen()->geometry().width());
        platform::Profile(folder.settingsFile()).writeInt("Orbeni", "ShowHallOfFame", 0);
        const auto window = openWindow(folder);
        QVERIFY(window);
        QAction* scaleBoard = findAction(window->menuBar(), QStringLiteral("Scale board to window"));
        QVERIFY(scaleBoard && !scaleBoard->isChecked());
        QCOMPARE(findAction(window->menuBar(), QStringLiteral("View"))->menu()->actions().last(), scaleBoard);
        const QSize whole = window->size();
        scaleBoard->trigger();
        QVERIFY(scaleBoard->isChecked());
        auto* board = window->findChild<orbeni::BitmapView*>(QStringLiteral("Game"));
        const orbeni::Game& game = window->game();
        for (const QSize size : {QSize(whole.width() * 3 / 5, whole.height() * 3 / 5),
                                 QSize(whole.width() + 300, whole.height() + 200)}) {
            window->resize(size);
            QTRY_COMPARE(window->size(), size);
            QTRY_COMPARE(board->size(), window->findChild<QScrollArea*>()->viewport()->size());
            const platform::Rect shown = board->boardScale().shown();
            QVERIFY(shown.width == board->width() || shown.height == board->height());
            QVERIFY(std::abs(shown.width * orbeni::kBoardImageHeight -
                             shown.height * orbeni::kBoardImageWidth) <= orbeni::kBoardImageWidth);
            const auto drawnAt = [&](int tile) {
                const QPoint face = faceMiddle(game, tile);
                return QPoint(shown.x + face.x() * shown.width / orbeni::kBoardImageWidth,
                              shown.y + face.y() * shown.height / orbeni::kBoardImageHeight);
            };
            // The free tiles are counted again with the status bar.
            const int tilesLeft = game.TilesLeft();
            const auto* tilesPanel = window->findChild<QLabel*>(QStringLiteral("StatusPanel1"));
            QVERIFY(clockRunsUntil([&] { return tilesPanel->text() == QString::number(tilesLeft); }));
            const std::optional<std::pair<int, int>> pair = freePair(game);
            QTest::mouseClick(board, Qt::LeftButton, {}, drawnAt(pair->first));
            QCOMPARE(game.FirstTile(), pair->first);
            QTest::mouseClick(board, Qt::LeftButton, {}, drawnAt(pair->second));
            QCOMPARE(game.TilesLeft(), tilesLeft - 2);
        }
        // A repaint of one tile's area gives the pixels the whole board's repaint gives there, but
        // for the last bit the filter rounds differently from where it starts.
        QImage full(board->size(), QImage::Format_RGB32);
        board->render(&full);
        const platform::Rect area = board->boardScale().toView({150, 100, 46, 56});
        const QRect repainted(area.x, area.y, area.width, area.height);
        QImage part(board->size(), QImage::Format_RGB32);
        part.fill(Qt::magenta);
        board->render(&part, repainted.topLeft(), QRegion(repainted));
        for (int y = repainted.top(); y <= repainted.bottom(); ++y) {
            for (int x = repainted.left(); x <= repainted.right(); ++x) {
                const QRgb a = part.pixel(x, y);
                const QRgb b = full.pixel(x, y);
                const int unlike = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                             std::abs(qBlue(a) - qBlue(b))});
                QVERIFY2(unlike <= 2, qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
            }
        }
        // Off again, the window gives the room back and the board stands at its own size.
        scaleBoard->trigger();
        QTRY_COMPARE(window->size(), whole);
        QCOMPARE(board->bitmapOrigin(), QPoint(0, 0));
        QVERIFY(board->boardScale().isUnscaled());
    }

    void statusBarTogglesTheWindowHeightBy35() {
        ProgramFolder folder;
        writeStoredBounds(folder, QGuiApplication::primaryScreen()->geometry().width());
        const auto window = openWindow(folder);
        QVERIFY(window);
        const int height = window->height();
        QAction* status = findAction(window->menuBar(), QStringLiteral("Show Status Bar"));
        status->trigger();
        QVERIFY(!window->statusBar()->isVisible());
        QCOMPARE(window->height(), height - 35);
        status->trigger();
        QVERIFY(window->statusBar()->isVisible());
        QCOMPARE(window->height(), height);
    }

    void aHintMarksTwoTilesAndPauseHidesThemAll() {
        ProgramFolder folder;
        const auto window = openWindow(folder);
        QVERIFY(window);
        auto* time = window->findChild<QLabel*>(QStringLiteral("StatusPanel5"));
        QVERIFY(clockRunsUntil([time] { return !time->text().isEmpty(); }));
        const platform::Bitmap before = window->painter().gameImage();
        findAction(window->menuBar(), QStringLiteral("&Hint"))->trigger();
        const orbeni::Game& game = window->game();
        QVERIFY(game.HintTileA() != 0 && game.HintTileB() != 0);
        // The marked faces change colour behind their pictures; nothing else of the tile does.
        for (const int tile : {game.HintTileA(), game.HintTileB()}) {
            const QPoint corner = faceMiddle(game, tile) - QPoint(20, 25);
            int changed = 0;
            for (int y = 0; y < 50; ++y) {
                for (int x = 0; x < 40; ++x) {
                    const QPoint at = corner + QPoint(x, y);
                    changed +=
                        window->painter().gameImage().pixel(at.x(), at.y()) != before.pixel(at.x(), at.y());
                }
            }
            QVERIFY2(changed > 200, qPrintable(QString::number(changed)));
        }

        findAction(window->menuBar(), QStringLiteral("&Pause"))->trigger();
        QVERIFY(game.GamePaused());
        QVERIFY(clockRunsUntil([time] { return time->text() == QStringLiteral("---"); }));
        // Only the background shows: the Andromeda picture, as large as the board, as it is.
        const auto andromeda = platform::loadBmp(folder.path() / "Backgrounds" / "andromeda.bmp");
        QVERIFY(andromeda);
        QVERIFY(window->painter().gameImage() == andromeda.value());
    }

    void toolbarAndSidePanelTogglesResizeTheWindow() {
        ProgramFolder folder;
        writeStoredBounds(folder, QGuiApplication::primaryScreen()->geometry().width());
        const auto window = openWindow(folder);
        QVERIFY(window);
        const QSize size = window->size();
        findAction(window->menuBar(), QStringLiteral("Show &Toolbar"))->trigger();
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("Tools"))->isVisible());
        QCOMPARE(window->height(), size.height() - 35);
        findAction(window->menuBar(), QStringLiteral("Show &Toolbar"))->trigger();
        QCOMPARE(window->height(), size.height());
        auto* panel = window->findChild<QWidget*>(QStringLiteral("HofBox"));
        findAction(window->menuBar(), QStringLiteral("Show Hall of &Fame"))->trigger();
        QVERIFY(!panel->isVisible());
        QCOMPARE(window->width(), size.width() - panel->width());
    }

    void theEditorShowsItsOwnMenusAndPanelUntilItIsLeft() {
        ProgramFolder folder;
        const auto window = openWindow(folder);
        QVERIFY(window);
        const QStringList mainMenus = menuTitles(window->menuBar());
        // Leaving reloads the layout; with this mark no question about a new game is asked.
        findAction(window->menuBar(), QStringLiteral("Start new game when changing layout"))->trigger();
        findAction(window->menuBar(), QStringLiteral("Create Layout"))->trigger();
        QVERIFY(window->game().EditorMode());
        QCOMPARE(menuTitles(window->menuBar()), titlesOf(orbeni::editorMenuBar()));
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("EditorPanel"))->isVisible());
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("Tools"))->isVisible());
        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("Edit1"))->text(),
                 QStringLiteral("New Layout"));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("Label4"))->text(), QStringLiteral("144"));

        // A left click on the empty board places a tile.
        auto* board = window->findChild<QWidget*>(QStringLiteral("Game"));
        QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(200, 200));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("Label4"))->text(), QStringLiteral("143"));

        // "Exit" is both the editor's menu and its last item, which leaves without saving.
        findAction(window->menuBar()->actions().first()->menu(), QStringLiteral("Exit"))->trigger();
        QVERIFY(!window->game().EditorMode());
        QCOMPARE(menuTitles(window->menuBar()), mainMenus);
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("Tools"))->isVisible());
        QVERIFY(!window->findChild<QWidget*>(QStringLiteral("EditorPanel"))->isVisible());
    }

    void theEditorPanelKeepsRoomAndThePreviewGoesWithABoardMove() {
        ProgramFolder folder;
        const auto window = openWindow(folder);
        QVERIFY(window);
        findAction(window->menuBar(), QStringLiteral("Create Layout"))->trigger();
        QVERIFY(window->game().EditorMode());
        QVERIFY(window->game().statusMessage().text() != "Mahjongg Solitaire started.");
        auto* label = window->findChild<QLabel*>(QStringLiteral("Label3"));
        auto* count = window->findChild<QLabel*>(QStringLiteral("Label4"));
        const int labelTextEnd = label->geometry().left() + label->contentsRect().left() +
                                 label->fontMetrics().horizontalAdvance(label->text());
        QVERIFY2(count->geometry().left() + count->contentsRect().left() - labelTextEnd >= 6,
                 qPrintable(QString::number(count->geometry().left() - labelTextEnd)));

        auto* board = window->findChild<orbeni::BitmapView*>(QStringLiteral("Game"));
        QTest::mouseMove(board, board->bitmapOrigin() + QPoint(300, 200));
        QTRY_VERIFY(window->painter().preview().onBoard());
        findAction(window->menuBar(), QStringLiteral("Move to right >"))->trigger();
        QVERIFY(!window->painter().preview().onBoard());
    }

    void theNameDialogShowsTheOkPictureAndAHoveredButtonItsLabel() {
        ProgramFolder folder;
        const auto window = openWindow(folder);
        QVERIFY(window);
        bool glyph = false;
        whenModalOpens([&](QWidget* modal) {
            auto* ok = modal->findChild<QPushButton*>(QStringLiteral("OK"));
            glyph = ok != nullptr && !ok->icon().isNull();
            qobject_cast<QDialog*>(modal)->accept();
        });
        findAction(window->menuBar(), QStringLiteral("&Player Name"))->trigger();
        QVERIFY(glyph);

        auto* tools = window->findChild<QToolBar*>(QStringLiteral("Tools"));
        QWidget* hint = nullptr;
        for (QToolButton* button : tools->findChildren<QToolButton*>()) {
            if (button->text() == QStringLiteral("Hint")) {
                hint = button;
            }
        }
        QVERIFY(hint != nullptr);
        QTest::mouseMove(hint, hint->rect().center());
        QTRY_VERIFY(hint->underMouse());
        hint->repaint();
        // The white label stands on a dark button, not on a white one.
        const QImage shown = hint->grab().toImage();
        int light = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                light += qGray(shown.pixel(x, y)) > 200 ? 1 : 0;
            }
        }
        QVERIFY2(light * 3 < shown.width() * shown.height(), qPrintable(QString::number(light)));
        QVERIFY(light > 10);
    }

    void solveShowsEachPairAsAHintThenTakesItUntilAClick() {
        ProgramFolder folder;
        const auto window = openWindow(folder);
        QVERIFY(window);
        const orbeni::Game& game = window->game();
        QMenu* play = findAction(window->menuBar(), QStringLiteral("&Play"))->menu();
        const QList<QAction*> entries = play->actions();
        QCOMPARE(entries[entries.size() - 2]->text(), QStringLiteral("Can it still be won?"));
        QCOMPARE(entries.last()->text(), QStringLiteral("Solve"));
        findAction(window->menuBar(), QStringLiteral("Winnable Layouts (in at least one way)"))->trigger();
        findAction(window->menuBar(), QStringLiteral("Mah-Jongg Solitaire : New Fully Random Game"))
            ->trigger();

        QString answer;
        whenModalOpens([&answer](QWidget* box) {
            answer = static_cast<QMessageBox*>(box)->text();
            box->close();
        });
        findAction(play, QStringLiteral("Can it still be won?"))->trigger();
        QCOMPARE(answer, QStringLiteral("This position can still be won."));

        findAction(play, QStringLiteral("Solve"))->trigger();
        QVERIFY(clockRunsUntil([&game] { return game.TilesLeft() <= 140; }, std::chrono::seconds(10)));
        auto* board = window->findChild<orbeni::BitmapView*>(QStringLiteral("Game"));
        QTest::mouseClick(board, Qt::RightButton, {}, QPoint(5, 5));
        const int left = game.TilesLeft();
        QVERIFY(game.PenaltySeconds() >= (144 - left) / 2 * orbeni::kHintPenaltySeconds);
        platform::qt::WindowClock::advance(std::chrono::milliseconds(1600));
        QCOMPARE(game.TilesLeft(), left);

        findAction(play, QStringLiteral("&Pause"))->trigger();
        QVERIFY(!findAction(play, QStringLiteral("Solve"))->isEnabled());
        QVERIFY(!findAction(play, QStringLiteral("Can it still be won?"))->isEnabled());
    }

    void noLayoutMeansNoRunAndNothingWritten() {
        ProgramFolder folder(false);
        orbeni::TOrbeni window(folder.path());
        QVERIFY(!window.canRun());
        window.close();
        QVERIFY(!std::filesystem::exists(folder.settingsFile()));
    }
};

QTEST_MAIN(TOrbeniTest)
#include "orbeni_window_test.moc"
