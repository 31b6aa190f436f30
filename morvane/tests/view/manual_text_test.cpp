#include "morvane/view/manual_text.h"

#include <gtest/gtest.h>

#include <fstream>

#include "morvane/game/layout.h"
#include "morvane/game/tile_set.h"
#include "morvane/gamefile/game_file.h"
#include "morvane/tests/recording_host.h"

namespace morvane {
namespace {

// The example game file of the manual, written out as a player would copy it, loads as a game
// whose tiles fill its spaces.
TEST(ManualTextTest, TheExampleIsAGameThatDeals) {
    const std::string html = manualHtml();
    const std::size_t start = html.find("<pre>");
    const std::size_t end = html.find("</pre>");
    ASSERT_NE(start, std::string::npos);
    ASSERT_GT(end, start);
    TemporaryHome home;
    const std::filesystem::path file = home.folder() / "ROW.RVQ";
    std::ofstream(file) << html.substr(start + 5, end - start - 5);

    EXPECT_FALSE(gameFileProblem(file).has_value());
    const GameSettings game = readGameFile(file, home.folder().string());
    EXPECT_EQ(countSpaces(game.layout), 8);
    EXPECT_EQ(countTiles(game.tileSet), 8);
    EXPECT_TRUE(game.bitmapIsDefault && game.soundsAreDefault && !game.layoutIsDefault);
    EXPECT_EQ(game.rules, (MoveRules{true, true, false, false, false}));
}

}  // namespace
}  // namespace morvane
