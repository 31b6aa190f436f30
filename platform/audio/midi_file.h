#pragma once

#include <cstdint>
#include <span>

#include "platform/result.h"

namespace platform {

// Reads a standard MIDI file (format 0, 1 or 2) far enough to know how long it plays: the tick of
// its last event in any track, turned into milliseconds through its tempo changes. Fails with a
// reason for anything that is not a complete MIDI file.
Result<std::uint32_t> midiLengthMilliseconds(std::span<const std::uint8_t> file);

}  // namespace platform
