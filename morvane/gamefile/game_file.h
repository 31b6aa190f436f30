#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "morvane/game/game_settings.h"

namespace morvane {

// Reads a .RVQ game file; a missing file or key gives the reader's defaults, and values beyond the
// board are clipped to it. Built-in sounds are taken from the program's folder.
GameSettings readGameFile(const std::filesystem::path& file, const std::filesystem::path& programFolder);

// Why a file chosen to be loaded is no game file: it cannot be read, or it holds none of the
// sections a game file is made of. None for a game file.
std::optional<std::string> gameFileProblem(const std::filesystem::path& file);

// Makes the file anew (its hall of fame starts empty) with every section of the settings, and
// replaces the old one in one step. False when it could not be written: the old file stays.
bool writeGameFile(const std::filesystem::path& file, const GameSettings& settings);

}  // namespace morvane
