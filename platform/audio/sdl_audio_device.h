#pragma once

#include <cstdint>

#include "platform/audio/audio_device.h"

namespace platform {

// The SDL playback device in 32-bit float stereo. Without sound hardware it falls back to the
// dummy driver, which keeps time in silence; when even that fails it does not open.
class SdlAudioDevice : public AudioDevice {
public:
    SdlAudioDevice() = default;
    ~SdlAudioDevice() override;
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    bool open(AudioOutput& output) override;
    void close() override;
    int sampleRate() const override { return m_sampleRate; }
    void lock() override;
    void unlock() override;

    // Whether the machine has sound hardware to play on (not only the silent stand-in driver).
    static bool hasPlaybackDevice();

private:
    bool openDriver();
    static void fill(void* device, unsigned char* stream, int bytes);

    AudioOutput* m_output = nullptr;
    std::uint32_t m_device = 0;
    int m_sampleRate = 0;
};

}  // namespace platform
