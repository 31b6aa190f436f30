#include "platform/data_folder/data_folder.h"

#include <system_error>

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

}  // namespace platform
