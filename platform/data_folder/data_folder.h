#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

// The folder that holds a program's shipped files: its executable's own folder when `markerFile`
// lies there (the build folder, or a copy unpacked by hand), else `installedFolder` when the
// marker lies there, else the executable's folder again, so that messages name it as before.
// A relative `installedFolder` is taken from the executable's folder.
std::filesystem::path findDataFolder(const std::filesystem::path& executableFolder,
                                     const std::filesystem::path& markerFile,
                                     const std::filesystem::path& installedFolder);

// findDataFolder with the folder `cmake --install` puts the program's data in:
// <prefix>/share/games/<program> for an executable in <prefix>/games, whatever the prefix.
std::filesystem::path dataFolder(const std::filesystem::path& executableFolder,
                                 const std::filesystem::path& markerFile, std::string_view programName);

}  // namespace platform
