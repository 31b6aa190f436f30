#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "platform/audio/audio_output.h"

struct SDL_RWops;

namespace platform {

// What a wave that is missing or unreadable sounds like.
enum class MissingWave { DefaultBeep, Silence };

// Plays wave files one at a time in the background, as the asynchronous system sound call did:
// play() returns at once and a new sound cuts off the one still playing. A file that is missing
// or unreadable plays the default beep, or nothing when the player was made silent for it. The
// player holds the audio output only from a sound's start until closeWhenSilent() after its
// end, so that a silent game keeps no device open.
class WavePlayer : private AudioSource {
public:
    explicit WavePlayer(MissingWave missing = MissingWave::DefaultBeep);
    ~WavePlayer() override;
    WavePlayer(const WavePlayer&) = delete;
    WavePlayer& operator=(const WavePlayer&) = delete;

    void play(const std::filesystem::path& file);
    // Plays a whole wave file held in memory (a sound built into the program).
    void play(std::span<const std::uint8_t> waveFile);
    // Whether a sound is still being heard.
    bool isPlaying() const;
    // How long the sound still plays: when to call closeWhenSilent().
    std::chrono::milliseconds timeLeft() const;
    // Lets the output go once nothing plays; the next sound opens it again.
    void closeWhenSilent();
    // Whether the player holds an output that plays (with no sound hardware at all, every sound is
    // dropped silently).
    bool hasOutput() const { return m_output && m_output->isOpen(); }

private:
    void render(float* frames, int frameCount) override;
    bool isSounding() const override { return m_next < m_samples.size(); }
    void start(std::vector<float> samples);
    AudioOutput& output();
    std::vector<float> decoded(SDL_RWops* wave) const;
    std::vector<float> defaultBeep() const;

    std::vector<float> m_samples;  // interleaved stereo, at the output's rate
    std::size_t m_next = 0;        // index of the next sample to hear
    MissingWave m_missing;
    std::shared_ptr<AudioOutput> m_output;  // while a sound plays
};

}  // namespace platform
