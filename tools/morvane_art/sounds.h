#pragma once

#include "common/synth.h"

namespace morvane_art {

// The five events a game has its own sound for (a mismatch sounds like a tile that is not free).
enum class GameSound { Select, Deselect, Unfree, Remove, Won };

// The voice of a tile set: ivory tiles click like bone and chime like small bells, Lantern's
// lacquer rings like glass, Terrace's stone knocks like wood.
enum class SoundKit { Ivory, Glass, Stone };

art_common::Samples makeGameSound(SoundKit kit, GameSound sound);

}  // namespace morvane_art
