#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/profile/profile.h"

namespace {

// A hall of fame as large as 99 layouts make it: ten names and times each.
std::filesystem::path writeLargeHallOfFame() {
    const auto file = std::filesystem::temp_directory_path() / "tilegames-bench-hallfame.ini";
    std::ofstream out(file, std::ios::binary);
    for (int layout = 1; layout <= 99; ++layout) {
        out << "[Layout " << layout << "]\r\n";
        for (int rank = 1; rank <= 10; ++rank) {
            out << "Name" << rank << "=Player " << rank << "\r\nTime" << rank << "=" << rank * 61 << "\r\n";
        }
    }
    return file;
}

// Reading the whole hall of fame at start-up: 1980 look-ups in one file.
void BM_ReadWholeHallOfFame(benchmark::State& state) {
    const platform::Profile profile(writeLargeHallOfFame());
    for (auto _ : state) {
        int total = 0;
        for (int layout = 1; layout <= 99; ++layout) {
            const std::string section = "Layout " + std::to_string(layout);
            for (int rank = 1; rank <= 10; ++rank) {
                total += profile.readInt(section, "Time" + std::to_string(rank), 0);
                benchmark::DoNotOptimize(profile.readString(section, "Name" + std::to_string(rank), ""));
            }
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ReadWholeHallOfFame)->Unit(benchmark::kMillisecond);

// Saving a settings file of 40 keys: each key its own replacement of the file (0), or all of them
// in one (1).
void BM_SaveFortyKeys(benchmark::State& state) {
    const auto file = std::filesystem::temp_directory_path() / "tilegames-bench-settings.ini";
    std::filesystem::remove(file);
    platform::Profile profile(file);
    const auto writeAll = [](platform::Profile& settings) {
        for (int key = 0; key < 40; ++key) {
            settings.writeInt("Settings", "Key" + std::to_string(key), key * 7);
        }
        return true;
    };
    for (auto _ : state) {
        if (state.range(0) == 1) {
            profile.writeBatch(writeAll);
        } else {
            writeAll(profile);
        }
    }
}
BENCHMARK(BM_SaveFortyKeys)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
