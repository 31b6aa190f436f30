#include "orbeni/game/keyboard_cursor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

#include "game_fixture.h"
#include "test_layouts.h"

namespace orbeni {
namespace {

using test::GameFixture;

// Places of a known board. In board-image pixels a column is 20 across and a row 25 down; a layer
// moves a tile 6 right and 6 up.
constexpr Position kC{13, 9, 1};
constexpr Position kA{17, 9, 1};   // 80 right of C
constexpr Position kH{16, 7, 1};   // 60 right and 50 up of C: nearer than A, but far off the line
constexpr Position kB{19, 8, 1};   // blocked on the left by A, free on the right
constexpr Position kD{15, 12, 1};  // 40 right and 75 down of C
constexpr Position kE{9, 9, 1};
constexpr Position kF{11, 5, 1};
constexpr Position kG{13, 3, 1};
constexpr Position kJ{5, 9, 1};  // covered by K
constexpr Position kK{5, 9, 2};  // covered by M
constexpr Position kM{5, 9, 3};
constexpr Position kL1{21, 1, 1};
constexpr Position kL2{23, 1, 1};  // blocked on both sides
constexpr Position kL3{25, 1, 1};

// C and A match, so that a pair can go; the others all differ.
std::vector<test::PlacedTile> knownBoard() {
    return {{1, kC},  {2, kA},  {5, kH},  {9, kB},  {13, kD},  {17, kE},  {21, kF},
            {25, kG}, {29, kJ}, {33, kK}, {49, kM}, {37, kL1}, {41, kL2}, {45, kL3}};
}

TEST(KeyboardCursor, ArrowsLeadToTheNearestPickableTileInTheirDirection) {
    GameFixture fixture;
    fixture.layOut(knownBoard());
    struct Case {
        const char* what;
        Position from;
        Direction direction;
        Position expected;
    };
    const Case cases[] = {
        {"straight on beats nearer but far off the line", kC, Direction::Right, kA},
        {"straight on", kC, Direction::Left, kE},
        {"within 45 degrees beats farther straight on", kC, Direction::Up, kF},
        {"down and a little aside", kC, Direction::Down, kD},
        {"half a row up", kA, Direction::Right, kB},
        {"up and a little back", kA, Direction::Up, kH},
        {"equal distances: the left one", kD, Direction::Up, kC},
        {"nothing within 45 degrees: the nearest on that side", kD, Direction::Right, kA},
        {"steeply up, as nothing else lies right", kB, Direction::Right, kL1},
        {"covered tiles are passed over for the top of their stack", kE, Direction::Left, kM},
        {"a tile blocked on both sides is passed over", kL1, Direction::Right, kL3},
        {"the edge of the board", kL3, Direction::Right, Position{}},
        {"nothing below", kD, Direction::Down, Position{}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nearestInDirection(fixture.game, c.from, c.direction), c.expected) << c.what;
    }
}

TEST(KeyboardCursor, StartsTopLeftAndStaysOnAPickableTileWhenAPairGoesAndComesBack) {
    GameFixture fixture;
    fixture.layOut(knownBoard());
    ASSERT_FALSE(fixture.game.GameStopped());
    KeyboardCursor cursor(fixture.game);
    EXPECT_EQ(cursor.place(), Position{});
    cursor.show();
    EXPECT_EQ(cursor.place(), kM);  // nearest the top left corner

    const auto press = [&](std::initializer_list<Direction> keys) {
        for (const Direction key : keys) {
            cursor.move(key);
        }
    };
    const auto enter = [&] {
        const std::optional<ImagePoint> point = cursor.clickPoint();
        ASSERT_TRUE(point.has_value());
        fixture.game.ButtonDown(MouseButton::Left, point->x, point->y);
        cursor.settle();
    };
    press({Direction::Right, Direction::Right});
    EXPECT_EQ(cursor.place(), kC);
    enter();
    EXPECT_EQ(fixture.game.FirstTile(), 1);
    press({Direction::Right});
    enter();
    EXPECT_EQ(fixture.game.TilesLeft(), 12);
    EXPECT_EQ(cursor.place(), kB) << "the pickable tile nearest to where A was";

    fixture.game.Back();
    cursor.settle();
    EXPECT_EQ(cursor.place(), kB) << "B is still free with A back beside it";
    press({Direction::Left});
    EXPECT_EQ(cursor.place(), kA);

    fixture.game.PauseClick();
    press({Direction::Left});
    EXPECT_EQ(cursor.place(), kA) << "the cursor waits while the tiles are hidden";
}

TEST(KeyboardCursor, AShownCursorGoesToTheTileTheMouseSelected) {
    GameFixture fixture;
    fixture.layOut(knownBoard());
    KeyboardCursor cursor(fixture.game);
    cursor.show();
    cursor.hide();
    fixture.click(kD);
    cursor.show();
    EXPECT_EQ(cursor.place(), kD);
}

// Answers whether from every pickable tile the arrows lead to every other one: all are reached
// from the first, and the first from all.
::testing::AssertionResult everyTileReachesEveryOther(const Game& game) {
    std::vector<Position> pickable;
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        if (game.board().position(tile).onBoard() && game.isFree(tile)) {
            pickable.push_back(game.board().position(tile));
        }
    }
    const auto indexOf = [&](Position p) {
        return std::size_t(std::find(pickable.begin(), pickable.end(), p) - pickable.begin());
    };
    std::vector<std::vector<std::size_t>> leadsTo(pickable.size());
    std::vector<std::vector<std::size_t>> comesFrom(pickable.size());
    for (std::size_t from = 0; from < pickable.size(); ++from) {
        for (const Direction d : {Direction::Left, Direction::Right, Direction::Up, Direction::Down}) {
            const Position next = nearestInDirection(game, pickable[from], d);
            if (next.onBoard()) {
                leadsTo[from].push_back(indexOf(next));
                comesFrom[indexOf(next)].push_back(from);
            }
        }
    }
    const auto reachedFromFirst = [&](const std::vector<std::vector<std::size_t>>& edges) {
        std::set<std::size_t> reached{0};
        std::vector<std::size_t> toVisit{0};
        while (!toVisit.empty()) {
            const std::size_t from = toVisit.back();
            toVisit.pop_back();
            for (const std::size_t next : edges[from]) {
                if (reached.insert(next).second) {
                    toVisit.push_back(next);
                }
            }
        }
        return reached.size();
    };
    if (pickable.empty() ||
        (reachedFromFirst(leadsTo) == pickable.size() && reachedFromFirst(comesFrom) == pickable.size())) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "of " << pickable.size() << " pickable tiles, " << reachedFromFirst(leadsTo)
           << " are reached from the first and " << reachedFromFirst(comesFrom) << " reach it";
}

// Takes the first free pair off the board, straight from the grid: a click in the middle of a
// free tile may land on a tall stack's top tile beside it. False when no pair is free.
bool removeFirstFreePair(Game& game) {
    game.IsItFree();
    const FreeTiles& free = game.freeTiles();
    for (int k = 0; k + 1 < free.count; ++k) {
        const int first = free.list[std::size_t(k)];
        const int second = free.list[std::size_t(k + 1)];
        if (matchGroup(first) == matchGroup(second)) {
            game.board().remove(first);
            game.board().remove(second);
            return true;
        }
    }
    return false;
}

TEST(KeyboardCursor, EveryPickableTileCanBeReachedWhileAGameIsPlayed) {
    const std::array layouts{test::turtleLayout(), test::pyramidLayout(), test::staggeredLayout()};
    for (const LayoutTemplate& layout : layouts) {
        for (const bool vertical : {false, true}) {
            for (int seed = 1; seed <= 4; ++seed) {
                GameFixture fixture;
                fixture.game.layoutTemplate() = layout;
                fixture.game.options().Vertical = vertical;
                fixture.game.options().RandomSeed1 = true;
                fixture.game.setSpecificSeed(seed);
                fixture.game.BeginGame();
                do {
                    ASSERT_TRUE(everyTileReachesEveryOther(fixture.game))
                        << "seed " << seed << (vertical ? ", vertical" : "");
                } while (removeFirstFreePair(fixture.game) && removeFirstFreePair(fixture.game));
            }
        }
    }
}

TEST(KeyboardCursor, TheClickPointPicksTheMarkedTileEvenUnderAnotherPicture) {
    GameFixture fixture;
    fixture.game.layoutTemplate() = test::turtleLayout();
    fixture.game.BeginGame();
    KeyboardCursor cursor(fixture.game);
    const auto clickedAtCursorSelects = [&](int tile) {
        fixture.clickTile(tile);
        cursor.show();
        const std::optional<ImagePoint> point = cursor.clickPoint();
        if (cursor.place() != fixture.game.board().position(tile) || !point) {
            return false;
        }
        fixture.game.ButtonDown(MouseButton::Left, point->x, point->y);  // unselects it again
        return fixture.game.FirstTile() == 0;
    };
    for (int tile = 1; tile <= kMaxTiles; ++tile) {
        if (fixture.game.isFree(tile)) {
            EXPECT_TRUE(clickedAtCursorSelects(tile)) << "tile " << tile;
        }
    }

    // A hand-made layout may float a tile two layers up over the middle of a free one.
    GameFixture floating;
    floating.layOut({{1, {5, 5, 1}}, {2, {5, 5, 3}}});
    KeyboardCursor over(floating.game);
    over.show();
    ASSERT_EQ(over.place(), (Position{5, 5, 1}));
    const std::optional<ImagePoint> point = over.clickPoint();
    ASSERT_TRUE(point.has_value());
    EXPECT_NE(*point, faceCentre({5, 5, 1}));
    floating.game.ButtonDown(MouseButton::Left, point->x, point->y);
    EXPECT_EQ(floating.game.FirstTile(), 1);
}

TEST(KeyboardCursor, InRiversEveryTileOnTheTableIsVisited) {
    GameFixture fixture;
    fixture.game.FourRivers();
    KeyboardCursor cursor(fixture.game);
    cursor.show();
    EXPECT_EQ(cursor.place(), (Position{4, 5, 1}));
    // A tile that left is passed over, though Rivers lets every tile be picked.
    fixture.game.board().remove(fixture.game.board().cell(6, 5, 1));
    for (int x = 8; x <= 30; x += 2) {
        cursor.move(Direction::Right);
        EXPECT_EQ(cursor.place(), (Position{x, 5, 1}));
    }
    cursor.move(Direction::Right);
    EXPECT_EQ(cursor.place(), (Position{30, 5, 1}));
    for (int y = 7; y <= 15; y += 2) {
        cursor.move(Direction::Down);
        EXPECT_EQ(cursor.place(), (Position{30, y, 1}));
    }
}

}  // namespace
}  // namespace orbeni
