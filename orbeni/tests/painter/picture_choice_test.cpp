#include "orbeni/view/picture_choice.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <string>
#include <vector>

#include "orbeni/view/orbeni_settings.h"
#include "orbeni/view/picture_scale.h"
#include "painter_fixture.h"

namespace orbeni::test {
namespace {

constexpr int kNoBackground = 2;
constexpr int kBackgroundFromDisk = 3;
constexpr int kTilesetFromDisk = 0;

// Answers the dialogs with the files the test queued (an empty one cancels) and records what the
// window was asked.
struct FakePictureHost : PictureHost {
    std::optional<std::string> askPictureFile(std::string_view title, std::string_view,
                                              const std::filesystem::path& folder) override {
        asked.push_back(std::string(title) + " in " + folder.filename().string());
        if (answers.empty()) {
            return std::nullopt;
        }
        std::string answer = answers.front();
        answers.pop_front();
        return answer.empty() ? std::nullopt : std::optional<std::string>(answer);
    }
    void showMessage(const std::string& title, const std::string& text) override {
        messages.push_back(title + ": " + text);
    }
    void followPixelScale() override { ++scaleFollowed; }

    std::deque<std::string> answers;
    std::vector<std::string> asked;
    std::vector<std::string> messages;
    int scaleFollowed = 0;
};

// A program folder with the shipped tilesets pai.bmp (and its twice-size version) and bluepai.bmp,
// and the shipped background kanji.bmp; darkpai.bmp and the other backgrounds are missing.
struct PictureFixture : GameFixture {
    TestFolder folder;
    OrbeniSettings settings;
    BoardPainter painter{game};
    FakePictureHost host;
    PictureChoice pictures{folder.file(""), settings, painter, host};

