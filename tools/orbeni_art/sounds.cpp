#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orbeni_art {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// A tone that rises in a few milliseconds and dies away exponentially.
struct Partial {
    double frequency;
    double amplitude;
    double decaySeconds;
};

void addStrike(std::vector<double>& samples, double startSeconds, const std::vector<Partial>& partials) {
    const std::size_t start = std::size_t(startSeconds * kSampleRate);
    for (std::size_t i = start; i < samples.size(); ++i) {
        const double t = double(i - start) / kSampleRate;
        const double attack = std::min(1.0, t / 0.003);
        for (const Partial& partial : partials) {
            samples[i] += partial.amplitude * attack * std::exp(-t / partial.decaySeconds) *
                          std::sin(kTwoPi * partial.frequency * t);
        }
    }
}

// A soft wooden tick: two short resonances, slightly detuned.
std::vector<double> selectClick() {
    std::vector<double> samples(std::size_t(0.09 * kSampleRate));
    addStrike(samples, 0, {{1180, 0.5, 0.012}, {2310, 0.22, 0.006}, {640, 0.3, 0.018}});
    return samples;
}

// A low, dull double thud that falls in pitch: the tile will not move.
std::vector<double> noWayThud() {
    std::vector<double> samples(std::size_t(0.3 * kSampleRate));
    for (const double start : {0.0, 0.13}) {
        const std::size_t first = std::size_t(start * kSampleRate);
        double phase = 0;
        for (std::size_t i = first; i < samples.size(); ++i) {
            const double t = double(i - first) / kSampleRate;
            const double envelope = std::min(1.0, t / 0.006) * std::exp(-t / 0.045);
            phase += kTwoPi * (150 - 60 * std::min(1.0, t / 0.1)) / kSampleRate;
            // A soft-clipped sine gives the buzz of a low reed without harsh edges.
            samples[i] += 0.6 * envelope * std::tanh(2.5 * std::sin(phase));
        }
    }
    return samples;
}

// A bright rising three-note chime of bell partials.
std::vector<double> doneChime() {
    std::vector<double> samples(std::size_t(0.46 * kSampleRate));
    const double notes[] = {1046.5, 1318.5, 1568.0};
    for (int n = 0; n < 3; ++n) {
        const double f = notes[n];
        addStrike(samples, 0.055 * n, {{f, 0.32, 0.16}, {f * 2.76, 0.1, 0.05}, {f * 5.4, 0.04, 0.02}});
    }
    return samples;
}

// Scales to a comfortable peak and fades the last milliseconds so the effect ends without a click.
void finish(std::vector<double>& samples) {
    double peak = 0;
    for (const double sample : samples) {
        peak = std::max(peak, std::abs(sample));
    }
    const std::size_t fade = std::min(samples.size(), std::size_t(0.02 * kSampleRate));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const std::size_t left = samples.size() - i;
        const double tail = left < fade ? double(left) / double(fade) : 1.0;
        samples[i] = samples[i] / peak * 0.7 * tail;
    }
}

}  // namespace

std::vector<double> synthesise(SoundEffect effect) {
    std::vector<double> samples;
    switch (effect) {
        case SoundEffect::Select:
            samples = selectClick();
            break;
        case SoundEffect::NoWay:
            samples = noWayThud();
            break;
        case SoundEffect::Done:
            samples = doneChime();
            break;
    }
    finish(samples);
    return samples;
}

}  // namespace orbeni_art
