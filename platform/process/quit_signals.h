#pragma once

namespace platform {

// Turns SIGTERM, SIGINT and SIGHUP into bytes on a pipe, so that a window can end in order (its
// settings and scores saved, as at Exit) when the desktop logs out or someone runs `kill`. The
// descriptor to watch, or -1 when the pipe could not be made (the signals then keep their usual
// effect).
int watchQuitSignals();

// Empties the pipe after the window has seen it become readable.
void drainQuitSignals();

}  // namespace platform