    PictureFixture() {
        std::filesystem::create_directories(folder.file("Tilesets"));
        std::filesystem::create_directories(folder.file("Backgrounds"));
        platform::saveBmp(syntheticTileset(), tileset("pai.bmp"));
        platform::saveBmp(smoothlyEnlarged(syntheticTileset(), 2), twiceSizeFile(tileset("pai.bmp")));
        platform::saveBmp(syntheticTileset(), tileset("bluepai.bmp"));
        platform::saveBmp(platform::Bitmap(50, 40, platform::rgb(200, 10, 10)), background("kanji.bmp"));
        std::ofstream(folder.file("broken.bmp")) << "not a picture";
    }
    std::filesystem::path tileset(const char* name) const { return folder.file("Tilesets") / name; }
    std::filesystem::path background(const char* name) const { return folder.file("Backgrounds") / name; }
    platform::Pixel corner() const { return painter.gameImage().pixel(0, 0); }
};

const char* const kAskTileset = "Please choose a Tileset bitmap file in Tilesets";
const char* const kAskBackground = "Please choose a Background bitmap file in Backgrounds";

TEST(PictureChoice, ShippedItemsLoadTheirFilesAndAMissingOneAsksForAnother) {
    PictureFixture fixture;
    fixture.pictures.choose({ChoiceGroup::Tileset, 1});
    EXPECT_TRUE(fixture.painter.hasTileset());
    EXPECT_EQ(fixture.settings.tileset, 1);
    fixture.pictures.chooseBackground(0);
    EXPECT_EQ(fixture.settings.background, 0);
    EXPECT_EQ(fixture.corner(), platform::rgb(200, 10, 10));
    fixture.pictures.chooseBackground(kNoBackground);
    EXPECT_EQ(fixture.settings.background, kNoBackground);
    EXPECT_EQ(fixture.corner(), kNoBackgroundTeal);
    EXPECT_TRUE(fixture.host.asked.empty());

    // darkpai.bmp is missing: the player picks bluepai.bmp from disk instead.
    fixture.host.answers = {fixture.tileset("bluepai.bmp").string()};
    fixture.pictures.chooseTileset(2);
    EXPECT_EQ(fixture.host.asked, std::vector<std::string>{kAskTileset});
    EXPECT_EQ(fixture.settings.tileset, kTilesetFromDisk);
    EXPECT_EQ(fixture.settings.lastLoadedTileset, fixture.tileset("bluepai.bmp").string());
    EXPECT_EQ(fixture.host.scaleFollowed, 2);

    // andromeda.bmp is missing and the dialog is cancelled: no background stays in use.
    fixture.pictures.chooseBackground(4);
    EXPECT_EQ(fixture.host.asked.back(), kAskBackground);
    EXPECT_EQ(fixture.settings.background, kNoBackground);
    EXPECT_EQ(fixture.settings.lastLoadedBackground, "");
    EXPECT_TRUE(fixture.host.messages.empty());
}

TEST(PictureChoice, AFileThatCannotBeUsedIsRefusedAndTheItemInUseStays) {
    PictureFixture fixture;
    fixture.pictures.chooseTileset(1);
    fixture.pictures.chooseBackground(0);
    const std::string broken = fixture.folder.file("broken.bmp").string();
    fixture.host.answers = {broken, broken};
    fixture.pictures.chooseTileset(kTilesetFromDisk);
    EXPECT_EQ(fixture.settings.tileset, 1);
    fixture.pictures.chooseBackground(kBackgroundFromDisk);
    EXPECT_EQ(fixture.settings.background, 0);
    ASSERT_EQ(fixture.host.messages.size(), 2u);
    EXPECT_EQ(fixture.host.messages[0].rfind("Tileset: Cannot use the tileset " + broken + ": ", 0), 0u);
    EXPECT_EQ(fixture.host.messages[1].rfind("Background: Cannot use the background " + broken + ": ", 0),
              0u);
    EXPECT_EQ(fixture.corner(), platform::rgb(200, 10, 10)) << "the old background stays";
    EXPECT_TRUE(fixture.painter.hasTileset());
}

// At start-up, with no tileset to keep yet, a cancelled dialog comes back until a file is picked;
// a remembered file from disk is loaded again without a dialog.
TEST(PictureChoice, StartUpLoadsTheRememberedPicturesAtTheScreensScale) {
    const struct {
        int tileset;
        bool remembered;
        double pixelRatio;
        int pixelScale;
        std::vector<std::string> asked;
    } cases[] = {
        {1, false, 1.0, 1, {}},
        {1, false, 2.0, 2, {}},
        {kTilesetFromDisk, true, 2.0, 1, {}},
        {kTilesetFromDisk, false, 1.0, 1, {kAskTileset, kAskTileset}},
    };
    for (const auto& c : cases) {
        PictureFixture fixture;
        fixture.settings.tileset = c.tileset;
        fixture.settings.background = kBackgroundFromDisk;
        fixture.settings.lastLoadedBackground = fixture.background("kanji.bmp").string();
        if (c.remembered) {
            fixture.settings.lastLoadedTileset = fixture.tileset("bluepai.bmp").string();
        }
        fixture.host.answers = {"", fixture.tileset("bluepai.bmp").string()};
        fixture.pictures.ActiveTilesetBackground(c.pixelRatio);
        EXPECT_EQ(fixture.host.asked, c.asked) << c.tileset << " " << c.remembered;
        EXPECT_EQ(fixture.settings.tileset, c.tileset);
        EXPECT_EQ(fixture.settings.background, kBackgroundFromDisk);
        EXPECT_EQ(fixture.painter.pixelScale(), c.pixelScale) << c.tileset << " " << c.pixelRatio;
    }
}

TEST(PictureChoice, HighlightChoicesGoToThePainterAndTheSettings) {
    PictureFixture fixture;
    for (const HighlightMode mode : {HighlightMode::None, HighlightMode::ColoredTile,
                                     HighlightMode::BlueRectangle, HighlightMode::RedRectangle}) {
        fixture.pictures.choose({ChoiceGroup::Highlight, static_cast<int>(mode)});
        EXPECT_EQ(fixture.painter.highlightMode(), mode);
        EXPECT_EQ(fixture.settings.highlight, static_cast<int>(mode));
    }
}

}  // namespace
}  // namespace orbeni::test
