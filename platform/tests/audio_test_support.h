#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/audio/manual_audio_device.h"

namespace platform::testing {

using Bytes = std::vector<std::uint8_t>;

inline void appendNumber(Bytes& bytes, std::uint32_t value, int size) {
    for (int shift = 8 * (size - 1); shift >= 0; shift -= 8) {
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

inline void appendVariable(Bytes& bytes, std::uint32_t value) {
    Bytes groups{static_cast<std::uint8_t>(value & 0x7F)};
    while ((value >>= 7) != 0) {
        groups.insert(groups.begin(), static_cast<std::uint8_t>(0x80 | (value & 0x7F)));
    }
    bytes.insert(bytes.end(), groups.begin(), groups.end());
}

inline Bytes chunk(const char* name, const Bytes& body) {
    Bytes bytes(name, name + 4);
    appendNumber(bytes, static_cast<std::uint32_t>(body.size()), 4);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

inline Bytes midiHeader(std::uint16_t format, std::uint16_t tracks, std::uint16_t division) {
    Bytes body;
    appendNumber(body, format, 2);
    appendNumber(body, tracks, 2);
    appendNumber(body, division, 2);
    return chunk("MThd", body);
}

inline void appendTempo(Bytes& track, std::uint32_t delta, std::uint32_t microsecondsPerQuarter) {
    appendVariable(track, delta);
    track.insert(track.end(), {0xFF, 0x51, 0x03});
    appendNumber(track, microsecondsPerQuarter, 3);
}

inline void appendEndOfTrack(Bytes& track, std::uint32_t delta) {
    appendVariable(track, delta);
    track.insert(track.end(), {0xFF, 0x2F, 0x00});
}

// One middle C held for noteTicks, at 480 ticks a quarter note and the given tempo.
inline Bytes oneNoteMidi(std::uint32_t noteTicks, std::uint32_t microsecondsPerQuarter = 500000) {
    Bytes track;
    appendTempo(track, 0, microsecondsPerQuarter);
    track.insert(track.end(), {0x00, 0xC0, 0x00, 0x00, 0x90, 0x3C, 0x64});
    appendVariable(track, noteTicks);
    track.insert(track.end(), {0x80, 0x3C, 0x40});
    appendEndOfTrack(track, 0);
    Bytes file = midiHeader(0, 1, 480);
    const Bytes trackChunk = chunk("MTrk", track);
    file.insert(file.end(), trackChunk.begin(), trackChunk.end());
    return file;
}

// A mono 16-bit wave file of a quiet tone.
inline Bytes waveFile(double seconds, int rate = 22050) {
    const auto frames = static_cast<std::uint32_t>(seconds * rate);
    auto little = [](Bytes& bytes, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    };
    Bytes bytes{'R', 'I', 'F', 'F'};
    little(bytes, 36 + frames * 2, 4);
    bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    little(bytes, 16, 4);
    little(bytes, 1, 2);  // PCM
    little(bytes, 1, 2);  // mono
    little(bytes, static_cast<std::uint32_t>(rate), 4);
    little(bytes, static_cast<std::uint32_t>(rate) * 2, 4);
    little(bytes, 2, 2);
    little(bytes, 16, 2);
    bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
    little(bytes, frames * 2, 4);
    for (std::uint32_t i = 0; i < frames; ++i) {
        little(bytes, (i / 25) % 2 == 0 ? 2000u : static_cast<std::uint32_t>(-2000), 2);
    }
    return bytes;
}

// The loudest sample of some rendered frames.
inline float peak(const std::vector<float>& frames) {
    float loudest = 0.0f;
    for (float sample : frames) {
        loudest = std::max(loudest, std::abs(sample));
    }
    return loudest;
}

// A folder of its own for each test, removed afterwards.
class AudioFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = std::filesystem::temp_directory_path() /
                   ("tilegames-audio-" + std::string(info->test_suite_name()) + "-" + info->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::filesystem::path fileWith(const Bytes& bytes, const std::string& name) const {
        const auto file = m_folder / name;
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

    std::filesystem::path m_folder;
};

// A folder of its own, and a playback device that plays only the frames the test renders.
class ManualAudioTest : public AudioFileTest {
protected:
    std::shared_ptr<ManualAudioDevice> m_audio = ManualAudioDevice::install();
};

}  // namespace platform::testing
