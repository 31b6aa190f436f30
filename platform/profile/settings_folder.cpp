#include "platform/profile/settings_folder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
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

constexpr std::size_t kTemporarySuffixLength = 6;  // mkstemp's XXXXXX

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

// Files of this run that exist but could not be read. Only the window's thread reads and writes
// the games' files.
std::set<std::filesystem::path>& unreadableFiles() {
    static std::set<std::filesystem::path> files;
    return files;
}

// The bytes of a file, or none when it cannot be opened or a read fails.
std::optional<std::string> readWhole(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open()) {
        return std::nullopt;
    }
    try {
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        return in.bad() ? std::nullopt : std::optional(std::move(bytes));
    } catch (const std::ios_base::failure&) {
        return std::nullopt;  // the stream reports an I/O error this way
    }
}

// The file a write replaces: the target of a symbolic link, so that the link stays a link.
std::filesystem::path replacedFile(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_symlink(file, error)) {
        return file;
    }
    const std::filesystem::path target = std::filesystem::read_symlink(file, error);
    return target.is_absolute() ? target : file.parent_path() / target;
}

// Removes what writes of this file that were cut off left behind: their temporary files.
void removeStaleTemporaries(const std::filesystem::path& folder, const std::string& prefix) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == prefix.size() + kTemporarySuffixLength && name.starts_with(prefix)) {
            std::filesystem::remove(entry.path(), error);
        }
    }
}

// Makes the rename in the folder last across a power cut.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

std::optional<std::string> readFileGuarded(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        return std::string();
    }
    std::optional<std::string> bytes = readWhole(file);
    if (!bytes) {
        unreadableFiles().insert(replacedFile(file));
    }
    return bytes;
}

bool isUnreadableFile(const std::filesystem::path& file) {
    return unreadableFiles().count(replacedFile(file)) != 0;
}

bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes) {
    std::error_code error;
    const std::filesystem::path target = replacedFile(file);
    if (isUnreadableFile(target)) {
        return false;
    }
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::filesystem::create_directories(folder, error);
    const std::string prefix = "." + target.filename().string() + ".";
    removeStaleTemporaries(folder, prefix);
    std::string temporary = (folder / (prefix + "XXXXXX")).string();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return false;
    }
    // mkstemp makes the file private; a replaced file keeps its mode, a new one is as readable as
    // any other file.
    struct stat old {};
    ::fchmod(fd, ::stat(target.c_str(), &old) == 0 ? old.st_mode & 07777 : 0644);
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

}  // namespace platform
