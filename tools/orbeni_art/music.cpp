#include "music.h"

#include <cstdio>
#include <string>

#include "midi_file.h"
#include "music_score.h"

namespace orbeni_art {

namespace {

constexpr std::uint32_t kTicksPerQuarter = 480;
constexpr std::uint32_t kEighth = kTicksPerQuarter / 2;
constexpr std::uint32_t kBar = 8 * kEighth;
constexpr int kPercussionChannel = 9;

// The voices of the band, one track and one channel each, in this order after the tempo track.
enum class Voice { Melody, Arpeggio, Pad, Bass, WoodBlocks };

struct Score {
    const Band& band;
    std::vector<MidiTrack> tracks = std::vector<MidiTrack>(5);
    MidiTrack& operator[](Voice voice) { return tracks[std::size_t(voice)]; }
};

int thirdOf(Chord chord) {
    return chord.minor ? 3 : 4;
}

void startVoice(MidiTrack& track, int channel, int program, int volume, int pan) {
    const auto status = std::uint8_t(channel);
    if (channel != kPercussionChannel) {
        track.addMessage(0, {std::uint8_t(0xC0 | status), std::uint8_t(program)});
    }
    track.addMessage(0, {std::uint8_t(0xB0 | status), 7, std::uint8_t(volume)});
    track.addMessage(0, {std::uint8_t(0xB0 | status), 10, std::uint8_t(pan)});
    track.addMessage(0, {std::uint8_t(0xB0 | status), 91, 70});
}

void playMelody(MidiTrack& track, const std::vector<Note>& notes, std::uint32_t start) {
    std::uint32_t tick = start;
    for (const Note& note : notes) {
        const std::uint32_t length = note.eighths * kEighth;
        if (note.key >= 0) {
            const bool downbeat = (tick - start) % kBar == 0;
            track.addNote(tick, length - 24, 0, note.key, downbeat ? 100 : 88);
        }
        tick += length;
    }
}

// Plays one bar of the chord: a rippling arpeggio, a held chord and a walking root and fifth.
void accompanyBar(Score& score, Chord chord, std::uint32_t bar) {
    const int low = 48 + chord.root;
    const int offsets[] = {0, 7, 12, 12 + thirdOf(chord), 19, 12 + thirdOf(chord), 12, 7};
    for (int step = 0; step < 8; ++step) {
        score[Voice::Arpeggio].addNote(bar + std::uint32_t(step) * kEighth, kEighth * 3 / 2, 1,
                                       low + offsets[step], step == 0 ? 70 : 56);
    }
    const int padRoot = 60 + chord.root > 66 ? 48 + chord.root : 60 + chord.root;
    for (const int interval : {0, thirdOf(chord), 7}) {
        score[Voice::Pad].addNote(bar, kBar - 10, 2, padRoot + interval, 44);
    }
    score[Voice::Bass].addNote(bar, 3 * kEighth, 3, 36 + chord.root, 78);
    score[Voice::Bass].addNote(bar + 3 * kEighth, kEighth, 3, 36 + chord.root + 12, 60);
    score[Voice::Bass].addNote(bar + 4 * kEighth, 4 * kEighth - 10, 3, 36 + chord.root + 7, 70);
    if (score.band.woodBlocks) {
        const int hits[][3] = {{0, 77, 84}, {3, 76, 50}, {4, 77, 66}, {6, 76, 56}, {7, 76, 44}};
        for (const auto& hit : hits) {
            score[Voice::WoodBlocks].addNote(bar + std::uint32_t(hit[0]) * kEighth, kEighth / 2,
                                             kPercussionChannel, hit[1], hit[2]);
        }
    }
}

// Closes the piece on its home chord, struck once and left to ring.
void playEnding(Score& score, Chord home, std::uint32_t bar) {
    const int keys[] = {48 + home.root, 55 + home.root, 60 + home.root, 60 + home.root + thirdOf(home)};
    for (int step = 0; step < 4; ++step) {
        const std::uint32_t offset = std::uint32_t(step) * 60;
        score[Voice::Arpeggio].addNote(bar + offset, 2 * kBar - offset, 1, keys[step], 64);
    }
    score[Voice::Pad].addNote(bar, 2 * kBar, 2, 60 + home.root, 40);
    score[Voice::Bass].addNote(bar, 2 * kBar, 3, 36 + home.root, 70);
    score[Voice::Melody].addNote(bar, 2 * kBar, 0, 72 + home.root, 80);
}

MidiTrack tempoTrack(const Piece& piece) {
    MidiTrack track;
    const auto microseconds = std::uint32_t(60'000'000 / piece.beatsPerMinute);
    track.addMeta(
        0, 0x51,
        {std::uint8_t(microseconds >> 16), std::uint8_t(microseconds >> 8), std::uint8_t(microseconds)});
    track.addMeta(0, 0x58, {4, 2, 24, 8});
    const std::string name(piece.fileName.substr(0, piece.fileName.find('.')));
    track.addMeta(0, 0x03, std::vector<std::uint8_t>(name.begin(), name.end()));
    return track;
}

std::optional<std::vector<Bars>> readSections(const Piece& piece) {
    std::vector<Bars> sections;
    for (const Section& section : piece.sections) {
        std::optional<Bars> bars = readSection(section);
        if (!bars) {
            std::fprintf(stderr, "orbeni_art: %.*s: section %c does not fill its bars\n",
                         int(piece.fileName.size()), piece.fileName.data(), char('A' + sections.size()));
            return std::nullopt;
        }
        sections.push_back(std::move(*bars));
    }
    return sections;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> composeMidi(const Piece& piece) {
    const std::optional<std::vector<Bars>> sections = readSections(piece);
    if (!sections) {
        return std::nullopt;
    }
    Score score{piece.band};
    startVoice(score[Voice::Melody], 0, piece.band.melody, 104, 64);
    startVoice(score[Voice::Arpeggio], 1, piece.band.arpeggio, 84, 40);
    startVoice(score[Voice::Pad], 2, piece.band.pad, 64, 88);
    startVoice(score[Voice::Bass], 3, piece.band.bass, 90, 64);
    startVoice(score[Voice::WoodBlocks], kPercussionChannel, 0, 70, 76);
    std::uint32_t tick = 0;
    for (const char letter : piece.form) {
        const auto index = std::size_t(letter - 'A');
        if (index >= sections->size()) {
            std::fprintf(stderr, "orbeni_art: %.*s: no section %c\n", int(piece.fileName.size()),
                         piece.fileName.data(), letter);
            return std::nullopt;
        }
        const Bars& section = (*sections)[index];
        playMelody(score[Voice::Melody], section.melody, tick);
        for (const Chord chord : section.chords) {
            accompanyBar(score, chord, tick);
            tick += kBar;
        }
    }
    playEnding(score, sections->front().chords.front(), tick);
    std::vector<MidiTrack> tracks = {tempoTrack(piece)};
    tracks.insert(tracks.end(), score.tracks.begin(), score.tracks.end());
    return encodeMidiFile(tracks, kTicksPerQuarter);
}

}  // namespace orbeni_art
