// orbeni's Orbeni.sav: any file reads whole or is refused with a reason, and a game read writes
// back the same bytes and can be played on.
#include <memory>
#include <string_view>

#include "fuzz/harnesses/harness_support.h"
#include "orbeni/game/game.h"
#include "orbeni/game/saved_game.h"
#include "orbeni/tests/recording_host.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = orbeni::readSavedGame(text);
    if (!read) {
        FUZZ_CHECK(!read.error().empty());
        return 0;
    }
    const std::string written = orbeni::writeSavedGame(read.value());
    const auto again = orbeni::readSavedGame(written);
    FUZZ_CHECK(again && orbeni::writeSavedGame(again.value()) == written);

    // On the heap: the game holds the hall-of-fame table, too large for the fuzzer's stack.
    orbeni::test::RecordingHost host;
    const auto game = std::make_unique<orbeni::Game>(host);
    FUZZ_CHECK(game->resumeGame(read.value()));
    // A resumed board already empty is won at once; any other game saves again as it was.
    const auto saved = game->savedGame();
    FUZZ_CHECK(game->BoardFinished() || (saved && saved->board == read.value().board &&
                                         saved->removed.size() == read.value().removed.size()));
    game->Hint();
    game->Shuffle1Click();
    game->Back();
    game->Restart();
    return 0;
}
