#include "platform/process/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <initializer_list>

namespace platform {

namespace {

int quitPipe[2] = {-1, -1};

void onQuitSignal(int) {
    const char byte = 1;
    // Only async-signal-safe calls here; a full pipe already says enough.
    [[maybe_unused]] const ssize_t written = ::write(quitPipe[1], &byte, 1);
}

}  // namespace

int watchQuitSignals() {
    if (quitPipe[0] >= 0) {
        return quitPipe[0];
    }
    if (::pipe2(quitPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return -1;
    }
    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
    return quitPipe[0];
}

void drainQuitSignals() {
    char bytes[16];
    while (quitPipe[0] >= 0 && ::read(quitPipe[0], bytes, sizeof bytes) > 0) {
    }
}

}  // namespace platform
