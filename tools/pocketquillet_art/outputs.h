#pragma once

#include <filesystem>

#include "common/fonts.h"

namespace pocketquillet_art {

// Draws and writes the pictures and sounds built into pocketquillet into one folder, and the
// contact sheet into another; false when a file failed.
bool writeAllOutputs(const std::filesystem::path& artFolder, const std::filesystem::path& sheetFolder,
                     const art_common::ArtFonts& fonts);

}  // namespace pocketquillet_art
