#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <vector>

#include "platform/audio/audio_output.h"

namespace platform {

// Plays wave files one at a time in the background, as the asynchronous system sound call did:
// play() returns at once and a new sound cuts off the one still playing. A file that is missing
// or unreadable plays the default beep instead.
class WavePlayer : private AudioSource {
public:
    WavePlayer();
    ~WavePlayer() override;
    WavePlayer(const WavePlayer&) = delete;
    WavePlayer& operator=(const WavePlayer&) = delete;

    void play(const std::filesystem::path& file);
    // Whether a sound is still being heard.
    bool isPlaying() const;
    // Whether there is an output at all; without one every sound is silently dropped.
    bool hasOutput() const { return m_output->isOpen(); }

private:
    void render(float* frames, int frameCount) override;
    std::vector<float> loadWave(const std::filesystem::path& file) const;
    std::vector<float> defaultBeep() const;

    std::vector<float> m_samples;  // interleaved stereo, at the output's rate
    std::size_t m_next = 0;        // index of the next sample to hear
    std::shared_ptr<AudioOutput> m_output = AudioOutput::shared();
};

}  // namespace platform
