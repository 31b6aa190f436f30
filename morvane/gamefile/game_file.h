#pragma once

#include <filesystem>

#include "morvane/game/game_settings.h"

namespace morvane {

// Reads a .RVQ game file; a missing file or key gives the reader's defaults, and values beyond the
// board are clipped to it. Built-in sounds are taken from the program's folder.
GameSettings readGameFile(const std::filesystem::path& file, const std::filesystem::path& programFolder);

// Deletes the file (and with it its hall of fame), then writes every section of the settings.
// False when the file could not be written.
bool writeGameFile(const std::filesystem::path& file, const GameSettings& settings);

}  // namespace morvane
