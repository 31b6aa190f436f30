#pragma once

#include "common/synth.h"

namespace pocketquillet_art {

// The built-in wave sounds, by resource name; there is no QZ5.
enum class PocketSound {
    Qz1Hiscore,
    Qz2PairRemoved,
    Qz3BoardCleared,
    Qz4Select,
    Qz6Deselect,
    Qz7Fault,
    Qz8Gong,
    Qz9Hint,
    Qz10RoundDealt,
    Qz11EmptyCell
};

art_common::Samples makePocketSound(PocketSound sound);

}  // namespace pocketquillet_art
