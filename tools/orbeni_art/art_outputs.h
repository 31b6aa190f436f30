#pragma once

#include <filesystem>
#include <string_view>

#include "fonts.h"

namespace orbeni_art {

// Writes the whole set of files into the program's build folder; false (after saying which
// file failed) when one could not be written.
bool writeAllOutputs(const std::filesystem::path& folder, const ArtFonts& fonts);

// Writes a text file, creating its folder; says so on failure.
bool writeText(const std::filesystem::path& file, std::string_view text);

}  // namespace orbeni_art
