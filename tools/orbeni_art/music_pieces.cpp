#include "music.h"

namespace orbeni_art {

namespace {

// GM programs, 0-based.
constexpr int kHarp = 46;
constexpr int kKoto = 107;
constexpr int kShamisen = 106;
constexpr int kFlute = 73;
constexpr int kShakuhachi = 77;
constexpr int kStrings = 49;
constexpr int kWarmPad = 89;
constexpr int kAcousticBass = 32;
constexpr int kFretlessBass = 35;
constexpr int kCello = 42;

}  // namespace

const std::vector<Piece>& musicPieces() {
    // Three short pieces on pentatonic scales: a calm garden in D, a lively lantern festival in A
    // minor and a slow river in G.
    static const std::vector<Piece> pieces = {
        {"jade.mid",
         80,
         {kFlute, kKoto, kWarmPad, kAcousticBass, false},
         {{"D Bm G A", "a4:2 b4 d5:4 e5:2 d5 b4:3 a4:1 b4:2 a4 f#4 e4 d4:6 r:2"},
          {"D Bm G D", "a4:2 b4 d5:3 e5:1 f#5:4 e5:2 d5 e5:2 d5:1 b4 a4:2 b4 d5:8"},
          {"Bm G D A", "f#5:3 e5:1 d5:2 e5 b4:4 a4:2 b4 d5:3 e5:1 f#5:2 a5 e5:6 r:2"},
          {"Bm G A D", "b5:3 a5:1 f#5:2 e5 d5 e5 f#5:4 e5:2 d5 b4 a4 d5:6 r:2"}},
         "ABCDABCD"},
        {"lanterns.mid",
         104,
         {kShamisen, kKoto, kStrings, kFretlessBass, true},
         {{"Am C G Am",
           "a4:1 c5 d5 e5 g5:2 e5 d5:1 e5 d5 c5 a4:4 c5:1 d5 e5 g5 a5:2 g5:1 e5 d5:2 e5:1 d5 c5:4"},
          {"Am C G Am", "a4:1 c5 d5 e5 g5:2 a5 c6:2 a5:1 g5 e5:4 g5:1 e5 d5 c5 d5:2 e5 a4:6 r:2"},
          {"F G Em Am", "c6:3 a5:1 g5:2 a5 g5:3 e5:1 d5:4 e5:1 g5 a5 g5 e5:2 d5 e5:8"},
          {"F G Am Am", "c6:3 d6:1 c6:2 a5 g5:2 a5:1 g5 e5:2 d5 c5:1 d5 e5 g5 e5:2 d5:1 c5 a4:8"}},
         "ABCDABCD"},
        {"river.mid",
         66,
         {kShakuhachi, kHarp, kStrings, kCello, false},
         {{"G Em C D", "d5:4 e5:2 g5 e5:3 d5:1 b4:4 a4:2 b4 d5 e5:1 d5 b4:8"},
          {"G Em C G", "d5:4 e5:2 g5 a5:3 g5:1 e5:4 d5:2 e5:1 d5 b4:2 a4 g4:8"},
          {"Em C G D", "b5:4 a5:2 g5 e5:4 g5:2 e5 d5:3 e5:1 d5:2 b4 a4:6 r:2"}},
         "ABCBCB"},
    };
    return pieces;
}

}  // namespace orbeni_art
