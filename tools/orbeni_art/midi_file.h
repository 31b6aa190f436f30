#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace orbeni_art {

// The events of one track of a Standard MIDI File, in any order; they are sorted by time when
// the track is encoded, a note's end before another note's start at the same tick.
class MidiTrack {
public:
    void addMessage(std::uint32_t tick, std::initializer_list<std::uint8_t> bytes);
    void addMeta(std::uint32_t tick, std::uint8_t type, const std::vector<std::uint8_t>& data);
    void addNote(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);

    // Encodes the track as an MTrk chunk ending with its end-of-track event.
    std::vector<std::uint8_t> encode() const;

private:
    struct Event {
        std::uint32_t tick = 0;
        bool endsNote = false;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Event> m_events;
};

// Encodes a format 1 file of the given tracks.
std::vector<std::uint8_t> encodeMidiFile(const std::vector<MidiTrack>& tracks, std::uint16_t ticksPerQuarter);

}  // namespace orbeni_art
