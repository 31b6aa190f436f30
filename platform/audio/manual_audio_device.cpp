#include "platform/audio/manual_audio_device.h"

#include <algorithm>

namespace platform {

namespace {

// As much as the sound card asks for at a time.
constexpr int kBlockFrames = 1024;

}  // namespace

std::shared_ptr<ManualAudioDevice> ManualAudioDevice::install(int sampleRate) {
    auto device = std::make_shared<ManualAudioDevice>(sampleRate);
    AudioOutput::useDevice(device);
    return device;
}

bool ManualAudioDevice::open(AudioOutput& output) {
    m_output = m_plugged ? &output : nullptr;
    return m_plugged;
}

void ManualAudioDevice::close() {
    m_output = nullptr;
}

std::vector<float> ManualAudioDevice::render(int frameCount) {
    std::vector<float> frames(static_cast<std::size_t>(std::max(frameCount, 0)) * AudioOutput::kChannels);
    if (m_output == nullptr || frameCount <= 0) {
        return frames;
    }
    m_output->waitUntilReady();
    const std::lock_guard lock(m_mutex);
    m_output->mix(frames.data(), frameCount);
    m_framesRendered += static_cast<std::uint64_t>(frameCount);
    return frames;
}

std::vector<float> ManualAudioDevice::render(std::chrono::milliseconds duration) {
    return render(static_cast<int>(duration.count() * m_sampleRate / 1000));
}

bool ManualAudioDevice::renderUntilSilent(std::chrono::milliseconds limit) {
    const auto limitFrames =
        static_cast<std::uint64_t>(limit.count()) * static_cast<std::uint64_t>(m_sampleRate) / 1000;
    for (std::uint64_t played = 0; played < limitFrames; played += kBlockFrames) {
        if (m_output == nullptr) {
            return true;
        }
        {
            const std::lock_guard lock(m_mutex);
            if (!m_output->isSounding()) {
                return true;
            }
        }
        render(kBlockFrames);
    }
    const std::lock_guard lock(m_mutex);
    return m_output == nullptr || !m_output->isSounding();
}

}  // namespace platform
