#pragma once

#include <cstdint>

namespace platform {

// What an audio output asks for at each buffer: interleaved stereo frames to fill.
class AudioSource {
public:
    virtual ~AudioSource() = default;
    // Fills frameCount stereo frames; runs on the audio thread while the output is locked.
    virtual void render(float* frames, int frameCount) = 0;
};

// One SDL playback device in 32-bit float stereo, fed by one source. Without sound hardware it
// falls back to SDL's dummy driver, which keeps time in silence; when even that fails the output
// stays closed and the source is never called.
class AudioOutput {
public:
    explicit AudioOutput(AudioSource& source);
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    bool isOpen() const { return m_device != 0; }
    int sampleRate() const { return m_sampleRate; }

    // Keeps the source from running while the caller changes what it plays.
    class Lock {
    public:
        explicit Lock(const AudioOutput& output);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        std::uint32_t m_device;
    };

    static constexpr int kSampleRate = 44100;
    static constexpr int kChannels = 2;

private:
    bool openDevice();
    static void fill(void* output, unsigned char* stream, int bytes);

    AudioSource& m_source;
    std::uint32_t m_device = 0;
    int m_sampleRate = kSampleRate;
};

}  // namespace platform
