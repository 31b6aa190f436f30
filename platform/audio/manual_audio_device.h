#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/audio/audio_device.h"
#include "platform/audio/audio_output.h"

namespace platform {

// A playback device that plays only when asked: a test renders frames by hand, so that a sound
// of seconds is heard in a moment and ends exactly where the test says. Installed, it stands in
// for the sound card of every output opened while the test holds it.
class ManualAudioDevice : public AudioDevice {
public:
    // Makes a device and plays every output opened from now on on it, until the caller and
    // every output on it have let it go.
    static std::shared_ptr<ManualAudioDevice> install(int sampleRate = AudioOutput::kSampleRate);

    explicit ManualAudioDevice(int sampleRate = AudioOutput::kSampleRate) : m_sampleRate(sampleRate) {}

    bool open(AudioOutput& output) override;
    void close() override;
    int sampleRate() const override { return m_sampleRate; }
    void lock() override { m_mutex.lock(); }
    void unlock() override { m_mutex.unlock(); }

    // Whether an output has the device open: whether anything may be heard.
    bool isOpen() const { return m_output != nullptr; }
    // Makes every open() from now on fail, as on a machine where no driver plays at all.
    void unplug() { m_plugged = false; }

    // Plays frameCount frames now and gives back what was heard, interleaved stereo; silence
    // while the device is closed.
    std::vector<float> render(int frameCount);
    std::vector<float> render(std::chrono::milliseconds duration);
    // Plays on until no source has anything left to be heard, at most `limit` of sound; whether
    // everything fell silent. Lets a test finish every sound at once.
    bool renderUntilSilent(std::chrono::milliseconds limit = std::chrono::minutes(1));
    // Frames played since the device was made.
    std::uint64_t framesRendered() const { return m_framesRendered; }

private:
    int m_sampleRate;
    bool m_plugged = true;
    AudioOutput* m_output = nullptr;
    std::uint64_t m_framesRendered = 0;
    std::mutex m_mutex;
};

}  // namespace platform
