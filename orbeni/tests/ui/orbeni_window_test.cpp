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
#include <QToolBar>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "orbeni/ui/bitmap_view.h"
#include "orbeni/ui/orbeni_window.h"
#include "platform/bitmap/bmp_file.h"
#include "platform/profile/profile.h"

namespace {

// Copies every file under a folder to the same place under another.
void copyFolder(const QString& from, const QString& to) {
    const QDir source(from);
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(file));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(file, target);
    }
}

// A program folder of its own, with the art, music and layouts that ship, so that no test
// touches the build folder.
class ProgramFolder {
public:
    explicit ProgramFolder(bool withLayouts = true) {
        for (const char* folder : {"Tilesets", "Backgrounds", "Musics", "resources"}) {
            copyFolder(QStringLiteral(ORBENI_ART_DIR "/") + QLatin1String(folder),
                       m_dir.filePath(QLatin1String(folder)));
        }
        for (const char* file : {"hof.bmp", "orbeni.rtf", "select.wav", "noway.wav", "done.wav"}) {
            QFile::copy(QStringLiteral(ORBENI_ART_DIR "/") + QLatin1String(file),
                        m_dir.filePath(QLatin1String(file)));
        }
        if (withLayouts) {
            copyFolder(QStringLiteral(ORBENI_LAYOUTS_DIR), m_dir.filePath(QStringLiteral("Layouts")));
        }
    }
    std::filesystem::path path() const { return m_dir.path().toStdString(); }
    std::filesystem::path settingsFile() const { return path() / "Orbeni.ini"; }

private:
    QTemporaryDir m_dir;
};

QAction* findAction(QWidget* menus, const QString& caption) {
    for (QAction* action : menus->actions()) {
        if (action->text() == caption) {
            return action;
        }
        if (action->menu() != nullptr) {
            if (QAction* inner = findAction(action->menu(), caption)) {
                return inner;
            }
        }
    }
    return nullptr;
}

QStringList menuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* action : bar->actions()) {
        titles << action->text();
    }
    return titles;
}

std::unique_ptr<orbeni::TOrbeni> openWindow(const ProgramFolder& folder) {
    auto window = std::make_unique<orbeni::TOrbeni>(folder.path());
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        return nullptr;
    }
    return window;
}

// Acts on the next modal window once it is open (a message box or a dialog) and closes it so.
void whenModalOpens(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            whenModalOpens(act);
            return;
        }
        act(modal);
    });
}

// The middle of a tile's face on the board image.
QPoint faceMiddle(const orbeni::Game& game, int tile) {
    const orbeni::Position p = game.board().position(tile);
    return {orbeni::kBoardOffsetX + 20 * p.x + 6 * p.z - 26, orbeni::kBoardOffsetY + 25 * p.y - 6 * p.z - 34};
}

// Two free tiles that match, or none.
std::optional<std::pair<int, int>> freePair(const orbeni::Game& game) {
    const orbeni::FreeTiles& free = game.freeTiles();
    for (int first = 0; first < free.count; ++first) {
        for (int second = first + 1; second < free.count; ++second) {
            if (orbeni::matchGroup(free.list[std::size_t(first)]) ==
                orbeni::matchGroup(free.list[std::size_t(second)])) {
                return std::pair{int(free.list[std::size_t(first)]), int(free.list[std::size_t(second)])};
            }
        }
    }
    return std::nullopt;
}

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
    void firstRunShowsTheDefaults() {
        ProgramFolder folder;
        const auto window = openWindow(folder);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Orbeni 4.52 "));
        QVERIFY(window->isMaximized());
        QCOMPARE(menuTitles(window->menuBar()),
                 (QStringList{"&File", "&Play", "View", "&Highlight", "&Configuration", "&Background",
                              "Tileset", "&Layout", "M&usic", "&Help"}));
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
        QTRY_COMPARE(tilesLeft->text(), QStringLiteral("144"));
        const orbeni::Game& game = window->game();
        const std::optional<std::pair<int, int>> pair = freePair(game);
        QVERIFY(pair);
        auto* board = window->findChild<orbeni::BitmapView*>(QStringLiteral("Game"));
        QTest::mouseClick(board, Qt::LeftButton, {}, board->bitmapOrigin() + faceMiddle(game, pair->first));
        QCOMPARE(game.FirstTile(), pair->first);
        QTest::mouseClick(board, Qt::LeftButton, {}, board->bitmapOrigin() + faceMiddle(game, pair->second));
        QCOMPARE(game.TilesLeft(), 142);
        QTRY_COMPARE(tilesLeft->text(), QStringLiteral("142"));
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
            QVERIFY(window->close());
        }
        const platform::Profile profile(folder.settingsFile());
        QCOMPARE(profile.keys("Orbeni").size(), std::size_t(41));
        QCOMPARE(profile.readString("Orbeni", "Highlight", ""), std::string("3"));
        QCOMPARE(profile.readString("Orbeni", "Background", ""), std::string("1"));
        QCOMPARE(profile.readString("Orbeni", "Maximized", ""), std::string("1"));

        const auto again = openWindow(folder);
        QVERIFY(again);
        QVERIFY(again->game().options().Winnable);
        for (const char* checked :
             {"Winnable Layouts (in at least one way)", "Green Rectangle", "&Dragons"}) {
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
        QTRY_VERIFY(!time->text().isEmpty());
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
        QTRY_COMPARE(time->text(), QStringLiteral("---"));
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
        QCOMPARE(menuTitles(window->menuBar()), (QStringList{"Exit", "Move Board"}));
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
        for (QAction* action : tools->actions()) {
            if (action->text() == QStringLiteral("Hint")) {
                hint = tools->widgetForAction(action);
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
        QTRY_VERIFY_WITH_TIMEOUT(game.TilesLeft() <= 140, 10000);
        auto* board = window->findChild<orbeni::BitmapView*>(QStringLiteral("Game"));
        QTest::mouseClick(board, Qt::RightButton, {}, QPoint(5, 5));
        const int left = game.TilesLeft();
        QVERIFY(game.PenaltySeconds() >= (144 - left) / 2 * orbeni::kHintPenaltySeconds);
        QTest::qWait(1600);
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
