#pragma once

#include <utility>
#include <vector>

#include "orbeni/game/game.h"
#include "recording_host.h"

namespace orbeni::test {

struct PlacedTile {
    int tile;
    Position place;
};

// A game whose board the test lays out tile by tile, dealt as a game of that many positions.
struct GameFixture {
    RecordingHost host;
    Game game{host};

    void layOut(const std::vector<PlacedTile>& tiles) {
        game.layoutTemplate().clear();
        for (const auto& placed : tiles) {
            game.layoutTemplate().set(placed.place.x, placed.place.y, placed.place.z, 1);
        }
        game.BeginGame();
        game.board().clear();
        for (const auto& placed : tiles) {
            game.board().place(placed.tile, placed.place);
        }
        game.takeBoardAsDealt();
    }

    // Tiles far apart on the table, so that every one is free.
    static std::vector<PlacedTile> singles(const std::vector<int>& tiles) {
        std::vector<PlacedTile> placed;
        for (std::size_t i = 0; i < tiles.size(); ++i) {
            const int index = static_cast<int>(i);
            placed.push_back({tiles[i], {1 + 4 * (index % 8), 1 + 4 * (index / 8), 1}});
        }
        return placed;
    }

    // Releases the mouse over the middle of a tile's face.
    void click(Position p, MouseButton button = MouseButton::Left) {
        game.ButtonDown(button, kBoardOffsetX + 20 * p.x + 6 * p.z - 52 + 26,
                        kBoardOffsetY + 25 * p.y - 6 * p.z - 59 + 25);
    }
    void clickTile(int tile) { click(game.board().position(tile)); }

    // Lets the clock run to `milliseconds` after the deal, as the timer would.
    void runClockTo(std::uint32_t milliseconds) {
        host.tick = 1000 + milliseconds;
        game.Temps();
    }
};

}  // namespace orbeni::test
