// orbeni's Hallfame.ini: any file loads, and what is saved loads back the same.
#include <memory>

#include "fuzz/harnesses/harness_support.h"
#include "orbeni/game/hall_of_fame.h"
#include "platform/profile/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = fuzzing::writeInput("Hallfame.ini", data, size);
    const platform::Profile profile(file);
    // The layout list is made of the file's own section names, as a player's may be.
    std::vector<std::string> listNames = profile.sections();
    listNames.resize(std::min<std::size_t>(listNames.size(), 5));
    // On the heap: clang 14 crashes building the ten-by-101 table's constructor on the stack.
    const auto hallOfFame = std::make_unique<orbeni::HallOfFame>();
    hallOfFame->load(profile, listNames);

    const std::filesystem::path copy = fuzzing::inputFile("copy.ini");
    std::filesystem::remove(copy);
    platform::Profile saved(copy);
    if (hallOfFame->save(saved, listNames)) {
        const auto again = std::make_unique<orbeni::HallOfFame>();
        again->load(platform::Profile(copy), listNames);
        for (int slot = 1; slot <= static_cast<int>(listNames.size()); ++slot) {
            for (int rank = 1; rank <= 10; ++rank) {
                FUZZ_CHECK(again->entry(slot, rank) == hallOfFame->entry(slot, rank));
            }
        }
    }
    return 0;
}
