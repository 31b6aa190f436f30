#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "music.h"

namespace orbeni_art {

struct Note {
    int key = -1;  // -1 is a rest
    std::uint32_t eighths = 1;
};

struct Chord {
    int root = 0;  // semitones above C
    bool minor = false;
};

// A section ready to play: the tune and one chord per bar.
struct Bars {
    std::vector<Note> melody;
    std::vector<Chord> chords;
};

// Reads a section's note data; nothing when it is malformed or does not fill its bars.
std::optional<Bars> readSection(const Section& section);

}  // namespace orbeni_art
