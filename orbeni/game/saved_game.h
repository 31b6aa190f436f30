#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orbeni/board/board.h"
#include "orbeni/game/game_clock.h"
#include "orbeni/game/hall_of_fame.h"
#include "orbeni/game/rivers.h"
#include "orbeni/game/solitaire.h"
#include "platform/result.h"

namespace orbeni {

// No saved game comes near this; a larger file is not one.
inline constexpr std::size_t kMaxSavedGameBytes = 32 * 1024;
inline constexpr std::size_t kMaxSavedLayoutNameBytes = 255;

enum class GameKind { Solitaire, Rivers };

// Everything a game needs to be played on exactly where it was left: the board as dealt (which
// holds the layout's every place, so a changed or deleted layout file does not matter), the
// board now, the removed pairs in order, the clock and the generator that later shuffles draw
// from. The selection is not kept.
struct SavedGame {
    GameKind kind = GameKind::Solitaire;
    FreeRule rule = FreeRule::Horizontal;
    // The hall-of-fame slot the game was played for, and the name of its layout in the list,
    // which finds the slot again when the list has changed since.
    int layoutSlot = 0;
    std::string layoutName;
    int tilesTotal = 0;
    int tilesLeft = 0;
    Board dealtBoard;
    Board board;
    // The removed tiles in removal order, two by two, with the places they had.
    std::vector<HistoryEntry> removed;
    std::uint32_t playedMilliseconds = 0;
    int penaltySeconds = 0;
    bool paused = false;
    int hintIndex = 0;
    int hintTileA = 0;
    int hintTileB = 0;
    std::uint32_t generatorSeed = 0;
};

// A layout's name as the file keeps it: on one line, control characters made '?', and cut to
// the length the file allows.
std::string oneLineName(std::string_view name);

// Why a saved game cannot be played on (wrong tile count, a tile twice or missing, a place off
// the dealt layout, a removed pair that does not match, a clock past the limit); none when it
// can.
std::optional<std::string> savedGameProblem(const SavedGame& game);

// The text of the saved-game file.
std::string writeSavedGame(const SavedGame& game);
// Reads a saved-game file whole and checks it; the reason when it is damaged or not one.
platform::Result<SavedGame> readSavedGame(std::string_view text);

}  // namespace orbeni
