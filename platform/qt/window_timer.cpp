#include "platform/qt/window_timer.h"

#include <algorithm>
#include <vector>

namespace platform::qt {

namespace {

struct ManualClock {
    bool on = false;
    std::int64_t now = 0;
    std::uint64_t nextStartOrder = 0;
    std::vector<WindowTimer*> timers;
};

ManualClock& manualClock() {
    static ManualClock clock;
    return clock;
}

}  // namespace

void WindowClock::useManual() {
    manualClock().on = true;
}

bool WindowClock::isManual() {
    return manualClock().on;
}

std::chrono::milliseconds WindowClock::manualNow() {
    return std::chrono::milliseconds(manualClock().now);
}

void WindowClock::advance(std::chrono::milliseconds span) {
    ManualClock& clock = manualClock();
    const std::int64_t end = clock.now + span.count();
    // The timers are looked up again after every callback, which may start, stop or destroy any.
    while (true) {
        WindowTimer* next = nullptr;
        for (WindowTimer* timer : clock.timers) {
            if (timer->m_manualActive && timer->m_dueAt <= end &&
                (next == nullptr || timer->m_dueAt < next->m_dueAt ||
                 (timer->m_dueAt == next->m_dueAt && timer->m_startOrder < next->m_startOrder))) {
                next = timer;
            }
        }
        if (next == nullptr) {
            break;
        }
        clock.now = next->m_dueAt;
        if (next->m_singleShot) {
            next->m_manualActive = false;
        } else {
            // A repeating timer of no interval would be due forever at the same moment.
            next->m_dueAt += std::max(next->m_interval, 1);
            next->m_startOrder = clock.nextStartOrder++;
        }
        next->fire();
    }
    clock.now = end;
}

bool WindowClock::advanceUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    for (std::chrono::milliseconds waited{0}; !done(); ++waited) {
        if (waited >= limit) {
            return false;
        }
        advance(std::chrono::milliseconds(1));
    }
    return true;
}

WindowTimer::WindowTimer() {
    manualClock().timers.push_back(this);
    QObject::connect(&m_qtTimer, &QTimer::timeout, [this] { fire(); });
}

WindowTimer::~WindowTimer() {
    std::erase(manualClock().timers, this);
}

void WindowTimer::setSingleShot(bool singleShot) {
    m_singleShot = singleShot;
    m_qtTimer.setSingleShot(singleShot);
}

void WindowTimer::setInterval(int milliseconds) {
    m_interval = milliseconds;
    m_qtTimer.setInterval(milliseconds);
}

void WindowTimer::start() {
    ManualClock& clock = manualClock();
    if (!clock.on) {
        m_qtTimer.start();
        return;
    }
    m_manualActive = true;
    m_dueAt = clock.now + m_interval;
    m_startOrder = clock.nextStartOrder++;
}

void WindowTimer::start(int milliseconds) {
    setInterval(milliseconds);
    start();
}

void WindowTimer::stop() {
    m_manualActive = false;
    m_qtTimer.stop();
}

bool WindowTimer::isActive() const {
    return manualClock().on ? m_manualActive : m_qtTimer.isActive();
}

int WindowTimer::remainingTime() const {
    if (!manualClock().on) {
        return m_qtTimer.remainingTime();
    }
    return m_manualActive ? int(std::max<std::int64_t>(m_dueAt - manualClock().now, 0)) : -1;
}

// The callback is copied first: it may destroy the timer that runs it.
void WindowTimer::fire() {
    if (const std::function<void()> callback = m_callback) {
        callback();
    }
}

}  // namespace platform::qt
