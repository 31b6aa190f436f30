#include "platform/audio/midi_file.h"

#include <gtest/gtest.h>

#include "platform/tests/audio_test_support.h"

namespace platform {
namespace {

using testing::appendEndOfTrack;
using testing::appendTempo;
using testing::appendVariable;
using testing::Bytes;
using testing::chunk;
using testing::midiHeader;

Bytes withTracks(Bytes file, const std::vector<Bytes>& tracks) {
    for (const Bytes& track : tracks) {
        const Bytes trackChunk = chunk("MTrk", track);
        file.insert(file.end(), trackChunk.begin(), trackChunk.end());
    }
    return file;
}

// Notes of one channel sent with running status: the status byte only before the first.
Bytes runningStatusTrack(int notes, std::uint32_t ticksEach) {
    Bytes track{0x00, 0x90, 0x3C, 0x64};
    for (int i = 0; i < notes; ++i) {
        appendVariable(track, ticksEach);
        track.insert(track.end(), {0x3C, 0x00});
        track.insert(track.end(), {0x00, 0x3E, 0x64});
    }
    appendEndOfTrack(track, ticksEach);
    return track;
}

TEST(MidiFileTest, LengthFollowsTicksTempoAndTimeCode) {
    Bytes tempoChange;  // 120 beats a minute for one quarter note, then 60
    appendTempo(tempoChange, 0, 500000);
    appendTempo(tempoChange, 480, 1000000);
    appendEndOfTrack(tempoChange, 0);
    Bytes sysexAndNote{0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7, 0x00, 0x90,
                       0x3C, 0x64, 0x83, 0x60, 0x80, 0x3C, 0x00};
    appendEndOfTrack(sysexAndNote, 0);  // the note ends at tick 480
    Bytes timeCode;                     // 25 frames of 40 ticks: 1000 ticks a second
    appendEndOfTrack(timeCode, 500);

    const struct {
        const char* what;
        Bytes file;
        std::uint32_t milliseconds;
    } cases[] = {
        {"half a beat at 120", testing::oneNoteMidi(240), 250},
        {"a beat at 240", testing::oneNoteMidi(480, 250000), 250},
        {"no events after the start", testing::oneNoteMidi(0), 0},
        {"tempo change in the first track, notes in the second",
         withTracks(midiHeader(1, 3, 480), {tempoChange, runningStatusTrack(3, 480), sysexAndNote}),
         500 + 3000},
        {"running status", withTracks(midiHeader(0, 1, 96), {runningStatusTrack(4, 48)}), 1250},
        {"time code division", withTracks(midiHeader(0, 1, 0xE728), {timeCode}), 500},
    };
    for (const auto& c : cases) {
        const auto length = midiLengthMilliseconds(c.file);
        ASSERT_TRUE(length) << c.what << ": " << length.error();
        EXPECT_EQ(length.value(), c.milliseconds) << c.what;
    }
}

TEST(MidiFileTest, DamagedFilesAreRefusedWithAReason) {
    const Bytes good = testing::oneNoteMidi(240);
    Bytes noStatus;  // a data byte before any status byte
    appendVariable(noStatus, 0);
    noStatus.insert(noStatus.end(), {0x3C, 0x64});
    Bytes longVariable{0x00, 0xFF, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
    Bytes systemCommon{0x00, 0xF2, 0x00, 0x00};
    Bytes alienChunk = midiHeader(0, 1, 480);
    const Bytes alien = chunk("XTrk", Bytes{0x00, 0xFF, 0x2F, 0x00});
    alienChunk.insert(alienChunk.end(), alien.begin(), alien.end());

    const struct {
        const char* what;
        Bytes file;
    } cases[] = {
        {"empty", {}},
        {"a wave file", testing::waveFile(0.01)},
        {"header only", midiHeader(0, 1, 480)},
        {"no tracks", midiHeader(0, 0, 480)},
        {"division 0", withTracks(midiHeader(0, 1, 0), {Bytes{0x00, 0xFF, 0x2F, 0x00}})},
        {"short header", Bytes(good.begin(), good.begin() + 10)},
        {"cut inside the track", Bytes(good.begin(), good.end() - 5)},
        {"data without status", withTracks(midiHeader(0, 1, 480), {noStatus})},
        {"variable length over four bytes", withTracks(midiHeader(0, 1, 480), {longVariable})},
        {"system common message", withTracks(midiHeader(0, 1, 480), {systemCommon})},
        {"another chunk where the track should be", alienChunk},
    };
    for (const auto& c : cases) {
        const auto length = midiLengthMilliseconds(c.file);
        EXPECT_FALSE(length) << c.what;
        EXPECT_FALSE(length.error().empty()) << c.what;
    }
}

}  // namespace
}  // namespace platform
