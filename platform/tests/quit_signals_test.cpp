#include "platform/process/quit_signals.h"

#include <poll.h>

#include <csignal>

#include <gtest/gtest.h>

namespace platform {
namespace {

bool readable(int fd) {
    pollfd watch{fd, POLLIN, 0};
    return ::poll(&watch, 1, 1000) == 1;
}

TEST(QuitSignalsTest, TermIntAndHupReachThePipeInsteadOfEndingTheProcess) {
    const int fd = watchQuitSignals();
    ASSERT_GE(fd, 0);
    EXPECT_EQ(watchQuitSignals(), fd) << "installed once";
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ASSERT_EQ(std::raise(signal), 0);
        EXPECT_TRUE(readable(fd)) << signal;
        drainQuitSignals();
        pollfd watch{fd, POLLIN, 0};
        EXPECT_EQ(::poll(&watch, 1, 0), 0) << "drained";
    }
}

}  // namespace
}  // namespace platform
