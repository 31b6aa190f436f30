#pragma once

#include <filesystem>
#include <initializer_list>
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

// Where a program keeps the files it writes that it once kept in its own folder (settings, scores):
// that folder while it runs from there and may write it, else its settings folder. The first time
// the settings folder is used, it takes a copy of any such file beside the program, so that
// nothing a player has is lost.
std::filesystem::path writableFolder(const std::filesystem::path& executableFolder,
                                     const std::filesystem::path& dataFolder, std::string_view programName,
                                     std::initializer_list<std::string_view> files);

// The per-user folder of a program's own data: $XDG_DATA_HOME/<program>, else
// ~/.local/share/<program>. It is not created here.
std::filesystem::path userDataFolder(std::string_view programName);

// Where a program writes files that belong in one of its data folders (saved layouts, say): that
// folder of its own while it keeps its written files beside itself (userFolder is programFolder)
// and may write it (or, while it is missing, the program's folder), else the folder of the same
// name in its user data folder. Not created here.
std::filesystem::path writableDataFolder(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& userFolder,
                                         std::string_view programName,
                                         const std::filesystem::path& folderName);

}  // namespace platform
