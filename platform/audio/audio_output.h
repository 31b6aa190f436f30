#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

// Something that plays through the audio output: it fills interleaved stereo frames.
class AudioSource {
public:
    virtual ~AudioSource() = default;
    // Fills frameCount stereo frames; runs on the audio thread while the output is locked.
    virtual void render(float* frames, int frameCount) = 0;
};

// The SDL playback device of the process in 32-bit float stereo, mixing every source added to
// it. Some drivers (the dummy one among them) open a single device only, so wave effects and
// music share this one. Without sound hardware it falls back to the dummy driver, which keeps
// time in silence; when even that fails the output stays closed and no source is ever called.
class AudioOutput {
public:
    // The output in use, opened again when nobody holds it any more (it closes with its last
    // holder).
    static std::shared_ptr<AudioOutput> shared();
    // Whether anybody holds the output, and so whether its device may be open.
    static bool inUse();

    AudioOutput();
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    bool isOpen() const { return m_device != 0; }
    // Whether the machine has sound hardware to play on (not only the silent stand-in driver).
    static bool hasPlaybackDevice();
    int sampleRate() const { return m_sampleRate; }

    // A source must be removed before it goes.
    void add(AudioSource& source);
    void remove(AudioSource& source);

    // Keeps the sources from running while the caller changes what they play.
    class Lock {
    public:
        explicit Lock(const AudioOutput& output);
        // Locks nothing when no output is held: then no source runs either.
        explicit Lock(const std::shared_ptr<AudioOutput>& output);
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
    void mix(float* frames, int frameCount);

    std::vector<AudioSource*> m_sources;
    std::vector<float> m_sourceFrames;  // one source's share of a buffer, before it is mixed in
    std::uint32_t m_device = 0;
    int m_sampleRate = kSampleRate;
};

}  // namespace platform
