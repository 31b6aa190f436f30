#pragma once

namespace orbeni {

// The options the menus show as check marks, with their first-run settings.
struct Options {
    bool Winnable = false;
    bool Shuffable = true;
    bool RandomSeed1 = false;
    bool Animate = false;
    bool Vertical = false;
    bool showMoves = true;
    bool showTime = true;
    bool coolStatus = true;
    bool playSounds = true;
    bool enableHall = true;
    bool tileRivers = true;
    bool showHallOfFame = true;
    bool neverWarn = false;
    // Says in the status bar when a move leaves a game that can no longer be won.
    bool warnUnwinnable = false;

    bool operator==(const Options&) const = default;
};

}  // namespace orbeni
