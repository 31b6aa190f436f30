#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "game_fixture.h"

namespace orbeni::test {
namespace {

// Drives a game's clock timer from a simulated clock and keeps every change of the status bar,
// as the player would see it.
struct ClockDriver {
    GameFixture fixture;
    std::vector<std::string> seen;
    std::array<std::string, 4> shown;
    int wakeUps = 0;

    ClockDriver() { fixture.layOut(GameFixture::singles({1, 2, 5, 6, 9, 10})); }

    void tickAt(std::uint32_t milliseconds) {
        fixture.host.tick = 1000 + milliseconds;
        fixture.game.Temps();
        ++wakeUps;
        for (int panel = 0; panel < 4; ++panel) {
            if (fixture.host.panels[panel] != shown[panel]) {
                shown[panel] = fixture.host.panels[panel];
                seen.push_back(std::to_string(panel) + ":" + shown[panel]);
            }
        }
    }
    // The timer of old: a tick every 10 ms from `from` up to `to`.
    void tickEveryTenMilliseconds(std::uint32_t from, std::uint32_t to) {
        for (std::uint32_t at = from; at <= to; at += kRevealTickMilliseconds) {
            tickAt(at);
        }
    }
    // The timer as the window runs it: woken a tick after a command, then when the game asks.
    void tickWhenDue(std::uint32_t from, std::uint32_t to) {
        std::uint32_t at = from;
        while (at <= to) {
            tickAt(at);
            fixture.host.tick = 1000 + at;
            const std::optional<std::uint32_t> delay = fixture.game.nextTempsDelay();
            if (!delay) {
                return;
            }
            at += *delay;
        }
    }
};

// Waking only when something can change shows the player exactly what a tick every 10 ms did:
// the reveal of a message, every second of the clock, and the stop at the time limit.
TEST(ClockSchedule, ShowsWhatATickEveryTenMillisecondsShowed) {
    ClockDriver everyTick;
    ClockDriver whenDue;
    const auto play = [](ClockDriver& driver, auto run) {
        run(driver, 0, 5000);
        driver.fixture.game.ShowStatus("A message that slides in.");
        run(driver, 5003, 70000);
        driver.fixture.clickTile(1);
        driver.fixture.clickTile(2);
        run(driver, 70007, kTimeLimitSeconds * 1000 + 500);
    };
    play(everyTick, [](ClockDriver& d, std::uint32_t from, std::uint32_t to) {
        d.tickEveryTenMilliseconds(from - from % 10, to);
    });
    play(whenDue, [](ClockDriver& d, std::uint32_t from, std::uint32_t to) { d.tickWhenDue(from, to); });

    EXPECT_EQ(whenDue.seen, everyTick.seen);
    EXPECT_TRUE(whenDue.fixture.game.GameStopped());
    EXPECT_LT(whenDue.wakeUps, everyTick.wakeUps / 9);
}

// An idle second of a running game, its message shown whole: one wake-up for the clock, and one
// more only when the music's piece ends within it.
TEST(ClockSchedule, AnIdleSecondWakesOnlyForTheClockAndTheMusic) {
    const struct {
        std::optional<std::uint32_t> musicEndsIn;
        int wakeUps;
    } cases[] = {{std::nullopt, 1}, {400u, 2}, {5000u, 1}};
    for (const auto& c : cases) {
        ClockDriver driver;
        driver.tickWhenDue(0, 3000);
        ASSERT_FALSE(driver.fixture.game.statusMessage().moving(RevealStyle::Slide));
        RecordingHost& host = driver.fixture.host;
        if (c.musicEndsIn) {
            host.musicEndsAt = host.tick + *c.musicEndsIn;
        }
        const std::uint32_t now = host.tick - 1000;
        driver.wakeUps = 0;
        driver.tickWhenDue(now + *driver.fixture.game.nextTempsDelay(), now + 1000);
        EXPECT_EQ(driver.wakeUps, c.wakeUps) << c.musicEndsIn.value_or(0);
    }

    ClockDriver stopped;
    stopped.fixture.game.Stop();
    stopped.tickWhenDue(0, 1000);
    EXPECT_EQ(stopped.fixture.game.nextTempsDelay(), std::nullopt) << "a stopped game sleeps";
}

}  // namespace
}  // namespace orbeni::test
