#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>

#include "game_fixture.h"
#include "orbeni/layouts/layout_file.h"
#include "orbeni/layouts/layout_menu.h"
#include "platform/profile/profile.h"
#include "test_layouts.h"

namespace orbeni {
namespace {

// A "Layouts" folder of its own for each test.
struct LayoutFolder {
    explicit LayoutFolder(const char* name) : path(std::filesystem::temp_directory_path() / name) {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path / "Sub.lay");
    }
    ~LayoutFolder() { std::filesystem::remove_all(path); }
    void lay(const std::string& file, const LayoutTemplate& layout = test::pyramidLayout()) const {
        ASSERT_TRUE(writeLayFile(path / file, file, layout));
    }
    void shp(const std::string& file) const { std::ofstream(path / file) << "0010A0301\r\n"; }
    std::filesystem::path path;
};

TEST(LayoutList, LayFilesSortedByCaptionThenShpFiles) {
    LayoutFolder folder("orbeni-test-layouts-list");
    folder.shp("Star.shp");
    for (const char* name : {"PYRAMID.LAY", "bridge.lay", "Castle.lay", "notes.txt", "noextension"}) {
        folder.lay(name);
    }
    LayoutList list;
    list.build(folder.path);
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.captions(), (std::vector<std::string>{"Bridge", "Castle", "Pyramid", "Star.shp"}));
    EXPECT_EQ(list.entry(3)->file.filename(), "PYRAMID.LAY");
    EXPECT_EQ(list.entry(4)->kind, LayoutKind::Shp);
    EXPECT_EQ(list.startingNumber(9), 4);
    EXPECT_EQ(list.startingNumber(0), 1);
    EXPECT_EQ(layoutDisplayName("my LAYOUT.lay"), "My layout");
}

TEST(LayoutMenu, ChoosingLoadsReportsAndWarnsOnce) {
    LayoutFolder folder("orbeni-test-layouts-menu");
    folder.lay("Keep.lay");
    folder.shp("Star.shp");
    test::GameFixture fixture;
    LayoutMenu menu(fixture.game, fixture.host);
    ASSERT_TRUE(menu.build(folder.path, 1));
    menu.loadCurrent(LayoutLoad::StartUp);
    EXPECT_EQ(fixture.game.layoutTemplate().positionCount(), 144);
    EXPECT_EQ(fixture.host.count("ask"), 0);

    fixture.game.BeginGame();
    menu.LoadShplayoutClick(2);
    EXPECT_EQ(fixture.game.checkedLayout(), 2);
    EXPECT_EQ(fixture.game.currentLayout(), 1);  // the running game keeps its hall of fame
    EXPECT_EQ(fixture.game.layoutTemplate().positionCount(), 1);
    std::string shownPath = (folder.path / "Star.shp").string();
    for (char& c : shownPath) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    EXPECT_EQ(fixture.game.statusMessage().text(), "Layout " + shownPath + " selected.");
    EXPECT_EQ(fixture.host.count("ask And now for something completely different."), 1);
    menu.LoadlayoutClick(1);
    EXPECT_EQ(fixture.game.statusMessage().text(), "Layout KEEP.LAY selected.");
    EXPECT_EQ(fixture.host.count("ask And now"), 1);

    fixture.game.options().neverWarn = true;
    const int dealsBefore = fixture.host.count("hall panel");
    menu.LoadlayoutClick(1);
    EXPECT_EQ(fixture.host.count("hall panel"), dealsBefore + 1);
}

TEST(LayoutMenu, SavingRegistersNewNamesAndReusesKnownOnes) {
    LayoutFolder folder("orbeni-test-layouts-save");
    folder.lay("Keep.lay");
    folder.shp("Star.shp");
    test::GameFixture fixture;
    const auto hallFile = folder.path / "Hallfame.ini";
    platform::Profile(hallFile).writeString("mylayout", "Rank1", "Earlier    99    0");
    fixture.game.loadHallOfFame(hallFile, {"Keep", "Star.shp"});
    LayoutMenu menu(fixture.game, fixture.host);
    ASSERT_TRUE(menu.build(folder.path, 2));
    fixture.game.layoutTemplate() = test::turtleLayout();

    menu.setCurrentPath({});
    fixture.host.saveAnswer = std::nullopt;
    menu.SaveLayout(LayoutSaveTarget::CurrentFile);
    EXPECT_FALSE(std::filesystem::exists(folder.path / "test.lay"));

    fixture.host.saveAnswer = (folder.path / "my layout").string();
    menu.SaveLayout(LayoutSaveTarget::CurrentFile);
    EXPECT_TRUE(std::filesystem::exists(folder.path / "my layout.lay"));
    ASSERT_EQ(menu.list().count(), 3);
    EXPECT_EQ(menu.list().entry(3)->caption, "my layout");
    EXPECT_EQ(fixture.game.currentLayout(), 3);
    EXPECT_EQ(fixture.game.hallOfFame().entry(3, 1), "Earlier    99    0");  // section "mylayout"
    EXPECT_EQ(fixture.game.hallOfFame().entry(3, 2), HallOfFame::defaultEntry(2));

    menu.setCurrentPath(folder.path / "Keep.lay");
    menu.SaveLayout(LayoutSaveTarget::CurrentFile);
    EXPECT_EQ(menu.list().count(), 3);
    EXPECT_EQ(fixture.game.currentLayout(), 1);

    menu.setCurrentPath(folder.path / "Sub.lay" / "inner");
    menu.SaveLayout(LayoutSaveTarget::CurrentFile);
    EXPECT_TRUE(std::filesystem::exists(folder.path / "Sub.lay" / "inner"));
    EXPECT_EQ(menu.list().entry(4)->caption, "i");  // "inner" less its last four characters
}

}  // namespace
}  // namespace orbeni
