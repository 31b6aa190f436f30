#include "platform/audio/wave_player.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform {

namespace {

constexpr double kBeepSeconds = 0.15;
constexpr double kBeepHertz = 880.0;
constexpr float kBeepVolume = 0.25f;

// Runs sound through an SDL stream to its end; empty when SDL cannot.
std::vector<float> streamed(SDL_AudioStream* stream, const void* data, std::size_t bytes) {
    if (stream == nullptr) {
        return {};
    }
    std::vector<float> samples;
    if (SDL_AudioStreamPut(stream, data, static_cast<int>(bytes)) == 0 && SDL_AudioStreamFlush(stream) == 0) {
        samples.resize(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream)) / sizeof(float));
        const int got =
            SDL_AudioStreamGet(stream, samples.data(), static_cast<int>(samples.size() * sizeof(float)));
        samples.resize(got > 0 ? static_cast<std::size_t>(got) / sizeof(float) : 0);
    }
    SDL_FreeAudioStream(stream);
    return samples;
}

// Brings float stereo to another rate. SDL keeps back the last frames of a stream that changes
// its rate, even flushed, which would cut the end off every effect: a quarter of a second of
// silence goes in behind the sound and is cut off again.
std::vector<float> resampled(std::vector<float> samples, int fromRate, int toRate) {
    const std::size_t frames = samples.size() / AudioOutput::kChannels;
    const auto wanted = static_cast<std::size_t>(static_cast<std::uint64_t>(frames) * toRate / fromRate);
    samples.resize(samples.size() + static_cast<std::size_t>(fromRate / 4) * AudioOutput::kChannels, 0.0f);
    std::vector<float> result = streamed(SDL_NewAudioStream(AUDIO_F32SYS, AudioOutput::kChannels, fromRate,
                                                            AUDIO_F32SYS, AudioOutput::kChannels, toRate),
                                         samples.data(), samples.size() * sizeof(float));
    result.resize(std::min(result.size(), wanted * AudioOutput::kChannels));
    return result;
}

// Converts SDL's decoded wave data to float stereo at the given rate; empty when SDL cannot.
std::vector<float> converted(const SDL_AudioSpec& waveFormat, const Uint8* data, Uint32 bytes, int rate) {
    std::vector<float> samples =
        streamed(SDL_NewAudioStream(waveFormat.format, waveFormat.channels, waveFormat.freq, AUDIO_F32SYS,
                                    AudioOutput::kChannels, waveFormat.freq),
                 data, bytes);
    if (samples.empty() || waveFormat.freq == rate) {
        return samples;
    }
    return resampled(std::move(samples), waveFormat.freq, rate);
}

}  // namespace

WavePlayer::WavePlayer(MissingWave missing) : m_missing(missing) {}

WavePlayer::~WavePlayer() {
    if (m_output) {
        m_output->remove(*this);
    }
}

AudioOutput& WavePlayer::output() {
    if (!m_output) {
        m_output = AudioOutput::shared();
        m_output->add(*this);
    }
    return *m_output;
}

void WavePlayer::play(const std::filesystem::path& file) {
    if (output().isOpen()) {
        start(decoded(SDL_RWFromFile(file.c_str(), "rb")));
    }
}

void WavePlayer::play(std::span<const std::uint8_t> waveFile) {
    if (output().isOpen()) {
        start(decoded(SDL_RWFromConstMem(waveFile.data(), static_cast<int>(waveFile.size()))));
    }
}

// Cuts off the sound playing and starts the new one, or the stand-in for one that did not decode.
void WavePlayer::start(std::vector<float> samples) {
    if (samples.empty() && m_missing == MissingWave::DefaultBeep) {
        samples = defaultBeep();
    }
    const AudioOutput::Lock lock(*m_output);
    m_samples.swap(samples);
    m_next = 0;
}

bool WavePlayer::isPlaying() const {
    if (!m_output) {
        return false;
    }
    const AudioOutput::Lock lock(*m_output);
    return isSounding();
}

std::chrono::milliseconds WavePlayer::timeLeft() const {
    if (!m_output) {
        return {};
    }
    const AudioOutput::Lock lock(*m_output);
    const std::size_t frames =
        (m_samples.size() - std::min(m_next, m_samples.size())) / AudioOutput::kChannels;
    return std::chrono::milliseconds(frames * 1000 / static_cast<std::size_t>(m_output->sampleRate()));
}

void WavePlayer::closeWhenSilent() {
    if (m_output && !isPlaying()) {
        m_output->remove(*this);
        m_output.reset();
    }
}

void WavePlayer::render(float* frames, int frameCount) {
    const std::size_t wanted = static_cast<std::size_t>(frameCount) * AudioOutput::kChannels;
    const std::size_t count = std::min(wanted, m_samples.size() - m_next);
    std::copy_n(m_samples.begin() + static_cast<std::ptrdiff_t>(m_next), count, frames);
    std::fill(frames + count, frames + wanted, 0.0f);
    m_next += count;
}

// Decodes a wave in any format SDL reads, and closes it; empty when it is missing or not a wave.
std::vector<float> WavePlayer::decoded(SDL_RWops* wave) const {
    SDL_AudioSpec waveFormat{};
    Uint8* data = nullptr;
    Uint32 bytes = 0;
    if (wave == nullptr || SDL_LoadWAV_RW(wave, 1, &waveFormat, &data, &bytes) == nullptr) {
        return {};
    }
    std::vector<float> samples = converted(waveFormat, data, bytes, m_output->sampleRate());
    SDL_FreeWAV(data);
    return samples;
}

// Makes the short fading tone that stands in for the system's default sound.
std::vector<float> WavePlayer::defaultBeep() const {
    const int rate = m_output->sampleRate();
    const int frameCount = static_cast<int>(kBeepSeconds * rate);
    std::vector<float> samples;
    samples.reserve(static_cast<std::size_t>(frameCount) * AudioOutput::kChannels);
    for (int i = 0; i < frameCount; ++i) {
        const double fade = 1.0 - static_cast<double>(i) / frameCount;
        const double wave = std::sin(2.0 * std::numbers::pi * kBeepHertz * i / rate);
        const float value = kBeepVolume * static_cast<float>(wave * fade);
        samples.push_back(value);
        samples.push_back(value);
    }
    return samples;
}

}  // namespace platform
