#pragma once

#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>

namespace platform::qt {

// The clock the windows' timers run on: the system's, or, for a test, a manual one that moves
// only when the test advances it, so that a wait of seconds costs no time and ends exactly where
// the test says.
class WindowClock {
public:
    // Puts every window timer of the process on the manual clock, from now on.
    // Called before the first window is built.
    static void useManual();
    static bool isManual();
    // Moves the manual clock on by `span`, firing each timer as it falls due, in time order; a
    // repeating timer fires as often as it is due. Timers started by a timer's callback fire
    // within the same span when they fall due in it.
    static void advance(std::chrono::milliseconds span);
    // Moves the manual clock on a millisecond at a time until `done` holds, at most `limit`;
    // whether it held.
    static bool advanceUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);
    // The manual clock's time since the process started.
    static std::chrono::milliseconds manualNow();
};

// A window's timer: a QTimer on the system's clock, or a timer of the manual clock in a test.
class WindowTimer {
public:
    WindowTimer();
    ~WindowTimer();
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    // What runs each time the timer fires.
    void onTimeout(std::function<void()> callback) { m_callback = std::move(callback); }
    void setSingleShot(bool singleShot);
    bool isSingleShot() const { return m_singleShot; }
    void setInterval(int milliseconds);
    void setInterval(std::chrono::milliseconds interval) { setInterval(int(interval.count())); }
    int interval() const { return m_interval; }
    // Only the system's clock tells coarse from precise timers.
    void setTimerType(Qt::TimerType type) { m_qtTimer.setTimerType(type); }

    // Starts, or starts again, with the interval set.
    void start();
    void start(int milliseconds);
    void start(std::chrono::milliseconds interval) { start(int(interval.count())); }
    void stop();
    bool isActive() const;
    // Milliseconds until the timer fires; -1 when it is not running.
    int remainingTime() const;

private:
    friend class WindowClock;

    void fire();

    QTimer m_qtTimer;
    std::function<void()> m_callback;
    int m_interval = 0;
    bool m_singleShot = false;
    // On the manual clock: whether it runs, when it falls due, and the order of its start among
    // timers due at the same moment.
    bool m_manualActive = false;
    std::int64_t m_dueAt = 0;
    std::uint64_t m_startOrder = 0;
};

}  // namespace platform::qt
