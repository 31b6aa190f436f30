#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace art_common {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

std::size_t sampleAt(double seconds) {
    return std::size_t(std::max(0.0, seconds) * kSampleRate);
}

void putLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(std::uint8_t(value >> (8 * i)));
    }
}

}  // namespace

Samples silence(double seconds) {
    return Samples(sampleAt(seconds), 0.0);
}

void addStrike(Samples& samples, double startSeconds, const std::vector<Partial>& partials) {
    const std::size_t start = sampleAt(startSeconds);
    for (std::size_t i = start; i < samples.size(); ++i) {
        const double t = double(i - start) / kSampleRate;
        const double attack = std::min(1.0, t / 0.003);
        for (const Partial& partial : partials) {
            samples[i] += partial.amplitude * attack * std::exp(-t / partial.decaySeconds) *
                          std::sin(kTwoPi * partial.frequency * t);
        }
    }
}

std::vector<Partial> bell(double frequency, double amplitude, double decaySeconds) {
    return {{frequency, amplitude, decaySeconds},
            {frequency * 2.76, amplitude * 0.3, decaySeconds * 0.35},
            {frequency * 5.4, amplitude * 0.12, decaySeconds * 0.15}};
}

std::vector<Partial> woodBar(double frequency, double amplitude) {
    return {{frequency, amplitude, 0.05},
            {frequency * 3.93, amplitude * 0.35, 0.012},
            {frequency * 0.5, amplitude * 0.2, 0.03}};
}

std::vector<Partial> glass(double frequency, double amplitude, double decaySeconds) {
    return {{frequency, amplitude, decaySeconds},
            {frequency * 2.0, amplitude * 0.25, decaySeconds * 0.5},
            {frequency * 3.01, amplitude * 0.08, decaySeconds * 0.3}};
}

void addGlide(Samples& samples, const Glide& glide) {
    const std::size_t start = sampleAt(glide.startSeconds);
    const std::size_t end = std::min(samples.size(), start + sampleAt(glide.seconds));
    double phase = 0;
    for (std::size_t i = start; i < end; ++i) {
        const double t = double(i - start) / kSampleRate;
        const double along = t / glide.seconds;
        const double envelope = std::min(1.0, t / 0.008) * std::min(1.0, (glide.seconds - t) / 0.03);
        phase += kTwoPi * (glide.fromHz + (glide.toHz - glide.fromHz) * along) / kSampleRate;
        const double wave = glide.drive > 0
                                ? std::tanh(glide.drive * std::sin(phase)) / std::tanh(glide.drive)
                                : std::sin(phase);
        samples[i] += glide.amplitude * envelope * wave;
    }
}

void addNoise(Samples& samples, double startSeconds, double seconds, double amplitude, double smoothing) {
    const std::size_t start = sampleAt(startSeconds);
    const std::size_t end = std::min(samples.size(), start + sampleAt(seconds));
    std::uint32_t state = 12345u;
    double smooth = 0;
    for (std::size_t i = start; i < end; ++i) {
        state = state * 1664525u + 1013904223u;
        const double white = double(state >> 8) / double(1u << 24) * 2 - 1;
        smooth += (white - smooth) * (1 - smoothing);
        const double t = double(i - start) / kSampleRate;
        samples[i] += amplitude * std::exp(-4 * t / seconds) * std::min(1.0, t / 0.002) * smooth;
    }
}

void finish(Samples& samples, double peak) {
    double loudest = 1e-9;
    for (const double sample : samples) {
        loudest = std::max(loudest, std::abs(sample));
    }
    const std::size_t fade = std::min(samples.size(), sampleAt(0.02));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const std::size_t left = samples.size() - i;
        const double tail = left < fade ? double(left) / double(fade) : 1.0;
        samples[i] = samples[i] / loudest * peak * tail;
    }
}

std::vector<std::uint8_t> encodeWav(const Samples& samples) {
    const auto dataSize = std::uint32_t(samples.size() * 2);
    std::vector<std::uint8_t> bytes = {'R', 'I', 'F', 'F'};
    putLittleEndian(bytes, 36 + dataSize, 4);
    bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    putLittleEndian(bytes, 16, 4);
    putLittleEndian(bytes, 1, 2);  // PCM
    putLittleEndian(bytes, 1, 2);  // mono
    putLittleEndian(bytes, kSampleRate, 4);
    putLittleEndian(bytes, kSampleRate * 2, 4);
    putLittleEndian(bytes, 2, 2);
    putLittleEndian(bytes, 16, 2);
    bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
    putLittleEndian(bytes, dataSize, 4);
    for (const double sample : samples) {
        const auto value = std::int16_t(std::lround(std::clamp(sample, -1.0, 1.0) * 32767));
        putLittleEndian(bytes, std::uint16_t(value), 2);
    }
    return bytes;
}

}  // namespace art_common
