#include "midi_file.h"

#include <algorithm>

namespace orbeni_art {

namespace {

void putVariableLength(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = std::uint8_t(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1) {
        bytes.push_back(groups[--count] | 0x80);
    }
    bytes.push_back(groups[0]);
}

void putBigEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
    for (int i = size - 1; i >= 0; --i) {
        bytes.push_back(std::uint8_t(value >> (8 * i)));
    }
}

}  // namespace

void MidiTrack::addMessage(std::uint32_t tick, std::initializer_list<std::uint8_t> bytes) {
    m_events.push_back({tick, false, std::vector<std::uint8_t>(bytes)});
}

void MidiTrack::addMeta(std::uint32_t tick, std::uint8_t type, const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> bytes = {0xFF, type};
    putVariableLength(bytes, std::uint32_t(data.size()));
    bytes.insert(bytes.end(), data.begin(), data.end());
    m_events.push_back({tick, false, bytes});
}

void MidiTrack::addNote(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
    const auto status = std::uint8_t(channel & 0x0F);
    const auto note = std::uint8_t(std::clamp(key, 0, 127));
    m_events.push_back(
        {tick, false, {std::uint8_t(0x90 | status), note, std::uint8_t(std::clamp(velocity, 1, 127))}});
    m_events.push_back({tick + length, true, {std::uint8_t(0x80 | status), note, 0}});
}

std::vector<std::uint8_t> MidiTrack::encode() const {
    std::vector<Event> events = m_events;
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.endsNote && !b.endsNote;
    });
    std::vector<std::uint8_t> body;
    std::uint32_t now = 0;
    for (const Event& event : events) {
        putVariableLength(body, event.tick - now);
        body.insert(body.end(), event.bytes.begin(), event.bytes.end());
        now = event.tick;
    }
    body.insert(body.end(), {0x00, 0xFF, 0x2F, 0x00});
    std::vector<std::uint8_t> chunk = {'M', 'T', 'r', 'k'};
    putBigEndian(chunk, std::uint32_t(body.size()), 4);
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

std::vector<std::uint8_t> encodeMidiFile(const std::vector<MidiTrack>& tracks,
                                         std::uint16_t ticksPerQuarter) {
    std::vector<std::uint8_t> bytes = {'M', 'T', 'h', 'd'};
    putBigEndian(bytes, 6, 4);
    putBigEndian(bytes, 1, 2);
    putBigEndian(bytes, std::uint32_t(tracks.size()), 2);
    putBigEndian(bytes, ticksPerQuarter, 2);
    for (const MidiTrack& track : tracks) {
        const std::vector<std::uint8_t> chunk = track.encode();
        bytes.insert(bytes.end(), chunk.begin(), chunk.end());
    }
    return bytes;
}

}  // namespace orbeni_art
