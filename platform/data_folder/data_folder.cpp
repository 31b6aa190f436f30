#include "platform/data_folder/data_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "platform/profile/settings_folder.h"

namespace platform {

namespace {

bool holds(const std::filesystem::path& folder, const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(folder / file, error);
}

}  // namespace

std::filesystem::path findDataFolder(const std::filesystem::path& executableFolder,
                                     const std::filesystem::path& markerFile,
                                     const std::filesystem::path& installedFolder) {
    if (holds(executableFolder, markerFile)) {
        return executableFolder;
    }
    const std::filesystem::path installed = (executableFolder / installedFolder).lexically_normal();
    return holds(installed, markerFile) ? installed : executableFolder;
}

std::filesystem::path dataFolder(const std::filesystem::path& executableFolder,
                                 const std::filesystem::path& markerFile, std::string_view programName) {
    return findDataFolder(executableFolder, markerFile,
                          std::filesystem::path(TILEGAMES_DATA_FROM_EXECUTABLE) / programName);
}

std::filesystem::path writableFolder(const std::filesystem::path& executableFolder,
                                     const std::filesystem::path& dataFolder, std::string_view programName,
                                     std::initializer_list<std::string_view> files) {
    // An installed data folder is never written, whoever runs the program.
    if (dataFolder == executableFolder && ::access(executableFolder.c_str(), W_OK) == 0) {
        return executableFolder;
    }
    const std::filesystem::path folder = settingsFolder(programName);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const std::string_view file : files) {
        if (holds(executableFolder, file) && !std::filesystem::exists(folder / file, error)) {
            std::filesystem::copy_file(executableFolder / file, folder / file, error);
        }
    }
    return folder;
}

std::filesystem::path userDataFolder(std::string_view programName) {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/') {
        return std::filesystem::path(dataHome) / programName;
    }
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : ".") / ".local" / "share" / programName;
}

std::filesystem::path writableDataFolder(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& userFolder,
                                         std::string_view programName,
                                         const std::filesystem::path& folderName) {
    const std::filesystem::path own = programFolder / folderName;
    // A folder of its own that is missing yet is made where the program may write.
    std::error_code error;
    const std::filesystem::path tested = std::filesystem::exists(own, error) ? own : programFolder;
    if (userFolder == programFolder && ::access(tested.c_str(), W_OK) == 0) {
        return own;
    }
    return userDataFolder(programName) / folderName;
}

}  // namespace platform
