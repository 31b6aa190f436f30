#include "platform/audio/audio_output.h"

#include <algorithm>

#include "platform/audio/audio_device.h"
#include "platform/audio/sdl_audio_device.h"

namespace platform {

namespace {

// Buffers of the usual sizes are mixed without allocating on the device's thread.
constexpr std::size_t kMixFrames = 4096;

// The output of the process while anybody holds it, and the device it is to open instead of the
// sound card. Only the GUI thread makes players, so these need no lock.
std::weak_ptr<AudioOutput>& currentOutput() {
    static std::weak_ptr<AudioOutput> current;
    return current;
}

std::weak_ptr<AudioDevice>& chosenDevice() {
    static std::weak_ptr<AudioDevice> chosen;
    return chosen;
}

}  // namespace

bool AudioOutput::inUse() {
    return !currentOutput().expired();
}

std::shared_ptr<AudioOutput> AudioOutput::shared() {
    std::weak_ptr<AudioOutput>& current = currentOutput();
    std::shared_ptr<AudioOutput> output = current.lock();
    if (!output) {
        std::shared_ptr<AudioDevice> device = chosenDevice().lock();
        if (!device) {
            device = std::make_shared<SdlAudioDevice>();
        }
        output = std::make_shared<AudioOutput>(std::move(device));
        current = output;
    }
    return output;
}

void AudioOutput::useDevice(const std::shared_ptr<AudioDevice>& device) {
    chosenDevice() = device;
}

bool AudioOutput::hasPlaybackDevice() {
    return SdlAudioDevice::hasPlaybackDevice();
}

AudioOutput::AudioOutput(std::shared_ptr<AudioDevice> device)
    : m_device(std::move(device)), m_sourceFrames(kMixFrames * kChannels) {
    m_open = m_device->open(*this);
}

AudioOutput::~AudioOutput() {
    if (m_open) {
        m_device->close();
    }
}

int AudioOutput::sampleRate() const {
    return m_open ? m_device->sampleRate() : kSampleRate;
}

void AudioOutput::add(AudioSource& source) {
    const Lock lock(*this);
    m_sources.push_back(&source);
}

void AudioOutput::remove(AudioSource& source) {
    const Lock lock(*this);
    std::erase(m_sources, &source);
}

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

bool AudioOutput::isSounding() const {
    return std::ranges::any_of(m_sources, [](const AudioSource* source) { return source->isSounding(); });
}

void AudioOutput::waitUntilReady() {
    for (AudioSource* source : m_sources) {
        source->waitUntilReady();
    }
}

AudioOutput::Lock::Lock(const AudioOutput& output)
    : m_device(output.m_open ? output.m_device.get() : nullptr) {
    if (m_device != nullptr) {
        m_device->lock();
    }
}

AudioOutput::Lock::Lock(const std::shared_ptr<AudioOutput>& output)
    : m_device(output && output->m_open ? output->m_device.get() : nullptr) {
    if (m_device != nullptr) {
        m_device->lock();
    }
}

AudioOutput::Lock::~Lock() {
    if (m_device != nullptr) {
        m_device->unlock();
    }
}

}  // namespace platform
