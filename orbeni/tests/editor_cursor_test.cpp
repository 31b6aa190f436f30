#include "orbeni/layouts/editor_cursor.h"

#include <gtest/gtest.h>

#include "game_fixture.h"
#include "orbeni/layouts/layout_editor.h"

namespace orbeni {
namespace {

// An editor over a layout begun empty, with the keyboard's cursor over its grid.
struct EditorKeys : test::GameFixture {
    EditorKeys() { editor.CreateLayout1Click(); }

    void press(Direction direction, int times = 1, EditorStep step = EditorStep::WholeTile) {
        for (int i = 0; i < times; ++i) {
            cursor.move(direction, step);
        }
    }
    void enter() { editor.placeAt(cursor.placeTarget()); }
    void remove() { editor.removeTile(cursor.topTile()); }

    LayoutMenu menu{game, host};
    LayoutEditor editor{game, host, menu};
    EditorCursor cursor{game.board()};
};

TEST(EditorCursor, ArrowsMoveByWholeOrHalfTilesAndStopAtTheEdge) {
    EditorKeys keys;
    EXPECT_EQ(keys.cursor.markPlace(), Position{});
    keys.cursor.show();
    EXPECT_EQ(keys.cursor.markPlace(), (Position{17, 9, 1})) << "the middle of an empty grid";
    struct Case {
        Direction direction;
        int times;
        EditorStep step;
        Position expected;
    };
    const Case cases[] = {
        {Direction::Right, 1, EditorStep::WholeTile, {19, 9, 1}},
        {Direction::Down, 1, EditorStep::HalfTile, {19, 10, 1}},
        {Direction::Left, 20, EditorStep::WholeTile, {1, 10, 1}},
        {Direction::Up, 20, EditorStep::HalfTile, {1, 1, 1}},
        {Direction::Right, 17, EditorStep::WholeTile, {kColumns, 1, 1}},
        {Direction::Down, 10, EditorStep::WholeTile, {kColumns, kRows, 1}},
    };
    for (const Case& c : cases) {
        keys.press(c.direction, c.times, c.step);
        EXPECT_EQ(keys.cursor.markPlace(), c.expected);
    }
}

TEST(EditorCursor, EnterPlacesWhereTheLayersCarryAndDeleteTakesTheTopTile) {
    EditorKeys keys;
    keys.cursor.show();
    keys.press(Direction::Left, 6);  // (5, 9)
    keys.enter();
    keys.press(Direction::Right);  // (7, 9)
    keys.enter();
    EXPECT_EQ(keys.editor.EditorTilesLeft(), 142);
    EXPECT_EQ(keys.cursor.markPlace(), (Position{7, 9, 1})) << "on the tile just placed";

    keys.press(Direction::Left, 1, EditorStep::HalfTile);  // (6, 9): over both halves
    EXPECT_EQ(keys.cursor.placeTarget(), (Position{6, 9, 2}));
    EXPECT_EQ(keys.cursor.markPlace(), (Position{6, 9, 2}));
    keys.enter();
    EXPECT_EQ(keys.game.layoutTemplate().at(6, 9, 2), 1);

    keys.press(Direction::Right, 1, EditorStep::WholeTile);  // (8, 9): half over one tile only
    EXPECT_EQ(keys.cursor.placeTarget(), Position{});
    EXPECT_EQ(keys.cursor.markPlace(), (Position{8, 9, 1}));
    keys.enter();
    EXPECT_EQ(keys.editor.EditorTilesLeft(), 141);

    keys.press(Direction::Left, 1, EditorStep::HalfTile);  // (7, 9): under the layer-2 tile
    keys.remove();
    EXPECT_EQ(keys.game.layoutTemplate().at(7, 9, 1), 1) << "a covered tile stays";
    keys.press(Direction::Left, 1, EditorStep::HalfTile);  // (6, 9)
    EXPECT_EQ(keys.cursor.topTile(), keys.game.board().cell(6, 9, 2));
    keys.remove();
    keys.press(Direction::Right, 1, EditorStep::HalfTile);
    keys.remove();
    EXPECT_EQ(keys.game.layoutTemplate().at(7, 9, 1), 0);
    EXPECT_EQ(keys.editor.EditorTilesLeft(), 143);
    EXPECT_EQ(keys.cursor.markPlace(), (Position{7, 9, 1})) << "where a new tile would go";
}

TEST(EditorCursor, AnEditedLayoutIsEnteredAtItsFirstTile) {
    test::GameFixture fixture;
    fixture.game.layoutTemplate().set(9, 4, 1, 1);
    fixture.game.layoutTemplate().set(3, 6, 1, 1);
    LayoutMenu menu{fixture.game, fixture.host};
    LayoutEditor editor{fixture.game, fixture.host, menu};
    editor.Editlayout1Click();
    EditorCursor cursor{fixture.game.board()};
    cursor.show();
    EXPECT_EQ(cursor.markPlace(), (Position{9, 4, 1}));
}

}  // namespace
}  // namespace orbeni
