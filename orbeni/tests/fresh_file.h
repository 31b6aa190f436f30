#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

namespace orbeni::test {

// A file in a folder of this test process's own, not there yet: tests that run side by side
// never share a file.
inline std::filesystem::path freshFile(const char* name) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("orbeni-tests-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto file = folder / name;
    std::filesystem::remove(file);
    return file;
}

}  // namespace orbeni::test
