#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The per-user folder of one program's settings: $XDG_CONFIG_HOME/<program>, else
// ~/.config/<program>. It is not created here; writers create it when they first write.
std::filesystem::path settingsFolder(std::string_view programFolderName);

// A file name without a folder goes into the program's settings folder; any other path stays.
std::filesystem::path resolveSettingsFile(const std::filesystem::path& file,
                                          std::string_view programFolderName);

// The bytes of a file, empty for a missing one. A file that exists but cannot be read (no
// permission, an I/O error) gives none, and is never written in this run: what it holds is not
// replaced by a game's defaults.
std::optional<std::string> readFileGuarded(const std::filesystem::path& file);
bool isUnreadableFile(const std::filesystem::path& file);

// Writes a whole file through a temporary file beside it that is then renamed over it, so the
// old contents stay when anything fails. Creates the folder when missing; refuses a file that
// could not be read.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace platform
