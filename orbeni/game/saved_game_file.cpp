#include "orbeni/game/saved_game_file.h"

#include <system_error>

#include "orbeni/game/game.h"
#include "orbeni/game/saved_game.h"
#include "platform/profile/settings_folder.h"

namespace orbeni {

namespace {

// Reads the saved game of a file; one too large to be a saved game is not read at all.
platform::Result<SavedGame> readSavedGameFile(const std::filesystem::path& file) {
    using Failure = platform::Result<SavedGame>;
    std::error_code error;
    if (std::filesystem::is_regular_file(file, error) &&
        std::filesystem::file_size(file, error) > kMaxSavedGameBytes) {
        return Failure::failure("the file is too large to be a saved game");
    }
    const std::optional<std::string> bytes = platform::readFileGuarded(file);
    if (!bytes) {
        return Failure::failure("the file cannot be read");
    }
    return readSavedGame(*bytes);
}

}  // namespace

ResumeOutcome SavedGameFile::resume(Game& game) {
    std::error_code error;
    if (!std::filesystem::exists(m_file, error)) {
        return ResumeOutcome::NoSavedGame;
    }
    const platform::Result<SavedGame> saved = readSavedGameFile(m_file);
    if (saved && game.resumeGame(saved.value())) {
        m_resumedDeal = game.dealNumber();
        return ResumeOutcome::Resumed;
    }
    game.BeginGame();
    game.ShowStatus("The saved game could not be resumed: " + saved.error() + ".");
    return ResumeOutcome::Refused;
}

void SavedGameFile::follow(const Game& game) {
    if (!m_resumedDeal) {
        return;
    }
    if (game.GameStopped() || game.BoardFinished() || game.EditorMode() ||
        game.dealNumber() != *m_resumedDeal) {
        remove();
    }
}

bool SavedGameFile::keep(const Game& game) {
    if (const std::optional<SavedGame> saved = game.savedGame()) {
        m_resumedDeal.reset();
        return platform::writeFileAtomically(m_file, writeSavedGame(*saved));
    }
    return remove();
}

// A file that could not be read is left alone: it may hold a game this run could not see.
bool SavedGameFile::remove() {
    m_resumedDeal.reset();
    if (platform::isUnreadableFile(m_file)) {
        return false;
    }
    std::error_code error;
    std::filesystem::remove(m_file, error);
    return !error;
}

}  // namespace orbeni
