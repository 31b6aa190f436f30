#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/window_timer.h"

using platform::qt::WindowClock;
using platform::qt::WindowTimer;
using std::chrono::milliseconds;

namespace {

// What fired, and when on the manual clock.
struct Firing {
    std::string name;
    std::int64_t at;
    bool operator==(const Firing&) const = default;
};

class Log {
public:
    void note(const std::string& name) { firings.push_back({name, WindowClock::manualNow().count()}); }
    std::function<void()> noter(const std::string& name) {
        return [this, name] { note(name); };
    }
    std::vector<Firing> firings;
};

void startSingleShot(WindowTimer& timer, int milliseconds) {
    timer.setSingleShot(true);
    timer.start(milliseconds);
}

}  // namespace

class WindowTimerTest : public QObject {
    Q_OBJECT

private slots:
    // Runs first: until a test asks for the manual clock, a timer runs on the system's.
    void onTheSystemsClockATimerIsAQTimer() {
        QVERIFY(!WindowClock::isManual());
        WindowTimer timer;
        int fired = 0;
        timer.onTimeout([&fired] { ++fired; });
        startSingleShot(timer, 1);
        QVERIFY(timer.isActive());
        QTRY_COMPARE(fired, 1);
        QVERIFY(!timer.isActive());
    }

    void dueTimersFireInTimeOrderAndRepeatingOnesAsOftenAsDue() {
        WindowClock::useManual();
        const std::int64_t t0 = WindowClock::manualNow().count();
        Log log;
        WindowTimer late, early, repeating;
        late.onTimeout(log.noter("late"));
        early.onTimeout(log.noter("early"));
        repeating.onTimeout(log.noter("repeating"));
        startSingleShot(late, 30);
        startSingleShot(early, 10);
        repeating.start(15);
        QCOMPARE(repeating.interval(), 15);
        QCOMPARE(late.remainingTime(), 30);
        WindowClock::advance(milliseconds(40));
        // At 30 the single shot, started before the repeating timer's second round, goes first.
        const std::vector<Firing> expected{
            {"early", t0 + 10}, {"repeating", t0 + 15}, {"late", t0 + 30}, {"repeating", t0 + 30}};
        QVERIFY(log.firings == expected);
        QVERIFY(!late.isActive() && !early.isActive() && repeating.isActive());
        QCOMPARE(late.remainingTime(), -1);
        QCOMPARE(repeating.remainingTime(), 5);
        QCOMPARE(WindowClock::manualNow().count(), t0 + 40);
        WindowClock::advance(milliseconds(4));
        QCOMPARE(log.firings.size(), expected.size());
        WindowClock::advance(milliseconds(1));
        QVERIFY(log.firings.back() == (Firing{"repeating", t0 + 45}));
        // Starting again restarts the interval from now.
        repeating.start();
        WindowClock::advance(milliseconds(14));
        QCOMPARE(log.firings.size(), expected.size() + 1);
    }

    void aCallbackStopsTimersItsOwnAndOthers() {
        WindowClock::useManual();
        Log log;
        WindowTimer stopsItself, stopper, stopped;
        int rounds = 0;
        stopsItself.onTimeout([&] {
            log.note("stopsItself");
            if (++rounds == 2) {
                stopsItself.stop();
            }
        });
        stopper.onTimeout([&] {
            log.note("stopper");
            stopped.stop();
        });
        stopped.onTimeout(log.noter("stopped"));
        stopsItself.start(10);
        startSingleShot(stopper, 15);
        startSingleShot(stopped, 20);
        WindowClock::advance(milliseconds(100));
        QCOMPARE(log.firings.size(), std::size_t(3));
        QCOMPARE(log.firings[0].name, std::string("stopsItself"));
        QCOMPARE(log.firings[1].name, std::string("stopper"));
        QCOMPARE(log.firings[2].name, std::string("stopsItself"));
        QVERIFY(!stopsItself.isActive() && !stopped.isActive());
    }

    void aCallbackStartsTimersThatFireWithinTheSameAdvance() {
        WindowClock::useManual();
        const std::int64_t t0 = WindowClock::manualNow().count();
        Log log;
        WindowTimer starter, atOnce, later, again;
        atOnce.onTimeout(log.noter("atOnce"));
        later.onTimeout(log.noter("later"));
        int rounds = 0;
        again.onTimeout([&] {
            log.note("again");
            if (++rounds < 3) {
                again.start();  // a single shot that starts itself again
            }
        });
        starter.onTimeout([&] {
            log.note("starter");
            startSingleShot(atOnce, 0);
            startSingleShot(later, 5);
            startSingleShot(again, 4);
        });
        startSingleShot(starter, 10);
        WindowClock::advance(milliseconds(20));
        const std::vector<Firing> expected{{"starter", t0 + 10},
                                           {"atOnce", t0 + 10},
                                           {"again", t0 + 14},
                                           {"later", t0 + 15},
                                           {"again", t0 + 18}};
        QVERIFY(log.firings == expected);
        WindowClock::advance(milliseconds(2));
        QVERIFY(log.firings.back() == (Firing{"again", t0 + 22}));
        QVERIFY(!again.isActive());
    }

    void aTimerDestroyedByACallbackNeverFires() {
        WindowClock::useManual();
        auto doomed = std::make_unique<WindowTimer>();
        bool fired = false;
        doomed->onTimeout([&fired] { fired = true; });
        startSingleShot(*doomed, 20);
        WindowTimer destroyer;
        destroyer.onTimeout([&doomed] { doomed.reset(); });
        startSingleShot(destroyer, 10);
        WindowClock::advance(milliseconds(30));
        QVERIFY(!doomed && !fired);
    }

    void advanceUntilStopsTheMomentItsConditionHolds() {
        WindowClock::useManual();
        const std::int64_t t0 = WindowClock::manualNow().count();

        WindowTimer ticks;
        int count = 0;
        ticks.onTimeout([&count] { ++count; });
        ticks.start(100);
        QVERIFY(WindowClock::advanceUntil([&count] { return count == 3; }, milliseconds(1000)));
        QCOMPARE(WindowClock::manualNow().count(), t0 + 300);
        QVERIFY(!WindowClock::advanceUntil([&count] { return count > 100; }, milliseconds(500)));
        QCOMPARE(count, 8);
        QCOMPARE(WindowClock::manualNow().count(), t0 + 800);
    }
};

QTEST_MAIN(WindowTimerTest)
#include "window_timer_test.moc"
