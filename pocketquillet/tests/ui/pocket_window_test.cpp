#include <QtTest>

#include "pocketquillet/ui/pocket_window.h"

class PocketWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheProgramsCaption() {
        pocketquillet::PocketWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("PocketQuillet"));
        QVERIFY(window.close());
    }
};

QTEST_MAIN(PocketWindowTest)
#include "pocket_window_test.moc"
