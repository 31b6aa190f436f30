#include "platform/profile/settings_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <system_error>

namespace platform {

std::filesystem::path settingsFolder(std::string_view programFolderName) {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path base;
    if (configHome != nullptr && configHome[0] == '/') {
        base = configHome;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home != nullptr ? home : ".") / ".config";
    }
    return base / programFolderName;
}

std::filesystem::path resolveSettingsFile(const std::filesystem::path& file,
                                          std::string_view programFolderName) {
    if (file.has_parent_path() || file.is_absolute()) {
        return file;
    }
    return settingsFolder(programFolderName) / file;
}

namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

}  // namespace

bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    std::error_code error;
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    std::filesystem::create_directories(folder, error);
    std::string temporary = (folder / ("." + file.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return false;
    }
    // mkstemp makes the file private; settings files are as readable as any other file.
    ::fchmod(fd, 0644);
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), file.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace platform
