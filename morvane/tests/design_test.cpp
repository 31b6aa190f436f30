#include <fstream>

#include "game_fixture.h"
#include "morvane/game/layout.h"

namespace morvane {
namespace {

class DesignTest : public GameTest {
protected:
    void SetUp() override {
        game.start({});
        game.enterDesignMode();
        game.design().clear();
    }
    const Board& layout() const { return game.settings().layout; }
};

TEST_F(DesignTest, InsertStacksOnWhatItOverlapsUpToTheTopLayer) {
    for (int click = 0; click < 10; ++click) {
        game.design().click(5, 5, MouseButton::Left);
    }
    for (int z = 0; z < kLayers; ++z) {
        EXPECT_EQ(layout().at(5, 5, z), 1) << z;
    }
    EXPECT_EQ(game.design().spaceCount(), 8);
    EXPECT_EQ(game.design().moveCursor(5, 5).height, 8);

    struct Case {
        int column;
        int row;
        int layer;
    };
    const Case cases[] = {{7, 7, 0}, {8, 8, 1}, {9, 7, 2}, {12, 12, 0}, {0, 0, 0}, {38, 38, 0}};
    for (const Case& c : cases) {
        game.design().click(c.column, c.row, MouseButton::Left);
        EXPECT_EQ(layout().at(c.column, c.row, c.layer), 1) << c.column << "," << c.row;
    }
    game.design().click(39, 5, MouseButton::Left);
    game.design().click(5, 39, MouseButton::Left);
    EXPECT_EQ(countSpaces(layout()), 14);
    EXPECT_EQ(game.design().spaceCount(), 14);
    EXPECT_FALSE(game.settings().layoutIsDefault);
}

TEST_F(DesignTest, RemoveTakesTheTopSpaceAnchoredThere) {
    game.design().click(5, 5, MouseButton::Left);
    game.design().click(5, 5, MouseButton::Left);
    host.calls.clear();
    game.design().click(6, 5, MouseButton::Right);  // the right half of the space: nothing
    EXPECT_TRUE(host.calls.empty());
    game.design().setTool(DesignTool::Remove);
    game.design().click(5, 5, MouseButton::Left);
    EXPECT_EQ(layout().at(5, 5, 1), 0);
    EXPECT_EQ(layout().at(5, 5, 0), 1);
    game.design().click(5, 5, MouseButton::Right);  // the other action: insert
    EXPECT_EQ(layout().at(5, 5, 1), 1);
    EXPECT_EQ(game.design().spaceCount(), 2);
    EXPECT_EQ(host.calls.back(), "design cell 5,5");
}

TEST_F(DesignTest, CursorIsClippedToTheGrid) {
    game.design().click(38, 0, MouseButton::Left);
    EXPECT_EQ(game.design().moveCursor(38, -4).height, 1);
    EXPECT_EQ(game.design().cursorText(), "38 - 00 - 01");
    game.design().moveCursor(120, 45);
    EXPECT_EQ(game.design().cursorText(), "39 - 39 - 00");
}

TEST_F(DesignTest, ExitWarnsOfUnbalancedLayoutsAndCancelStays) {
    GameSettings settings = game.settings();
    buildBuiltInLayout(settings);
    settings.layout.set(36, 30, 0, 1);
    settings.layout.set(36, 34, 0, 1);
    game.setSettings(settings);
    host.answers.push_back(MessageAnswer::Cancel);
    game.exitDesignMode();
    EXPECT_TRUE(game.design().active());
    EXPECT_EQ(host.messages.back(), "Warning: Not enough tiles: 144 tiles, 146 spaces");

    game.exitDesignMode();
    EXPECT_FALSE(game.design().active());
    EXPECT_EQ(host.messages.back(), "Morvane: Insufficient tiles defined for layout!!");
    EXPECT_TRUE(std::filesystem::exists(home.folder() / "temp.rvq"));
    EXPECT_EQ(game.gameName(), "");
    EXPECT_EQ(game.settings().hlimit, 36);

    game.enterDesignMode();
    game.design().clear();
    game.design().click(3, 3, MouseButton::Left);
    host.answers.push_back(MessageAnswer::Cancel);
    game.exitDesignMode();
    EXPECT_EQ(host.messages.back(), "Warning: Too Many tiles: 144 tiles, 1 spaces");
}

TEST_F(DesignTest, ExitDealsTheNewLayoutFromTheWorkFile) {
    GameSettings settings = rowGame(4, kLiftOnly);
    settings.layout.clear();
    game.setSettings(settings);
    for (int column : {4, 6, 8, 10}) {
        game.design().click(column, 2, MouseButton::Left);
    }
    host.messages.clear();
    game.tick();
    game.exitDesignMode();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(game.tilesLeft(), 4);
    EXPECT_EQ(game.elapsedSeconds(), 0);
    EXPECT_NE(game.playBoard().at(4, 2, 0), 0);
    EXPECT_EQ(game.settings().hlimit, 10);
    EXPECT_EQ(game.settings().vlimit, 2);
    EXPECT_EQ(game.settings().rules, kLiftOnly);
}

TEST_F(DesignTest, SaveWritesTheDesignWithoutRenamingTheGame) {
    game.design().click(20, 10, MouseButton::Left);
    const std::filesystem::path file = home.folder() / "saved.rvq";
    ASSERT_TRUE(game.saveGame(file));
    EXPECT_EQ(game.gameName(), "DEFAULT");
    const GameSettings saved = readGameFile(file, "/opt");
    EXPECT_EQ(saved.layout, game.settings().layout);
    EXPECT_EQ(saved.hlimit, 20);
    std::ofstream(home.folder() / "plain") << "not a folder";
    EXPECT_FALSE(game.saveGame(home.folder() / "plain" / "x.rvq"));
    EXPECT_EQ(host.messages.back().rfind("Morvane: The game could not be saved to ", 0), 0u);
}

TEST_F(DesignTest, WorkFileFallsBackToTheSettingsFolder) {
    std::filesystem::create_directory(home.folder() / "temp.rvq");  // the current folder's name is taken
    game.design().click(4, 4, MouseButton::Left);
    game.exitDesignMode();
    EXPECT_TRUE(std::filesystem::is_regular_file(home.folder() / "config" / "morvane" / "temp.rvq"));
    EXPECT_EQ(game.settings().hlimit, 4);
    EXPECT_EQ(game.gameName(), "");
}

}  // namespace
}  // namespace morvane
