#pragma once

#include <vector>

namespace orbeni_art {

inline constexpr int kSampleRate = 22050;

// The three effects of play: a tile clicked, a click refused, a pair removed.
enum class SoundEffect { Select, NoWay, Done };

// Synthesises an effect as samples in -1..1.
std::vector<double> synthesise(SoundEffect effect);

}  // namespace orbeni_art
