#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class AudioDevice;

// Something that plays through the audio output: it fills interleaved stereo frames.
class AudioSource {
public:
    virtual ~AudioSource() = default;
    // Fills frameCount stereo frames; runs on the device's thread while the output is locked.
    virtual void render(float* frames, int frameCount) = 0;
    // Whether the source still has something to be heard.
    virtual bool isSounding() const = 0;
    // Waits for what the source prepares in the background, so that it plays from the first
    // frame asked of it. Only a device rendering on demand calls it, on the players' thread.
    virtual void waitUntilReady() {}
};

// The playback device of the process, mixing every source added to it. Some drivers (SDL's dummy
// one among them) open a single device only, so wave effects and music share this one. When no
// device opens, the output stays closed and no source is ever called.
class AudioOutput {
public:
    // The output in use, opened again when nobody holds it any more (it closes with its last
    // holder).
    static std::shared_ptr<AudioOutput> shared();
    // Whether anybody holds the output, and so whether its device may be open.
    static bool inUse();
    // Plays every output opened from now on on `device` instead of the sound card, for as long
    // as anyone holds the device; then the sound card is used again.
    static void useDevice(const std::shared_ptr<AudioDevice>& device);
    // Whether the machine has sound hardware to play on (not only the silent stand-in driver).
    static bool hasPlaybackDevice();

    explicit AudioOutput(std::shared_ptr<AudioDevice> device);
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    bool isOpen() const { return m_open; }
    int sampleRate() const;

    // A source must be removed before it goes.
    void add(AudioSource& source);
    void remove(AudioSource& source);

    // Adds up what every source plays into frameCount frames: what the device asks for, on its
    // own thread and under its lock.
    void mix(float* frames, int frameCount);
    // Whether any source still has something to be heard; asked under the device's lock.
    bool isSounding() const;
    // Waits until every source can play from the first frame asked of it.
    void waitUntilReady();

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
        AudioDevice* m_device;
    };

    static constexpr int kSampleRate = 44100;
    static constexpr int kChannels = 2;

private:
    std::shared_ptr<AudioDevice> m_device;
    bool m_open = false;
    std::vector<AudioSource*> m_sources;
    std::vector<float> m_sourceFrames;  // one source's share of a buffer, before it is mixed in
};

}  // namespace platform
