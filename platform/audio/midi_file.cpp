#include "platform/audio/midi_file.h"

#include <algorithm>
#include <map>
#include <optional>

namespace platform {

namespace {

constexpr std::uint32_t kDefaultTempo = 500000;  // microseconds per quarter note (120 beats a minute)
constexpr const char* kNotMidi =
    "This piece cannot be played on the sequencer. The file may be corrupt, or not in "
    "the correct format.";

// Reads big-endian numbers and variable-length quantities without ever leaving the bytes.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_next >= m_bytes.size(); }
    std::size_t left() const { return m_bytes.size() - m_next; }

    std::optional<std::uint32_t> number(int size) {
        if (left() < static_cast<std::size_t>(size)) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i) {
            value = (value << 8) | m_bytes[m_next++];
        }
        return value;
    }

    std::optional<std::uint32_t> variable() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const auto byte = number(1);
            if (!byte) {
                return std::nullopt;
            }
            value = (value << 7) | (*byte & 0x7F);
            if ((*byte & 0x80) == 0) {
                return value;
            }
        }
        return std::nullopt;
    }

    std::optional<std::span<const std::uint8_t>> take(std::size_t size) {
        if (left() < size) {
            return std::nullopt;
        }
        const auto part = m_bytes.subspan(m_next, size);
        m_next += size;
        return part;
    }

    std::optional<std::uint8_t> peek() const {
        return atEnd() ? std::nullopt : std::optional<std::uint8_t>(m_bytes[m_next]);
    }

private:
    std::span<const std::uint8_t> m_bytes;
    std::size_t m_next = 0;
};

using TempoMap = std::map<std::uint64_t, std::uint32_t>;  // tick -> microseconds per quarter note

// Skips one meta or system-exclusive event, noting a tempo change; false when it is cut short.
bool skipMetaOrSysex(Reader& track, std::uint8_t status, std::uint64_t tick, TempoMap& tempos) {
    std::optional<std::uint32_t> type = 0;
    if (status == 0xFF) {
        type = track.number(1);
    }
    const auto size = type ? track.variable() : std::nullopt;
    const auto data = size ? track.take(*size) : std::nullopt;
    if (!data) {
        return false;
    }
    if (status == 0xFF && *type == 0x51 && data->size() == 3) {
        const std::uint32_t tempo = (std::uint32_t{(*data)[0]} << 16) | ((*data)[1] << 8) | (*data)[2];
        tempos[tick] = std::max<std::uint32_t>(tempo, 1);
    }
    return true;
}

// The tick at which a track's last event happens, or nothing when the track is damaged.
std::optional<std::uint64_t> trackEnd(Reader track, TempoMap& tempos) {
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    while (!track.atEnd()) {
        const auto delta = track.variable();
        const auto next = delta ? track.peek() : std::nullopt;
        if (!next) {
            return std::nullopt;
        }
        tick += *delta;
        std::uint8_t status = *next;
        if (status >= 0x80) {
            track.number(1);
        } else if (running == 0) {
            return std::nullopt;
        } else {
            status = running;
        }
        if (status >= 0xF0) {
            if ((status != 0xFF && status != 0xF0 && status != 0xF7) ||
                !skipMetaOrSysex(track, status, tick, tempos)) {
                return std::nullopt;
            }
            running = 0;
            continue;
        }
        running = status;
        const std::size_t dataBytes = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
        if (!track.take(dataBytes)) {
            return std::nullopt;
        }
    }
    return tick;
}

// Turns a tick into milliseconds through the tempo changes before it.
std::uint64_t ticksToMilliseconds(std::uint64_t endTick, const TempoMap& tempos,
                                  std::uint32_t ticksPerQuarter) {
    double microseconds = 0;
    std::uint64_t tick = 0;
    std::uint32_t tempo = kDefaultTempo;
    for (const auto& [changeTick, changeTempo] : tempos) {
        if (changeTick >= endTick) {
            break;
        }
        microseconds += static_cast<double>(changeTick - tick) * tempo / ticksPerQuarter;
        tick = changeTick;
        tempo = changeTempo;
    }
    microseconds += static_cast<double>(endTick - tick) * tempo / ticksPerQuarter;
    // A piece longer than anything playable (a huge tempo map) saturates instead of overflowing.
    const double milliseconds = microseconds / 1000.0 + 0.5;
    return milliseconds < static_cast<double>(UINT32_MAX) ? static_cast<std::uint64_t>(milliseconds)
                                                          : UINT32_MAX;
}

struct Header {
    std::uint32_t trackCount = 0;
    std::uint32_t division = 0;  // ticks a quarter note, or time code when the top bit is set
};

std::optional<Header> readHeader(Reader& reader) {
    const auto name = reader.take(4);
    const auto size = reader.number(4);
    if (!name || !std::equal(name->begin(), name->end(), "MThd") || !size || *size < 6) {
        return std::nullopt;
    }
    const auto fields = reader.take(*size);
    if (!fields) {
        return std::nullopt;
    }
    Reader fieldReader(*fields);
    fieldReader.number(2);  // the format: every one is read alike
    Header header;
    header.trackCount = *fieldReader.number(2);
    header.division = *fieldReader.number(2);
    if (header.trackCount == 0 || header.division == 0) {
        return std::nullopt;
    }
    return header;
}

// The tick of the last event of any track, collecting the tempo changes on the way.
std::optional<std::uint64_t> lastTick(Reader& reader, std::uint32_t trackCount, TempoMap& tempos) {
    std::uint64_t endTick = 0;
    for (std::uint32_t i = 0; i < trackCount; ++i) {
        const auto name = reader.take(4);
        const auto size = reader.number(4);
        const auto body = size ? reader.take(*size) : std::nullopt;
        const bool isTrack = name && std::equal(name->begin(), name->end(), "MTrk");
        const auto end = body && isTrack ? trackEnd(Reader(*body), tempos) : std::nullopt;
        if (!end) {
            return std::nullopt;
        }
        endTick = std::max(endTick, *end);
    }
    return endTick;
}

}  // namespace

Result<std::uint32_t> midiLengthMilliseconds(std::span<const std::uint8_t> file) {
    Reader reader(file);
    const auto header = readHeader(reader);
    TempoMap tempos;
    const auto endTick = header ? lastTick(reader, header->trackCount, tempos) : std::nullopt;
    if (!endTick) {
        return Result<std::uint32_t>::failure(kNotMidi);
    }
    std::uint64_t milliseconds = 0;
    if (header->division & 0x8000) {
        // Time code: frames a second times ticks a frame.
        const std::uint32_t framesPerSecond = 256 - (header->division >> 8);
        const std::uint32_t ticksPerSecond =
            std::max<std::uint32_t>(framesPerSecond * (header->division & 0xFF), 1);
        milliseconds = std::min<std::uint64_t>(*endTick, UINT64_MAX / 1000) * 1000 / ticksPerSecond;
    } else {
        milliseconds = ticksToMilliseconds(*endTick, tempos, header->division);
    }
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(milliseconds, UINT32_MAX));
}

}  // namespace platform
