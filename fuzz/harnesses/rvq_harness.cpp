// morvane's game files with their hall of fame: any file reads inside the board, and a game
// written reads back the same.
#include "fuzz/harnesses/harness_support.h"
#include "morvane/game/hall_of_fame.h"
#include "morvane/gamefile/game_file.h"
#include "platform/profile/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = fuzzing::writeInput("game.rvq", data, size);
    const morvane::GameSettings settings = morvane::readGameFile(file, "/opt/morvane");
    FUZZ_CHECK(settings.hlimit >= 0 && settings.hlimit < morvane::kColumns);
    FUZZ_CHECK(settings.vlimit >= 0 && settings.vlimit < morvane::kRows);
    const platform::Profile profile(file);
    const morvane::HallOfFame entries = morvane::readHallOfFame(profile);
    morvane::hallOfFameRows(profile);

    const std::filesystem::path copy = fuzzing::inputFile("copy.rvq");
    if (morvane::writeGameFile(copy, settings)) {
        FUZZ_CHECK(morvane::readGameFile(copy, "/opt/morvane") == settings);
    }
    platform::Profile hallOfFame(copy);
    if (morvane::writeHallOfFame(hallOfFame, entries)) {
        const morvane::HallOfFame again = morvane::readHallOfFame(platform::Profile(copy));
        for (int i = 0; i < morvane::kHallOfFameEntries; ++i) {
            FUZZ_CHECK(again[std::size_t(i)].name.size() == entries[std::size_t(i)].name.size());
        }
    }
    return 0;
}
