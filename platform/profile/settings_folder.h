#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

// The per-user folder of one program's settings: $XDG_CONFIG_HOME/<program>, else
// ~/.config/<program>. It is not created here; writers create it when they first write.
std::filesystem::path settingsFolder(std::string_view programFolderName);

// A file name without a folder goes into the program's settings folder; any other path stays.
std::filesystem::path resolveSettingsFile(const std::filesystem::path& file,
                                          std::string_view programFolderName);

// Writes a whole file through a temporary file beside it that is then renamed over it, so the
// old contents stay when anything fails. Creates the folder when missing.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace platform
