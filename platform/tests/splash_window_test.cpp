#include <QPointer>
#include <QTest>

#include "platform/qt/splash_window.h"
#include "platform/qt/window_timer.h"

using platform::qt::SplashLook;
using platform::qt::SplashWindow;
using platform::qt::WindowClock;
using std::chrono::milliseconds;

namespace {

const QRgb kPicture = qRgb(200, 10, 10);
const QRgb kFrame = qRgb(10, 20, 200);

QImage redPicture() {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(kPicture);
    return picture;
}

SplashLook framedLook() {
    SplashLook look;
    look.windowTitle = QStringLiteral("Welcome");
    look.name = QStringLiteral("Game");
    look.plainSize = QSize(200, 100);
    look.frame = QMargins(2, 3, 4, 20);
    look.frameTop = look.frameBottom = QColor(kFrame);
    look.nameColour = QColor(Qt::white);
    return look;
}

}  // namespace

class SplashWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { WindowClock::useManual(); }

    void thePictureStandsOnItsFrameOrThePlainSizeHoldsTheName() {
        SplashWindow framed(redPicture(), framedLook());
        QCOMPARE(framed.windowTitle(), QStringLiteral("Welcome"));
        QCOMPARE(framed.size(), QSize(46, 53));
        framed.showCentred();
        const QImage shown = framed.grab().toImage();
        QCOMPARE(shown.pixel(2, 3), kPicture);
        QCOMPARE(shown.pixel(41, 32), kPicture);
        QCOMPARE(shown.pixel(1, 3), kFrame);
        QCOMPARE(shown.pixel(42, 32), kFrame);
        QCOMPARE(shown.pixel(2, 33), kFrame);

        SplashWindow plain(QImage(), framedLook());
        QCOMPARE(plain.size(), QSize(206, 123));
        plain.showCentred();
        const QImage name = plain.grab().toImage();
        int lettering = 0;
        for (int x = 0; x < name.width(); ++x) {
            lettering += name.pixel(x, name.height() / 2) != kFrame ? 1 : 0;
        }
        QVERIFY(lettering > 0);
    }

    // Shown for a while, it closes itself then, or at a click; shown for no time, only the
    // program closes it.
    void aTimedSplashClosesItselfAtItsTimeOrAtAClick() {
        SplashLook timed = framedLook();
        timed.shownFor = milliseconds(4000);
        QPointer<SplashWindow> waited = new SplashWindow(redPicture(), timed);
        waited->showCentred();
        WindowClock::advance(milliseconds(3999));
        QVERIFY(waited->isVisible());
        WindowClock::advance(milliseconds(1));
        QVERIFY(!waited->isVisible());

        QPointer<SplashWindow> clicked = new SplashWindow(redPicture(), timed);
        clicked->showCentred();
        QTest::mouseClick(clicked, Qt::LeftButton);
        QVERIFY(!clicked->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(waited.isNull() && clicked.isNull());  // gone once closed

        SplashWindow untimed(redPicture(), framedLook());
        untimed.showCentred();
        QTest::mouseClick(&untimed, Qt::LeftButton);
        WindowClock::advance(milliseconds(60000));
        QVERIFY(untimed.isVisible());
    }
};

QTEST_MAIN(SplashWindowTest)
#include "splash_window_test.moc"
