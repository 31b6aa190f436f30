#pragma once

#include <filesystem>

#include "common/fonts.h"

namespace morvane_art {

// Draws and writes every picture and sound morvane ships into its build folder, and the
// sample games' own pictures and sounds into its Games folder; false when a file failed.
bool writeAllOutputs(const std::filesystem::path& folder, const art_common::ArtFonts& fonts);

}  // namespace morvane_art
