#pragma once

#include <filesystem>

#include "morvane/game/game_settings.h"

namespace morvane {

// Fills the sound table with the wave files that ship in the program's folder.
void applyBuiltInSounds(GameSettings& settings, const std::filesystem::path& programFolder);

}  // namespace morvane
