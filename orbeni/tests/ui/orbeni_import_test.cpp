#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <functional>
#include <memory>

#include "orbeni/tests/test_layouts.h"
#include "orbeni/tests/ui/window_fixture.h"
#include "orbeni/ui/orbeni_window.h"

namespace {

// An installed program: its shipped files in a folder of their own, the settings and the
// player's data elsewhere.
class InstalledProgram {
public:
    InstalledProgram() { qputenv("XDG_DATA_HOME", m_data.path().toUtf8()); }
    ~InstalledProgram() { qunsetenv("XDG_DATA_HOME"); }

    std::unique_ptr<orbeni::TOrbeni> open() const {
        auto window = std::make_unique<orbeni::TOrbeni>(programFolder(), m_settings.path().toStdString());
        window->show();
        return QTest::qWaitForWindowExposed(window.get()) ? std::move(window) : nullptr;
    }
    std::filesystem::path programFolder() const { return m_program.path(); }
    std::filesystem::path playerLayouts() const {
        return std::filesystem::path(m_data.path().toStdString()) / "orbeni" / "Layouts";
    }
    std::filesystem::path write(const char* name, const std::string& text) const {
        const std::filesystem::path file = std::filesystem::path(m_settings.path().toStdString()) / name;
        std::ofstream(file) << text;
        return file;
    }

private:
    orbeni::window_test::ProgramFolder m_program;
    QTemporaryDir m_settings;
    QTemporaryDir m_data;
};

// The layout heap as a GNOME map, tile by tile, beside a map that cannot be played.
std::string heapMaps() {
    const orbeni::LayoutTemplate heap = orbeni::test::turtleLayout();
    const auto tiles = [](int cell) {
        return std::to_string((cell - 1) / 2) + ((cell - 1) % 2 != 0 ? ".5" : "");
    };
    std::string text = "<mahjongg>\n<map name=\"Turtle\">\n";
    for (int z = 1; z <= orbeni::kLayers; ++z) {
        for (int y = 1; y <= orbeni::kRows; ++y) {
            for (int x = 1; x <= orbeni::kColumns; ++x) {
                if (heap.at(x, y, z) != 0) {
                    text += "<tile x=\"" + tiles(x) + "\" y=\"" + tiles(y) + "\" z=\"" +
                            std::to_string(z - 1) + "\"/>\n";
                }
            }
        }
    }
    return text +
           "</map>\n<map name=\"Tower\"><tile x=\"0\" y=\"0\"/><tile x=\"0\" y=\"0\" z=\"1\"/></map>\n" +
           "</mahjongg>\n";
}

QMenu* layoutMenu(orbeni::TOrbeni& window) {
    for (QAction* action : window.menuBar()->actions()) {
        if (action->text() == QStringLiteral("&Layout")) {
            return action->menu();
        }
    }
    return nullptr;
}

// The lines of a menu as the player sees them, "-" for a separator.
QStringList captionsOf(QMenu* menu) {
    QStringList captions;
    for (QAction* action : menu->actions()) {
        if (action->isVisible()) {
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
    }
    return captions;
}

QAction* itemOf(QMenu* menu, const QString& caption) {
    for (QAction* action : menu->actions()) {
        if (action->text() == caption) {
            return action;
        }
    }
    return nullptr;
}

// Answers the next message box with OK, keeping its text.
void answerNextBox(QString& text) {
    QTimer::singleShot(0, [&text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            answerNextBox(text);
            return;
        }
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
}

// Chooses the file in the next file dialog, then answers the message box that follows.
void chooseInNextFileDialog(const QString& file, QString& report) {
    QTimer::singleShot(0, [file, &report] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            chooseInNextFileDialog(file, report);
            return;
        }
        dialog->selectFile(file);
        answerNextBox(report);
        static_cast<QDialog*>(dialog)->accept();
    });
}

}  // namespace

class OrbeniImportTest : public QObject {
    Q_OBJECT

private slots:
    // The window's timers run on a clock the tests move: none fires behind the test's back.
    void initTestCase() { platform::qt::WindowClock::useManual(); }

    void anInstalledProgramImportsIntoThePlayersFolderAndPlaysTheLayout() {
        const InstalledProgram installed;
        const std::filesystem::path maps = installed.write("heaps.map", heapMaps());
        auto window = installed.open();
        QVERIFY(window != nullptr);
        QMenu* menu = layoutMenu(*window);
        QVERIFY(menu != nullptr);
        const QStringList shipped = captionsOf(menu);
        QCOMPARE(shipped.last(), QStringLiteral("Import layout..."));

        QString report;
        answerNextBox(report);
        window->importLayouts({maps});
        QCOMPARE(report, QStringLiteral("heaps.map: \"Turtle\": imported as \"Turtle\".\n"
                                        "heaps.map: \"Tower\": no order of moves clears it."));
        QVERIFY(std::filesystem::exists(installed.playerLayouts() / "Turtle.lay"));
        QVERIFY(!std::filesystem::exists(installed.programFolder() / "Layouts" / "Turtle.lay"));

        QStringList expected = shipped;
        expected.insert(expected.size() - 2, QStringLiteral("Turtle"));
        QCOMPARE(captionsOf(menu), expected);

        // Chosen and dealt, the imported heap is a game of 144 tiles.
        window->game().options().neverWarn = true;
        itemOf(menu, QStringLiteral("Turtle"))->trigger();
        QCOMPARE(window->game().TilesTotal(), orbeni::kMaxTiles);
        QCOMPARE(window->game().layoutTemplate().positionCount(), orbeni::kMaxTiles);
        // The clock counts the free tiles of the new deal.
        QVERIFY(
            orbeni::window_test::clockRunsUntil([&window] { return window->game().freeTiles().count >= 2; }));
        window->close();

        // The next run lists it among the shipped layouts, sorted with them.
        auto again = installed.open();
        QVERIFY(again != nullptr);
        QStringList listed = captionsOf(layoutMenu(*again));
        QVERIFY(listed.indexOf(QStringLiteral("Turtle")) < listed.indexOf(QStringLiteral("Hourglass.shp")));
        listed.removeOne(QStringLiteral("Turtle"));
        QCOMPARE(listed, shipped);
    }

    void theMenuItemAsksForFilesAndReportsOnceTheMenuHasLetGo() {
        const InstalledProgram installed;
        const std::filesystem::path maps = installed.write(
            "small.map",
            "<mahjongg><map name=\"Small\"><row y=\"0\" left=\"0\" right=\"1\"/></map></mahjongg>");
        auto window = installed.open();
        QVERIFY(window != nullptr);
        QMenu* menu = layoutMenu(*window);
        QString report;
        chooseInNextFileDialog(QString::fromStdString(maps.string()), report);
        menu->actions().last()->trigger();
        QTRY_COMPARE(report, QStringLiteral("small.map: \"Small\": imported as \"Small\"."));
        QVERIFY(captionsOf(menu).contains(QStringLiteral("Small")));
        QCOMPARE(captionsOf(menu).last(), QStringLiteral("Import layout..."));
    }
};

QTEST_MAIN(OrbeniImportTest)
#include "orbeni_import_test.moc"
