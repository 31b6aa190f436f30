#pragma once

#include <vector>

#include "game_fixture.h"
#include "orbeni/game/game_clock.h"
#include "orbeni/game/game_phase.h"
#include "orbeni/game/options.h"
#include "orbeni/game/solitaire.h"
#include "orbeni/game/status_line.h"
#include "recording_host.h"

namespace orbeni::test {

// The game around a clock: the counts it shows are set by the test, and what the clock tells
// the game is counted.
struct CountedGame : TimedGame {
    TileCounts counts{10, 3};
    int countings = 0;
    int emptied = 0;
    int timeUps = 0;

    TileCounts countTiles() override {
        ++countings;
        return counts;
    }
    void boardEmptied() override { ++emptied; }
    void timeIsUp() override { ++timeUps; }
};

// The parts a game's parts are built on, without the game: a running phase the test changes,
// the status line, the clock and the solitaire's board.
struct PartsFixture {
    RecordingHost host;
    Options options;
    GamePhase phase;
    StatusLine status{host};
    CountedGame counted;
    GameClock clock{host, options, phase, status, counted};
    Solitaire play{host, options, phase, status, clock};

    PartsFixture() { phase.setStopped(false); }

    // Lays the tiles out as a deal of that many tiles.
    void layOut(const std::vector<PlacedTile>& tiles) {
        play.board().clear();
        for (const auto& placed : tiles) {
            play.board().place(placed.tile, placed.place);
        }
        play.takeDeal(static_cast<int>(tiles.size()));
    }
    void pickPair(int first, int second) {
        play.pick(first);
        play.pick(second);
    }
};

}  // namespace orbeni::test
