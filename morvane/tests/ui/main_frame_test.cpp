#include <QtTest>

#include "morvane/ui/main_frame.h"

class CMainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheProgramsCaption() {
        morvane::CMainFrame window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Morvane"));
        QVERIFY(window.close());
    }
};

QTEST_MAIN(CMainFrameTest)
#include "main_frame_test.moc"
