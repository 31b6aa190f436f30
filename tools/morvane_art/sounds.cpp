#include "sounds.h"

#include <vector>

namespace morvane_art {

namespace {

using art_common::addGlide;
using art_common::addNoise;
using art_common::addStrike;
using art_common::Samples;
using art_common::silence;

// The struck voice of each kit at a pitch.
std::vector<art_common::Partial> voice(SoundKit kit, double frequency, double amplitude) {
    switch (kit) {
        case SoundKit::Glass:
            return art_common::glass(frequency, amplitude, 0.35);
        case SoundKit::Stone:
            return art_common::woodBar(frequency, amplitude);
        case SoundKit::Ivory:
            break;
    }
    return art_common::bell(frequency, amplitude, 0.22);
}

// A short tap: the tile taken up (higher) or put back (lower).
Samples tap(SoundKit kit, double frequency) {
    Samples samples = silence(kit == SoundKit::Glass ? 0.25 : 0.1);
    addNoise(samples, 0, 0.012, 0.25, 0.6);
    if (kit == SoundKit::Glass) {
        addStrike(samples, 0, art_common::glass(frequency, 0.6, 0.07));
    } else {
        addStrike(samples, 0, art_common::woodBar(frequency, 0.8));
    }
    return samples;
}

// A low, dull double knock that falls in pitch: the tile will not move.
Samples refusal(SoundKit kit) {
    Samples samples = silence(0.32);
    const double pitch = kit == SoundKit::Glass ? 220 : (kit == SoundKit::Stone ? 130 : 170);
    for (const double start : {0.0, 0.14}) {
        addGlide(samples, {start, 0.12, pitch, pitch * 0.65, 0.6, 2.2});
        addNoise(samples, start, 0.03, 0.2, 0.85);
    }
    return samples;
}

// Two notes rising a fifth: a pair has left the board.
Samples removal(SoundKit kit) {
    Samples samples = silence(kit == SoundKit::Stone ? 0.32 : 0.5);
    const double base = kit == SoundKit::Glass ? 1174.7 : (kit == SoundKit::Stone ? 523.3 : 987.8);
    addStrike(samples, 0, voice(kit, base, 0.5));
    addStrike(samples, 0.07, voice(kit, base * 1.5, 0.45));
    return samples;
}

// A rising arpeggio that ends in a held chord: the board is clear.
Samples victory(SoundKit kit) {
    Samples samples = silence(1.6);
    const double base = kit == SoundKit::Glass ? 587.3 : (kit == SoundKit::Stone ? 392.0 : 523.3);
    // Major for ivory, the pentatonic scale for the two samples' far-eastern airs.
    const std::vector<double> steps = kit == SoundKit::Ivory
                                          ? std::vector<double>{1, 1.26, 1.5, 2, 2.52, 3}
                                          : std::vector<double>{1, 1.125, 1.33, 1.5, 1.78, 2};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        addStrike(samples, 0.09 * double(i), voice(kit, base * steps[i], 0.4));
    }
    for (const double chord : {1.0, 1.5, 2.0}) {
        addStrike(samples, 0.62, art_common::bell(base * chord, 0.3, 0.5));
    }
    return samples;
}

}  // namespace

art_common::Samples makeGameSound(SoundKit kit, GameSound sound) {
    const double tapPitch = kit == SoundKit::Glass ? 1568 : (kit == SoundKit::Stone ? 620 : 1040);
    Samples samples;
    switch (sound) {
        case GameSound::Select:
            samples = tap(kit, tapPitch);
            break;
        case GameSound::Deselect:
            samples = tap(kit, tapPitch * 0.75);
            break;
        case GameSound::Unfree:
            samples = refusal(kit);
            break;
        case GameSound::Remove:
            samples = removal(kit);
            break;
        case GameSound::Won:
            samples = victory(kit);
            break;
    }
    // The refusal is a dense buzz that sounds louder than a tap at the same peak.
    const double peak = sound == GameSound::Won ? 0.75 : (sound == GameSound::Unfree ? 0.42 : 0.65);
    art_common::finish(samples, peak);
    return samples;
}

}  // namespace morvane_art
