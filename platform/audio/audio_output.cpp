#include "platform/audio/audio_output.h"

#include <SDL.h>

namespace platform {

AudioOutput::AudioOutput(AudioSource& source) : m_source(source) {
    if (openDevice()) {
        return;
    }
    // No sound hardware: the dummy driver still consumes buffers at the real rate, so pieces end
    // on time and nothing waits for a device that is not there.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    openDevice();
}

AudioOutput::~AudioOutput() {
    if (m_device != 0) {
        SDL_CloseAudioDevice(m_device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

// Opens the default playback device of the current driver and starts it.
bool AudioOutput::openDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kSampleRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = kChannels;
    wanted.samples = 1024;
    wanted.callback = &AudioOutput::fill;
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

void AudioOutput::fill(void* output, unsigned char* stream, int bytes) {
    auto* self = static_cast<AudioOutput*>(output);
    const int frameCount = bytes / static_cast<int>(sizeof(float) * kChannels);
    self->m_source.render(reinterpret_cast<float*>(stream), frameCount);
}

AudioOutput::Lock::Lock(const AudioOutput& output) : m_device(output.m_device) {
    if (m_device != 0) {
        SDL_LockAudioDevice(m_device);
    }
}

AudioOutput::Lock::~Lock() {
    if (m_device != 0) {
        SDL_UnlockAudioDevice(m_device);
    }
}

}  // namespace platform
