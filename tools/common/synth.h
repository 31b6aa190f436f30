#pragma once

#include <cstdint>
#include <vector>

namespace art_common {

inline constexpr int kSampleRate = 22050;

using Samples = std::vector<double>;

// One sine partial that rises in a few milliseconds and dies away exponentially.
struct Partial {
    double frequency;
    double amplitude;
    double decaySeconds;
};

Samples silence(double seconds);

// Adds a struck sound made of partials, starting at a time.
void addStrike(Samples& samples, double startSeconds, const std::vector<Partial>& partials);
// The partials of a small bell, a wooden bar and a soft glass tone of one pitch.
std::vector<Partial> bell(double frequency, double amplitude, double decaySeconds);
std::vector<Partial> woodBar(double frequency, double amplitude);
std::vector<Partial> glass(double frequency, double amplitude, double decaySeconds);

// Adds a tone whose pitch glides from one frequency to another; drive above 0 softly clips
// the sine, giving a reedy buzz.
struct Glide {
    double startSeconds;
    double seconds;
    double fromHz;
    double toHz;
    double amplitude;
    double drive = 0;
};
void addGlide(Samples& samples, const Glide& glide);

// Adds a short burst of smoothed noise, the breath of a tap or a swish; the same every run.
void addNoise(Samples& samples, double startSeconds, double seconds, double amplitude, double smoothing);

// Scales to a peak and fades the last milliseconds so that the sound ends without a click.
void finish(Samples& samples, double peak = 0.7);

// Encodes samples as a mono 16-bit PCM WAVE file.
std::vector<std::uint8_t> encodeWav(const Samples& samples);

}  // namespace art_common
