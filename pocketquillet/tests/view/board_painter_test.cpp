#include "pocketquillet/view/board_painter.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/bitmap/raster_ops.h"
#include "pocketquillet/game/pocket_game.h"
#include "pocketquillet/tests/test_support.h"
#include "pocketquillet/tests/view/block_text.h"

namespace pocketquillet {
namespace {

// Hands the game's drawing requests to the painter, as the window does.
class PaintingHost final : public Host {
public:
    void playSound(Sound) override {}
    void repaintBoard() override { painter->repaintBoard(); }
    void repaintCell(Cell cell) override { painter->repaintCell(cell); }
    void markCell(Cell cell, Mark) override { painter->markCell(cell); }
    void markPath(const ConnectionPath& path, Mark) override { painter->markPath(path); }
    void repaintStatus() override { statusAreas = painter->repaintStatus(); }
    void updateCommands() override {}
    Answer ask(std::string_view, std::string_view) override { return Answer::Yes; }
    void showHiscores(const HiscoreView&) override {}
    std::optional<std::u16string> askHiscoreName() override { return std::nullopt; }
    std::optional<ChallengeNames> askChallengeNames() override { return ChallengeNames{u"Ann", u"Bob"}; }
    void closeProgram() override {}

    BoardPainter* painter = nullptr;
    BoardPainter::Areas statusAreas;
};

platform::Pixel faceColour(int face) {
    return platform::rgb(static_cast<std::uint8_t>(face * 5), 100, 200);
}

// A stone bitmap whose every face is one colour of its own, and a checked pattern.
Pictures testPictures() {
    Pictures pictures;
    pictures.stones = platform::Bitmap(450, 75);
    for (int face = 1; face <= kFaceCount; ++face) {
        platform::fillRect(pictures.stones, {25 * ((face - 1) % 18), 25 * ((face - 1) / 18), 25, 25},
                           faceColour(face));
    }
    pictures.start = platform::Bitmap(481, 221, platform::rgb(10, 20, 30));
    pictures.pattern = platform::Bitmap(25, 25);
    for (int y = 0; y < 25; ++y) {
        for (int x = (y % 2); x < 25; x += 2) {
            pictures.pattern.setPixel(x, y, platform::kWhite);
        }
    }
    return pictures;
}

class BoardPainterTest : public ::testing::Test {
protected:
    void create(PlayMode mode) {
        profile.set(u"MAIN", u"PlayMode", decimalText(static_cast<std::uint32_t>(mode)));
        profile.set(u"MAIN", u"Skill", u"0");
        test::useTopRowBoard(profile, random);
        game = std::make_unique<PocketGame>(host, random, profile, folder.path() / "HISCORE.QZO");
        painter = std::make_unique<BoardPainter>(*game, pictures, text);
        host.painter = painter.get();
        painter->resize(640, 400);
    }

    // What the painter shows must be what a full redraw of the same game shows.
    void expectSameAsFullRedraw() {
        const platform::Bitmap shown = painter->image();
        painter->repaintBoard();
        EXPECT_TRUE(shown == painter->image());
    }

    // How many pixels of an area differ from another picture.
    int changedPixels(const platform::Bitmap& other, const platform::Rect& area) const {
        int changed = 0;
        for (int y = area.y; y < area.y + area.height; ++y) {
            for (int x = area.x; x < area.x + area.width; ++x) {
                changed += painter->image().pixel(x, y) != other.pixel(x, y) ? 1 : 0;
            }
        }
        return changed;
    }

