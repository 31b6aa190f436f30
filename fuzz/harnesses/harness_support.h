#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace fuzzing {

// A file of this process that holds one input, for readers that take a path.
inline std::filesystem::path inputFile(const char* name) {
    static const std::filesystem::path folder = [] {
        const char* shm = "/dev/shm";
        std::filesystem::path base =
            std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        base /= "tilegames-fuzz-" + std::to_string(::getpid());
        std::filesystem::create_directories(base);
        return base;
    }();
    return folder / name;
}

inline std::filesystem::path writeInput(const char* name, const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = inputFile(name);
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return file;
}

inline std::string bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A broken promise of a reader or writer: stop at once, so the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                   \
    do {                                                                                        \
        if (!(condition)) {                                                                     \
            std::fprintf(stderr, "check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                       \
        }                                                                                       \
    } while (false)

}  // namespace fuzzing
