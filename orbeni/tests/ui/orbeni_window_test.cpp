#include <QtTest>

#include "orbeni/ui/orbeni_window.h"

class TOrbeniTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheProgramsCaption() {
        orbeni::TOrbeni window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Orbeni 4.52 "));
        QVERIFY(window.close());
    }
};

QTEST_MAIN(TOrbeniTest)
#include "orbeni_window_test.moc"
