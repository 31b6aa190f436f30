#include "platform/audio/audio_output.h"

#include <SDL.h>

#include <algorithm>

namespace platform {

namespace {

constexpr int kBufferFrames = 1024;

// SDL would take SIGTERM and SIGINT for itself and leave the window running: the programs end in
// order on them instead.
int initAudio() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return SDL_InitSubSystem(SDL_INIT_AUDIO);
}

// The output of the process while anybody holds it. Only the GUI thread makes players, so this
// needs no lock.
std::weak_ptr<AudioOutput>& currentOutput() {
    static std::weak_ptr<AudioOutput> current;
    return current;
}

}  // namespace

bool AudioOutput::inUse() {
    return !currentOutput().expired();
}

std::shared_ptr<AudioOutput> AudioOutput::shared() {
    std::weak_ptr<AudioOutput>& current = currentOutput();
    std::shared_ptr<AudioOutput> output = current.lock();
    if (!output) {
        output = std::make_shared<AudioOutput>();
        current = output;
    }
    return output;
}

AudioOutput::AudioOutput() {
    if (openDevice()) {
        return;
    }
    // No sound hardware: the dummy driver still consumes buffers at the real rate, so pieces end
    // on time and nothing waits for a device that is not there.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    openDevice();
}

bool AudioOutput::hasPlaybackDevice() {
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

AudioOutput::~AudioOutput() {
    if (m_device != 0) {
        SDL_CloseAudioDevice(m_device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

// Opens the default playback device of the current driver and starts it.
bool AudioOutput::openDevice() {
    if (initAudio() != 0) {
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kSampleRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = kChannels;
    wanted.samples = kBufferFrames;
    wanted.callback = &AudioOutput::fill;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (m_device == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    m_sampleRate = obtained.freq;
    m_sourceFrames.resize(static_cast<std::size_t>(std::max<int>(obtained.samples, kBufferFrames)) *
                          kChannels);
    SDL_PauseAudioDevice(m_device, 0);
    return true;
}

void AudioOutput::add(AudioSource& source) {
    const Lock lock(*this);
    m_sources.push_back(&source);
}

void AudioOutput::remove(AudioSource& source) {
    const Lock lock(*this);
    std::erase(m_sources, &source);
}

void AudioOutput::fill(void* output, unsigned char* stream, int bytes) {
    const int frameCount = bytes / static_cast<int>(sizeof(float) * kChannels);
    static_cast<AudioOutput*>(output)->mix(reinterpret_cast<float*>(stream), frameCount);
}

// Adds up what every source plays into one buffer of the device.
void AudioOutput::mix(float* frames, int frameCount) {
    const auto sampleCount = static_cast<std::size_t>(frameCount) * kChannels;
    std::fill(frames, frames + sampleCount, 0.0f);
    if (m_sourceFrames.size() < sampleCount) {
        m_sourceFrames.resize(sampleCount);
    }
    for (AudioSource* source : m_sources) {
        source->render(m_sourceFrames.data(), frameCount);
        for (std::size_t i = 0; i < sampleCount; ++i) {
            frames[i] += m_sourceFrames[i];
        }
    }
}

AudioOutput::Lock::Lock(const AudioOutput& output) : m_device(output.m_device) {
    if (m_device != 0) {
        SDL_LockAudioDevice(m_device);
    }
}

AudioOutput::Lock::Lock(const std::shared_ptr<AudioOutput>& output)
    : m_device(output ? output->m_device : 0) {
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
