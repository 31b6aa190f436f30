#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "morvane/game/game.h"
#include "morvane/game/tile_set.h"
#include "morvane/gamefile/game_file.h"
#include "recording_host.h"

namespace morvane {

// A game played against a recording host in a temporary folder.
class GameTest : public ::testing::Test {
protected:
    TemporaryHome home;
    RecordingHost host;
    Game game{host, "/opt/morvane"};

    // A game file of tiles in one row, two columns apart, in groups of two individual tiles that
    // match each other; stacked positions can be added.
    static GameSettings rowGame(int tiles, MoveRules rules, std::initializer_list<Position> extra = {}) {
        GameSettings settings;
        int placed = 0;
        for (const Position& p : extra) {
            settings.layout.set(p, 1);
            ++placed;
        }
        for (int x = 0; placed < tiles; x += 2, ++placed) {
            settings.layout.set(x, 0, 0, 1);
        }
        recomputeLimits(settings);
        settings.tileSet.indis = tiles / 2;
        for (int group = 0; group < tiles / 2; ++group) {
            settings.tileSet.sizes[static_cast<std::size_t>(kGroupSlots + group)] = 2;
        }
        settings.sounds = {"select", "deselect", "unfree", "mismatch", "match", "won"};
        settings.rules = rules;
        return settings;
    }

    std::filesystem::path load(const GameSettings& settings, const char* name = "game.rvq") {
        const std::filesystem::path file = home.folder() / name;
        EXPECT_TRUE(writeGameFile(file, settings));
        game.seedRandom(7);
        game.loadGame(file);
        return file;
    }

    std::vector<Position> tiles() const {
        std::vector<Position> all;
        for (int x = 0; x < kColumns; ++x) {
            for (int y = 0; y < kRows; ++y) {
                for (int z = 0; z < kLayers; ++z) {
                    if (game.playBoard().at(x, y, z) != 0) {
                        all.push_back({x, y, z});
                    }
                }
            }
        }
        return all;
    }

    // The first free pair that matches, or that does not match, in board order.
    std::optional<std::pair<Position, Position>> findPair(bool matching) const {
        const std::vector<Position> all = tiles();
        for (std::size_t a = 0; a < all.size(); ++a) {
            for (std::size_t b = a + 1; b < all.size(); ++b) {
                const bool isMatch =
                    match(game.settings().tileSet, game.playBoard().at(all[a]), game.playBoard().at(all[b]));
                if (isMatch == matching && game.isFreeTile(all[a]) && game.isFreeTile(all[b])) {
                    return std::make_pair(all[a], all[b]);
                }
            }
        }
        return std::nullopt;
    }

    void removeAPair() {
        const auto pair = findPair(true);
        ASSERT_TRUE(pair);
        game.playClick(pair->first);
        game.playClick(pair->second);
    }
};

inline constexpr MoveRules kLiftOnly{false, false, false, false, true};
inline constexpr MoveRules kSidesOnly{true, true, false, false, false};

}  // namespace morvane
