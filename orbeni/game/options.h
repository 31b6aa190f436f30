#pragma once

namespace orbeni {

// Every option the menus show as a check mark, with its first-run setting: the one place each
// mark is kept. The game, the board painter, the music and the window read and toggle these
// fields, and "Orbeni.ini" stores them (all but RandomSeed1).
struct Options {
    // The game's
    bool Winnable = false;
    bool Shuffable = true;
    bool RandomSeed1 = false;
    bool Animate = false;
    bool Vertical = false;
    bool showMoves = true;
    bool showTime = true;
    bool coolStatus = true;
    // Sound effects: the game asks for them and the music plays them only while this is on.
    bool playSounds = true;
    bool enableHall = true;
    bool tileRivers = true;
    bool showHallOfFame = true;
    bool neverWarn = false;
    // Says in the status bar when a move leaves a game that can no longer be won.
    bool warnUnwinnable = false;
    // Hint shows a pair whose removal leaves the game winnable, while it still is.
    bool hintsKeepWinnable = false;

    // How the board painter draws tiles (Highlight and View menus)
    bool invertSelection = false;
    bool showCurrentTile = false;
    bool onlyPossibleMoves = false;

    // The music
    bool playMusic = true;
    bool randomMusic = false;
    // "Run music automatically at startup": toggled and stored; nothing else depends on it.
    bool startMusic = true;

    // The window
    bool coolMouse = true;
    bool coolToolbar = true;
    bool showToolbar = true;
    bool showStatus = true;
    // Draws the board as large as the window allows instead of at its own size.
    bool scaleBoard = false;
    bool setRes800 = false;
    bool startDirectly = true;

    bool operator==(const Options&) const = default;
};

}  // namespace orbeni
