#pragma once

#include <array>
#include <string>
#include <string_view>

#include "morvane/game/board.h"
#include "morvane/game/game_settings.h"

namespace morvane {

enum class MessageIcon { None, Exclamation };
enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };
enum class TileRepaint { Removed, Restored };
enum class WonChoice { Ok, ViewHallOfFame };

// One row of the hall-of-fame dialog, ready to show; an empty name is a blank row.
struct HallOfFameRow {
    std::string name;
    std::string time;
    std::string authentication;
};
using HallOfFameRows = std::array<HallOfFameRow, 10>;

// What the game asks of its window. Positions are board positions; the window turns them into
// pixels at its current scale.
class Host {
public:
    virtual ~Host() = default;

    // Plays the wave file of a slot at once, cutting off the one playing; a missing file is silent.
    virtual void playSound(SoundSlot slot, const std::string& file) = 0;
    // Inverts the face of a tile: shows or hides the selection mark.
    virtual void toggleHighlight(const Position& tile) = 0;
    virtual void repaintTile(const Position& tile, TileRepaint kind) = 0;
    // Repaints the design-grid area around a space anchored at grid cell (column, row).
    virtual void repaintDesignCell(int column, int row) = 0;
    virtual void repaintAll() = 0;
    // Makes the tile images come from a bitmap file, or the built-in picture for "DEFAULT"; a file
    // that cannot be read leaves the old picture in place.
    virtual void loadTileBitmap(const std::string& path) = 0;

    virtual MessageAnswer messageBox(std::string_view text, std::string_view caption, MessageIcon icon,
                                     MessageButtons buttons) = 0;
    // The "Congratulations" prompt of a new hall-of-fame entry; the name typed, possibly empty.
    virtual std::string askWinnerName() = 0;
    // The "Congratulations" dialog of a win too slow for the hall of fame.
    virtual WonChoice showWonDialog(std::string_view time) = 0;
    virtual void showHallOfFame(const HallOfFameRows& rows) = 0;

    // The one-second clock timer; every tick comes back as Game::tick().
    virtual void startClock() = 0;
    virtual void stopClock() = 0;
};

}  // namespace morvane
