#include "sounds.h"

#include <vector>

namespace pocketquillet_art {

namespace {

using art_common::addGlide;
using art_common::addNoise;
using art_common::addStrike;
using art_common::bell;
using art_common::Samples;
using art_common::silence;

// Notes struck one after the other with the same voice.
Samples phrase(const std::vector<double>& notes, double gapSeconds, double seconds, double decay) {
    Samples samples = silence(seconds);
    for (std::size_t i = 0; i < notes.size(); ++i) {
        addStrike(samples, gapSeconds * double(i), bell(notes[i], 0.4, decay));
    }
    return samples;
}

// A short fanfare for the hiscore table: two rising calls and a held chord.
Samples hiscoreFanfare() {
    Samples samples = silence(1.5);
    const double notes[] = {523.3, 659.3, 784.0, 659.3, 784.0, 1046.5};
    for (int i = 0; i < 6; ++i) {
        addGlide(samples, {0.11 * i, 0.13, notes[i], notes[i], 0.25, 1.4});
        addStrike(samples, 0.11 * i, bell(notes[i] * 2, 0.15, 0.12));
    }
    for (const double chord : {523.3, 659.3, 784.0, 1046.5}) {
        addGlide(samples, {0.7, 0.75, chord, chord, 0.16, 1.2});
    }
    return samples;
}

// A deep gong with a slow beat between its partials: the turn has passed.
Samples gong() {
    Samples samples = silence(1.6);
    addStrike(samples, 0,
              {{110, 0.5, 0.9}, {111.8, 0.4, 0.8}, {247, 0.22, 0.5}, {393, 0.12, 0.3}, {587, 0.06, 0.2}});
    addNoise(samples, 0, 0.05, 0.15, 0.9);
    return samples;
}

Samples click(double frequency, double seconds) {
    Samples samples = silence(seconds);
    addNoise(samples, 0, 0.01, 0.3, 0.5);
    addStrike(samples, 0, art_common::woodBar(frequency, 0.8));
    return samples;
}

// A low buzz that sinks: not a pair.
Samples fault() {
    Samples samples = silence(0.3);
    addGlide(samples, {0, 0.26, 196, 140, 0.6, 2.5});
    return samples;
}

// A soft hollow knock: nothing lies there.
Samples emptyCell() {
    Samples samples = silence(0.12);
    addStrike(samples, 0, {{330, 0.6, 0.03}, {660, 0.12, 0.01}});
    return samples;
}

// Stones poured out and settling: a ripple of taps.
Samples roundDealt() {
    Samples samples = silence(0.7);
    const double pitches[] = {1400, 1150, 1620, 1260, 1500, 1080, 1340, 1200};
    for (int i = 0; i < 8; ++i) {
        addStrike(samples, 0.05 * i + 0.004 * (i % 3), art_common::woodBar(pitches[i], 0.5 - 0.04 * i));
    }
    addStrike(samples, 0.45, bell(784, 0.3, 0.18));
    return samples;
}

}  // namespace

art_common::Samples makePocketSound(PocketSound sound) {
    Samples samples;
    switch (sound) {
        case PocketSound::Qz1Hiscore:
            samples = hiscoreFanfare();
            break;
        case PocketSound::Qz2PairRemoved:
            samples = phrase({1318.5, 1975.5}, 0.06, 0.4, 0.16);
            break;
        case PocketSound::Qz3BoardCleared:
            samples = phrase({784, 988, 1174.7, 1568, 1975.5, 2349.3}, 0.08, 1.3, 0.4);
            break;
        case PocketSound::Qz4Select:
            samples = click(1200, 0.09);
            break;
        case PocketSound::Qz6Deselect:
            samples = click(850, 0.09);
            break;
        case PocketSound::Qz7Fault:
            samples = fault();
            break;
        case PocketSound::Qz8Gong:
            samples = gong();
            break;
        case PocketSound::Qz9Hint:
            samples = phrase({1568, 1318.5, 1568}, 0.1, 0.55, 0.12);
            break;
        case PocketSound::Qz10RoundDealt:
            samples = roundDealt();
            break;
        case PocketSound::Qz11EmptyCell:
            samples = emptyCell();
            break;
    }
    const bool fanfareOrGong = sound == PocketSound::Qz1Hiscore || sound == PocketSound::Qz8Gong;
    // The fault is a dense buzz that sounds louder than a click at the same peak.
    art_common::finish(samples, fanfareOrGong ? 0.75 : (sound == PocketSound::Qz7Fault ? 0.4 : 0.6));
    return samples;
}

}  // namespace pocketquillet_art
