#pragma once

#include <filesystem>
#include <string>

#include "orbeni/board/layout_template.h"
#include "platform/result.h"

namespace orbeni {

inline constexpr const char* kLayoutVersionMark = "Orbeni 3.0";
inline constexpr int kLayoutCells = kLayers * kRows * kColumns;

// What a ".lay" file holds. A file without the version mark still names its layout, but its
// cells are not taken.
struct LayFile {
    std::string name;
    LayoutTemplate layout;
    bool hasVersionMark = false;
};

// Reads a ".lay" file; a short cell line leaves the missing cells empty.
platform::Result<LayFile> readLayFile(const std::filesystem::path& file);
// Reads the first 144 lines of a ".shp" file; short lines and positions outside the template
// are skipped.
platform::Result<LayoutTemplate> readShpFile(const std::filesystem::path& file);
// Writes a ".lay" file whole or not at all; the reason when it could not be written.
platform::Result<bool> writeLayFile(const std::filesystem::path& file, const std::string& name,
                                    const LayoutTemplate& layout);

}  // namespace orbeni
