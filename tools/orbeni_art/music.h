#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace orbeni_art {

// Four bars of a piece: one chord per bar ("D Bm G A") and the tune over them, written as
// notes with their length in eighths ("a4:2 b4 d5:4"; a length carries over to the next notes
// until changed; "r" is a rest).
struct Section {
    std::string_view chords;
    std::string_view melody;
};

// General MIDI programs (0-based) of the four voices, and whether wood blocks keep the beat.
struct Band {
    int melody = -1;
    int arpeggio = -1;
    int pad = -1;
    int bass = -1;
    bool woodBlocks = false;
};

// A piece: its file name in "Musics", tempo, band, sections, and the order they are played in as
// section letters ("AABA": A is the first section).
struct Piece {
    std::string_view fileName;
    int beatsPerMinute = 90;
    Band band;
    std::vector<Section> sections;
    std::string_view form;
};

const std::vector<Piece>& musicPieces();

// Arranges a piece and encodes it as a Standard MIDI File; says what is wrong with the note data
// and gives nothing when a section does not fill its bars.
std::optional<std::vector<std::uint8_t>> composeMidi(const Piece& piece);

}  // namespace orbeni_art
