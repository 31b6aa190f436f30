#include <gtest/gtest.h>

#include <filesystem>

#include "game_fixture.h"
#include "orbeni/layouts/layout_editor.h"
#include "orbeni/layouts/layout_file.h"
#include "test_layouts.h"

namespace orbeni {
namespace {

// An editor over a game whose current layout is a pyramid file of its own.
struct EditorFixture : test::GameFixture {
    EditorFixture() {
        std::filesystem::create_directories(folder);
        EXPECT_TRUE(writeLayFile(folder / "Pyramid.lay", "Pyramid", test::pyramidLayout()));
        EXPECT_TRUE(menu.build(folder, 1));
        menu.loadCurrent(LayoutLoad::StartUp);
    }
    ~EditorFixture() { std::filesystem::remove_all(folder); }

    // Releases a mouse button over the part of a place's picture that no place to its left or
    // below shares.
    void clickPlace(Position p, MouseButton button = MouseButton::Left) {
        editor.ButtonDown(button, kBoardOffsetX + 20 * p.x + 6 * p.z - 52 + 30,
                          kBoardOffsetY + 25 * p.y - 6 * p.z - 59 + 10);
    }

    // A folder of each test's own: tests run side by side.
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("orbeni-test-editor-" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    LayoutMenu menu{game, host};
    LayoutEditor editor{game, host, menu};
};

TEST(LayoutEditor, PlacingNeedsSupportAndRemovingLeavesCoveredTiles) {
    EditorFixture fixture;
    fixture.editor.CreateLayout1Click();
    EXPECT_TRUE(fixture.game.EditorMode());
    EXPECT_EQ(fixture.editor.EditorTilesLeft(), 144);
    EXPECT_EQ(fixture.menu.currentName(), "New Layout");

    fixture.clickPlace({5, 5, 1});
    fixture.clickPlace({7, 5, 1});
    fixture.clickPlace({12, 5, 1});
    EXPECT_EQ(fixture.editor.EditorTilesLeft(), 141);
    EXPECT_EQ(fixture.game.layoutTemplate().at(5, 5, 1), 1);
    EXPECT_EQ(fixture.game.board().position(1), (Position{5, 5, 1}));

    EXPECT_EQ(fixture.editor.previewAt(125, 74), (Position{6, 5, 2}));   // over both halves
    EXPECT_EQ(fixture.editor.previewAt(250, 74), (Position{14, 5, 1}));  // half over one: not carried
    fixture.editor.ButtonDown(MouseButton::Left, kBoardOffsetX + 125, kBoardOffsetY + 74);
    EXPECT_EQ(fixture.game.layoutTemplate().at(6, 5, 2), 1);

    // On tile (5, 5, 1) left of the picture of the layer-2 tile that covers its right half.
    fixture.editor.ButtonDown(MouseButton::Right, kBoardOffsetX + 60, kBoardOffsetY + 70);
    EXPECT_EQ(fixture.game.layoutTemplate().at(5, 5, 1), 1);
    fixture.clickPlace({12, 5, 1}, MouseButton::Right);
    EXPECT_EQ(fixture.game.layoutTemplate().at(12, 5, 1), 0);
    EXPECT_EQ(fixture.editor.EditorTilesLeft(), 141);
}

TEST(LayoutEditor, MovesShiftEverythingUnlessAnEdgeIsUsed) {
    EditorFixture fixture;
    fixture.editor.Editlayout1Click();
    EXPECT_EQ(fixture.editor.EditorTilesLeft(), 0);
    // The pyramid touches column 1 and row 1.
    fixture.editor.Movetoleft1Click();
    fixture.editor.Movetotop1Click();
    EXPECT_EQ(fixture.game.layoutTemplate().at(1, 1, 1), 1);
    fixture.editor.Movetoright1Click();
    fixture.editor.Movetobottom1Click();
    EXPECT_EQ(fixture.game.layoutTemplate().at(1, 1, 1), 0);
    EXPECT_EQ(fixture.game.layoutTemplate().at(2, 2, 1), 1);
    EXPECT_EQ(fixture.game.layoutTemplate().at(10, 6, 5), 1);  // the top layer moved as well
    EXPECT_EQ(fixture.game.layoutTemplate().positionCount(), 144);
    const int tile = fixture.game.board().cell(2, 2, 1);
    ASSERT_NE(tile, 0);
    EXPECT_EQ(fixture.game.board().position(tile), (Position{2, 2, 1}));
    fixture.editor.Movetoleft1Click();
    EXPECT_EQ(fixture.game.layoutTemplate().at(1, 2, 1), 1);
    EXPECT_EQ(fixture.editor.EditorTilesLeft(), 0);
}

TEST(LayoutEditor, LeavingNeedsAFinishedLayoutAndExitReloadsTheFile) {
    EditorFixture fixture;
    fixture.editor.Editlayout1Click();
    fixture.clickPlace({10, 5, 5}, MouseButton::Right);
    ASSERT_EQ(fixture.editor.EditorTilesLeft(), 1);
    fixture.editor.SaveandexitClick(EditorExit::TryIt, "Changed");
    EXPECT_EQ(fixture.host.count("ask Orbeni: You haven't finished building the layout yet !"), 1);
    EXPECT_TRUE(fixture.game.EditorMode());

    fixture.editor.Cancel2Click();
    EXPECT_FALSE(fixture.game.EditorMode());
    EXPECT_EQ(fixture.game.layoutTemplate().positionCount(), 144);

    fixture.editor.Editlayout1Click();
    fixture.editor.Movetoright1Click();
    const auto before = std::filesystem::last_write_time(fixture.folder / "Pyramid.lay");
    fixture.editor.SaveandexitClick(EditorExit::TryIt, "Moved");
    EXPECT_FALSE(fixture.game.EditorMode());
    EXPECT_EQ(std::filesystem::last_write_time(fixture.folder / "Pyramid.lay"), before);
    EXPECT_EQ(fixture.game.layoutTemplate().at(2, 1, 1), 1);
    EXPECT_EQ(fixture.game.TilesLeft(), 144);
    EXPECT_FALSE(fixture.game.GameStopped());

    fixture.editor.Editlayout1Click();
    fixture.editor.SaveandexitClick(EditorExit::Save, "Moved");
    const auto saved = readLayFile(fixture.folder / "Pyramid.lay");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved.value().name, "Moved");
    EXPECT_EQ(saved.value().layout.at(2, 1, 1), 1);
}

// Fills the editor's board with the pyramid, place by place.
void buildPyramid(EditorFixture& fixture) {
    const LayoutTemplate pyramid = test::pyramidLayout();
    for (int z = 1; z <= kLayers; ++z) {
        for (int y = 1; y <= kRows; ++y) {
            for (int x = 1; x <= kColumns; ++x) {
                if (pyramid.at(x, y, z) != 0) {
                    fixture.game.layoutTemplate().set(x, y, z, 1);
                }
            }
        }
    }
}

TEST(LayoutEditor, AnEditorBoardIsNeverAWonGame) {
    for (const bool creating : {true, false}) {
        EditorFixture fixture;
        fixture.game.loadHallOfFame(fixture.folder / "Hallfame.ini", {"Pyramid"});
        fixture.game.BeginGame();
        creating ? fixture.editor.CreateLayout1Click() : fixture.editor.Editlayout1Click();
        EXPECT_EQ(fixture.game.statusMessage().text(), "      ");
        fixture.editor.Cancel2Click();
        EXPECT_FALSE(fixture.game.EditorMode());
        EXPECT_TRUE(fixture.game.GameStopped());
        fixture.clickPlace({1, 1, 1});
        fixture.game.ButtonDown(MouseButton::Left, kBoardOffsetX + 30, kBoardOffsetY + 30);
        fixture.runClockTo(5000);
        EXPECT_FALSE(fixture.game.BoardFinished()) << creating;
        EXPECT_EQ(fixture.host.count("ask You made a high score !"), 0) << creating;
        EXPECT_EQ(fixture.host.count("ask Board finished"), 0) << creating;
        EXPECT_EQ(fixture.game.hallOfFame().entry(1, 1), HallOfFame::defaultEntry(1));
        EXPECT_EQ(fixture.game.layoutTemplate().positionCount(), 144);
    }
}

TEST(LayoutEditor, ANewLayoutIsSavedToAFileOfItsOwn) {
    EditorFixture fixture;
    const auto pyramidBefore = std::filesystem::last_write_time(fixture.folder / "Pyramid.lay");
    fixture.editor.CreateLayout1Click();
    buildPyramid(fixture);
    fixture.editor.Movetoright1Click();

    fixture.host.saveAnswer = std::nullopt;
    fixture.editor.SaveandexitClick(EditorExit::Save, "Fresh");
    EXPECT_EQ(fixture.host.count("save dialog"), 1);
    EXPECT_TRUE(fixture.game.EditorMode());  // nothing written: the editor stays open
    EXPECT_EQ(fixture.menu.currentPath(), fixture.folder / "Pyramid.lay");

    fixture.host.saveAnswer = (fixture.folder / "Missing" / "Fresh.lay").string();
    fixture.editor.SaveandexitClick(EditorExit::Save, "Fresh");
    EXPECT_EQ(fixture.host.count("ask Error"), 1) << ::testing::PrintToString(fixture.host.calls);
    EXPECT_TRUE(fixture.game.EditorMode());
    EXPECT_EQ(fixture.game.layoutTemplate().at(2, 1, 1), 1);

    // Tried first, then edited again: "Save" still asks for a file of its own.
    fixture.editor.SaveandexitClick(EditorExit::TryIt, "Fresh");
    EXPECT_EQ(fixture.game.currentLayout(), 0);
    fixture.editor.Editlayout1Click();
    fixture.host.saveAnswer = (fixture.folder / "Fresh").string();
    fixture.editor.SaveandexitClick(EditorExit::Save, "Fresh");
    EXPECT_EQ(fixture.host.count("save dialog"), 3);
    EXPECT_FALSE(fixture.game.EditorMode());
    EXPECT_EQ(std::filesystem::last_write_time(fixture.folder / "Pyramid.lay"), pyramidBefore);
    ASSERT_TRUE(std::filesystem::exists(fixture.folder / "Fresh.lay"));
    EXPECT_EQ(fixture.menu.list().count(), 2);
    EXPECT_EQ(fixture.game.currentLayout(), 2);
    EXPECT_EQ(fixture.game.hallOfFame().entry(2, 1), HallOfFame::defaultEntry(1));
}

TEST(LayoutEditor, AFullListIsSaidAndTheLayoutNumberStaysRight) {
    EditorFixture fixture;
    for (int n = 2; n <= kMaxLayoutEntries; ++n) {
        ASSERT_TRUE(
            writeLayFile(fixture.folder / ("L" + std::to_string(n) + ".lay"), "L", test::pyramidLayout()));
    }
    ASSERT_TRUE(fixture.menu.build(fixture.folder, 1));
    ASSERT_EQ(fixture.menu.list().count(), kMaxLayoutEntries);
    const int current = fixture.game.currentLayout();
    fixture.editor.CreateLayout1Click();
    buildPyramid(fixture);
    fixture.host.saveAnswer = (fixture.folder / "Hundredth.lay").string();
    fixture.editor.SaveandexitClick(EditorExit::SaveAs, "Hundredth");
    EXPECT_EQ(fixture.host.count("ask Layout: The layout list is full"), 1);
    EXPECT_FALSE(std::filesystem::exists(fixture.folder / "Hundredth.lay"));
    EXPECT_TRUE(fixture.game.EditorMode());
    EXPECT_EQ(fixture.game.currentLayout(), current);

    // Tried unsaved, it is a layout of no list entry: its games enter no hall of fame.
    fixture.editor.SaveandexitClick(EditorExit::TryIt, "Hundredth");
    EXPECT_FALSE(fixture.game.EditorMode());
    EXPECT_EQ(fixture.game.currentLayout(), 0);
    EXPECT_FALSE(fixture.game.hallOfFame().qualifies(fixture.game.currentLayout(), 1));
    fixture.menu.LoadlayoutClick(1);
    fixture.game.BeginGame();
    EXPECT_EQ(fixture.game.currentLayout(), 1);
}

TEST(LayoutEditor, ATemplateOfMoreThan144PlacesKeepsTheEditorClosed) {
    EditorFixture fixture;
    fixture.game.BeginGame();
    const Board dealt = fixture.game.board();
    test::addBlock(fixture.game.layoutTemplate(), 1, 25, 1, 4, 1);
    ASSERT_EQ(fixture.game.layoutTemplate().positionCount(), 148);
    fixture.editor.Editlayout1Click();
    EXPECT_EQ(fixture.host.count("ask Layout: This layout has 148 tile positions"), 1);
    EXPECT_FALSE(fixture.game.EditorMode());
    EXPECT_GE(fixture.editor.EditorTilesLeft(), 0);
    EXPECT_TRUE(fixture.game.board() == dealt);
}

}  // namespace
}  // namespace orbeni
