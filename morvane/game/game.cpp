#include "morvane/game/game.h"

#include <system_error>

#include "morvane/game/deal.h"
#include "morvane/game/free_rule.h"
#include "morvane/game/hall_of_fame.h"
#include "morvane/game/program_info.h"
#include "morvane/game/sounds.h"
#include "morvane/game/tile_set.h"
#include "morvane/gamefile/game_file.h"
#include "platform/profile/profile.h"

namespace morvane {

namespace {

constexpr const char* kTemporaryGameFile = "temp.rvq";

}  // namespace

Game::Game(Host& host, std::filesystem::path programFolder)
    : m_host(host), m_programFolder(std::move(programFolder)) {}

void Game::start(const std::filesystem::path& commandLineGame) {
    if (commandLineGame.empty()) {
        resetToDefaultGame();
    } else {
        readGameFile(commandLineGame);
    }
    resetPlay();
    clearBookmarks();
    m_host.startClock();
}

// Replaces the settings by the file's, and the tile picture when the file names another one.
void Game::applyGameFile(const std::filesystem::path& file, const std::filesystem::path& gameFolder) {
    m_settings = morvane::readGameFile(file, m_programFolder);
    m_gameFolder = gameFolder;
    refuseUndealableTileSet();
    m_host.loadTileBitmap(besideGame(m_settings.bitmapPath));
    m_numberOfTiles = countTiles(m_settings.tileSet);
}

void Game::readGameFile(const std::filesystem::path& file) {
    readGameFileFrom(file, file.parent_path());
}

void Game::readGameFileFrom(const std::filesystem::path& file, const std::filesystem::path& gameFolder) {
    applyGameFile(file, gameFolder);
    m_gameName = file.string();
    resetPlay();
    dealNewGame();
    m_host.startClock();
    m_host.repaintAll();
}

bool Game::loadGame(const std::filesystem::path& file) {
    if (const std::optional<std::string> problem = gameFileProblem(file)) {
        m_host.messageBox("Cannot load the game " + file.string() + ": " + *problem + ".", kApplicationTitle,
                          MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    readGameFile(file);
    clearBookmarks();
    return true;
}

void Game::resetToDefaultGame() {
    m_settings.layoutIsDefault = true;
    buildBuiltInLayout(m_settings);
    m_settings.soundsAreDefault = true;
    applyBuiltInSounds(m_settings, m_programFolder);
    m_settings.bitmapIsDefault = true;
    m_settings.tileSetIsDefault = true;
    applyBuiltInTileSet(m_settings);
    m_settings.rules = MoveRules{};
    m_gameFolder.clear();
    m_host.loadTileBitmap(m_settings.bitmapPath);
    m_numberOfTiles = countTiles(m_settings.tileSet);
    m_gameName = kDefaultName;
    dealNewGame();
}

// Deals the current layout; a pool that runs dry is told and leaves the start board as it was.
void Game::dealNewGame() {
    m_tilesLeft = m_numberOfTiles;
    if (deal(m_settings.layout, m_settings.tileSet, m_random, m_play) == DealOutcome::Dealt) {
        m_start = m_play;
    } else {
        m_host.messageBox(kInsufficientTilesText, kApplicationTitle, MessageIcon::Exclamation,
                          MessageButtons::Ok);
    }
}

void Game::newGame() {
    resetPlay();
    dealNewGame();
    clearBookmarks();
    m_host.startClock();
    m_host.repaintAll();
}

void Game::restartGame() {
    resetPlay();
    m_tilesLeft = m_numberOfTiles;
    clearBookmarks();
    m_play = m_start;
    m_host.startClock();
    m_host.repaintAll();
}

void Game::defaultGame() {
    m_design.leave();
    resetToDefaultGame();
    resetPlay();
    clearBookmarks();
    m_host.repaintAll();
    m_host.startClock();
}

void Game::setSettings(const GameSettings& settings) {
    m_settings = settings;
    if (m_settings.layoutIsDefault) {
        buildBuiltInLayout(m_settings);
    }
    refuseUndealableTileSet();
    m_numberOfTiles = countTiles(m_settings.tileSet);
    m_design.countLayoutSpaces();
    m_host.repaintAll();
}

// Replaces groups whose codes would not fit a byte, or too many tiles for the pool, by the
// built-in groups, and tells the player why.
void Game::refuseUndealableTileSet() {
    const std::optional<std::string> problem = tileSetProblem(m_settings.tileSet);
    if (!problem) {
        return;
    }
    m_settings.tileSetIsDefault = true;
    m_settings.tileSet = builtInTileSet();
    const std::string text = *problem + ": the built-in tile set is used instead.";
    m_host.messageBox(text, kApplicationTitle, MessageIcon::Exclamation, MessageButtons::Ok);
}

// Starts a position afresh: nothing selected or shown, no history, the clock at 0.
void Game::resetPlay() {
    clearSelection();
    m_moveCount = 0;
    m_moves.stop();
    m_elapsedSeconds = 0;
}

void Game::clearSelection() {
    m_first = kNoPosition;
    m_second = kNoPosition;
}

void Game::clearBookmarks() {
    m_bookmarks.fill(-1);
}

bool Game::isFreeTile(const Position& tile) const {
    return isFree(m_play, tile, m_settings.rules, m_settings.hlimit, m_settings.vlimit);
}

void Game::playSound(SoundSlot slot) {
    if (m_soundOn) {
        m_host.playSound(slot, besideGame(m_settings.sound(slot)));
    }
}

// A bitmap or sound named without a folder is looked for beside the game file first, so that a
// game keeps its pictures and sounds wherever it is loaded from; otherwise the name stands as
// the file gives it.
std::string Game::besideGame(const std::string& file) const {
    const std::filesystem::path name(file);
    if (m_gameFolder.empty() || name.empty() || !name.is_relative() || file == kDefaultName) {
        return file;
    }
    std::error_code error;
    const std::filesystem::path beside = m_gameFolder / name;
    return std::filesystem::exists(beside, error) ? beside.string() : file;
}

void Game::enterDesignMode() {
    if (!m_design.active() && !m_moves.active()) {
        m_design.enter();
    }
}

bool Game::saveGame(const std::filesystem::path& file) {
    recomputeLimits(m_settings);
    if (writeGameFile(file, m_settings)) {
        return true;
    }
    m_host.messageBox("The game could not be saved to " + file.string(), kApplicationTitle,
                      MessageIcon::Exclamation, MessageButtons::Ok);
    return false;
}

// Writes the design to the work file in the current folder, else in the settings folder; empty
// when neither can be written.
std::filesystem::path Game::writeTemporaryGame() {
    const std::filesystem::path places[] = {
        std::filesystem::path(".") / kTemporaryGameFile,
        platform::Profile(kTemporaryGameFile, kSettingsFolderName).path()};
    for (const std::filesystem::path& place : places) {
        if (writeGameFile(place, m_settings)) {
            return place;
        }
    }
    return {};
}

void Game::exitDesignMode() {
    if (!m_design.active()) {
        return;
    }
    if (const std::optional<std::string> warning = m_design.tileCountWarning();
        warning && m_host.messageBox(*warning, "Warning", MessageIcon::None, MessageButtons::OkCancel) ==
                       MessageAnswer::Cancel) {
        return;
    }
    m_design.leave();
    recomputeLimits(m_settings);
    const std::filesystem::path file = writeTemporaryGame();
    if (!file.empty()) {
        // The design keeps the pictures and sounds of the game it was made from.
        readGameFileFrom(file, m_gameFolder);
    } else {
        // Nowhere to write: the design in memory is what the file would have given back.
        newGame();
    }
    clearBookmarks();
    m_gameName.clear();
}

}  // namespace morvane
