#include "platform/audio/sdl_audio_device.h"

#include <SDL.h>

#include "platform/audio/audio_output.h"

namespace platform {

namespace {

constexpr int kBufferFrames = 1024;

// SDL would take SIGTERM and SIGINT for itself and leave the window running: the programs end in
// order on them instead.
int initAudio() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return SDL_InitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace

SdlAudioDevice::~SdlAudioDevice() {
    close();
}

bool SdlAudioDevice::hasPlaybackDevice() {
    if (initAudio() != 0) {
        return false;
    }
    const char* driver = SDL_GetCurrentAudioDriver();
    const bool silentDriver =
        driver == nullptr || SDL_strcmp(driver, "dummy") == 0 || SDL_strcmp(driver, "disk") == 0;
    // Some drivers cannot count their devices (-1) and still play on the default one.
    const bool found = !silentDriver && SDL_GetNumAudioDevices(0) != 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return found;
}

bool SdlAudioDevice::open(AudioOutput& output) {
    close();
    m_output = &output;
    if (openDriver()) {
        return true;
    }
    // No sound hardware: the dummy driver still consumes buffers at the real rate, so pieces end
    // on time and nothing waits for a device that is not there.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    if (openDriver()) {
        return true;
    }
    m_output = nullptr;
    return false;
}

// Opens the default playback device of the current driver and starts it.
bool SdlAudioDevice::openDriver() {
    if (initAudio() != 0) {
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = AudioOutput::kSampleRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = AudioOutput::kChannels;
    wanted.samples = kBufferFrames;
    wanted.callback = &SdlAudioDevice::fill;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (m_device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    m_sampleRate = obtained.freq;
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void SdlAudioDevice::close() {
    if (m_device != 0) {
        SDL_CloseAudioDevice(m_device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_device = 0;
    }
    m_output = nullptr;
}

void SdlAudioDevice::lock() {
    SDL_LockAudioDevice(m_device);
}

void SdlAudioDevice::unlock() {
    SDL_UnlockAudioDevice(m_device);
}

void SdlAudioDevice::fill(void* device, unsigned char* stream, int bytes) {
    const int frameCount = bytes / static_cast<int>(sizeof(float) * AudioOutput::kChannels);
    static_cast<SdlAudioDevice*>(device)->m_output->mix(reinterpret_cast<float*>(stream), frameCount);
}

}  // namespace platform
