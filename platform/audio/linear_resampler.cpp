#include "platform/audio/linear_resampler.h"

#include <cmath>

namespace platform {

namespace {

constexpr int kChannels = 2;

}  // namespace

LinearResampler::LinearResampler(int sourceRate, int targetRate, Source source)
    : m_step(static_cast<double>(sourceRate) / targetRate), m_source(std::move(source)) {
    reset();
}

void LinearResampler::reset() {
    m_frames.assign(kChannels, 0.0f);
    m_position = 0.0;
}

void LinearResampler::haveFrames(std::size_t last) {
    while (m_frames.size() / kChannels <= last) {
        const std::size_t end = m_frames.size();
        m_frames.resize(end + kSourceBlock * kChannels);
        m_source(m_frames.data() + end, kSourceBlock);
    }
}

void LinearResampler::resample(float* frames, int frameCount) {
    for (int i = 0; i < frameCount; ++i) {
        const auto before = static_cast<std::size_t>(m_position);
        const auto fraction = static_cast<float>(m_position - static_cast<double>(before));
        haveFrames(before + 1);
        for (int channel = 0; channel < kChannels; ++channel) {
            const float from = m_frames[before * kChannels + channel];
            const float to = m_frames[(before + 1) * kChannels + channel];
            frames[i * kChannels + channel] = from + (to - from) * fraction;
        }
        m_position += m_step;
    }
    // Frames wholly behind the next target frame are no longer needed.
    const auto passed = static_cast<std::size_t>(m_position);
    m_frames.erase(m_frames.begin(), m_frames.begin() + static_cast<std::ptrdiff_t>(passed * kChannels));
    m_position -= static_cast<double>(passed);
}

}  // namespace platform
