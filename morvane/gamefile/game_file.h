#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "morvane/game/game_settings.h"

namespace morvane {

struct GameFileContents {
    GameSettings settings;
    // Set when the file's tile set could not be dealt and the built-in one took its place.
    std::optional<std::string> refusedTileSet;
};

// Reads a .RVQ game file; a missing file or key gives the reader's defaults. Built-in sounds are
// taken from the program's folder.
GameFileContents readGameFile(const std::filesystem::path& file, const std::filesystem::path& programFolder);

// Deletes the file (and with it its hall of fame), then writes every section of the settings.
// False when the file could not be written.
bool writeGameFile(const std::filesystem::path& file, const GameSettings& settings);

}  // namespace morvane