    Pictures pictures = testPictures();
    test::BlockText text;
    test::TempFolder folder;
    PaintingHost host;
    test::ScriptedRandom random;
    test::ScriptedProfile profile;
    std::unique_ptr<PocketGame> game;
    std::unique_ptr<BoardPainter> painter;
};

TEST_F(BoardPainterTest, IdleShowsTheStartPictureCentredOnWhite) {
    create(PlayMode::Tournament);
    const platform::Bitmap& image = painter->image();
    EXPECT_EQ(image.pixel(79, 89), platform::rgb(10, 20, 30));    // its top-left corner
    EXPECT_EQ(image.pixel(559, 309), platform::rgb(10, 20, 30));  // its bottom-right corner
    EXPECT_EQ(image.pixel(78, 89), platform::kWhite);
    EXPECT_EQ(image.pixel(79, 88), platform::kWhite);
    EXPECT_EQ(image.pixel(560, 310), platform::kWhite);

    pictures.start = platform::Bitmap();  // a picture that could not be read
    painter->repaintBoard();
    EXPECT_TRUE(painter->image() == platform::Bitmap(640, 400, platform::kWhite));
}

TEST_F(BoardPainterTest, StonesAreStretchedToTheirCellsAndEmptyCellsStayWhite) {
    create(PlayMode::Tournament);
    game->startGame();
    painter->resize(1000, 400);  // one row of eight: cells of 124 x 348
    const BoardGeometry geometry = painter->geometry();
    ASSERT_EQ(geometry.cellWidth(), 124);
    for (int x = 0; x < 8; ++x) {
        const platform::Rect cell = geometry.cellRect({x, 0});
        const platform::Pixel face = faceColour(game->board().face({x, 0}));
        EXPECT_EQ(painter->image().pixel(cell.x, cell.y), face);
        EXPECT_EQ(painter->image().pixel(cell.x + cell.width - 1, cell.y + cell.height - 8), face);
    }
    EXPECT_EQ(painter->image().pixel(geometry.cellRect({8, 0}).x + 3, 10), platform::kWhite);
    EXPECT_EQ(painter->image().pixel(0, 10), platform::kWhite);  // the left margin
}

TEST_F(BoardPainterTest, HighlightsAndPathsInvertAndADrawingAgainErasesThem) {
    create(PlayMode::Tournament);
    game->startGame();
    const platform::Bitmap plain = painter->image();
    game->clickCell({0, 0});
    EXPECT_FALSE(plain == painter->image());
    expectSameAsFullRedraw();
    game->clickCell({0, 0});  // taken back
    EXPECT_TRUE(plain == painter->image());

    game->clickCell({0, 0});
    game->clickCell({3, 0});  // the pair goes by the top edge; its path stays shown
    ASSERT_TRUE(game->shownPath());
    const PathBands bands = pathBands(*game->shownPath(), painter->geometry());
    ASSERT_EQ(bands.count, 2);
    EXPECT_GT(changedPixels(plain, bands.bands[0]), 0);
    expectSameAsFullRedraw();

    game->clickCell({5, 0});  // the next click erases the path and selects a stone
    EXPECT_FALSE(game->shownPath());
    expectSameAsFullRedraw();
    EXPECT_EQ(changedPixels(platform::Bitmap(640, 400, platform::kWhite), bands.bands[0]), 0);
}

TEST_F(BoardPainterTest, OnlyTheStatusLinesThatChangedAreDrawnAgain) {
    create(PlayMode::Challenge);
    game->startGame();
    const platform::Rect box = painter->geometry().statusBox();
    EXPECT_EQ(painter->image().pixel(box.x, box.y), standardColour(kBlackIndex));
    EXPECT_EQ(painter->image().pixel(box.x - 1, box.y - 1), standardColour(kWhiteIndex));
    EXPECT_EQ(painter->image().pixel(box.x + 3, box.y + 3), standardColour(kGreyIndex));

    text.calls = 0;
    game->tick();
    ASSERT_EQ(host.statusAreas.size(), 1u);  // the seconds left
    EXPECT_EQ(host.statusAreas[0].x, 34 * 8 + 15);
    EXPECT_EQ(text.calls, 2);  // its shadow and its text
    expectSameAsFullRedraw();

    Options options = game->options();
    options.showScore = false;
    game->applyOptions(options);
    painter->repaintBoard();
    EXPECT_EQ(painter->image().pixel(box.x + 3, 398), platform::kWhite);
    EXPECT_TRUE(painter->repaintStatus().empty());
}

}  // namespace
}  // namespace pocketquillet
