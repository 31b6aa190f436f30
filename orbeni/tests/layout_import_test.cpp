#include "orbeni/layouts/layout_import.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "game_fixture.h"
#include "orbeni/layouts/layout_file.h"
#include "orbeni/layouts/layout_menu.h"
#include "test_layouts.h"

namespace orbeni {
namespace {

namespace fs = std::filesystem;

// A program's "Layouts" folder and a player's own, apart, as for an installed program.
struct Folders {
    explicit Folders(const char* name) : root(fs::temp_directory_path() / name) {
        fs::remove_all(root);
        fs::create_directories(shipped);
        for (const char* layout : {"Castle.lay", "Keep.lay"}) {
            EXPECT_TRUE(writeLayFile(shipped / layout, layout, test::pyramidLayout()));
        }
    }
    ~Folders() { fs::remove_all(root); }
    fs::path write(const std::string& file, const std::string& text) const {
        std::ofstream(root / file, std::ios::binary) << text;
        return root / file;
    }
    fs::path root;
    fs::path shipped = root / "program" / "Layouts";
    fs::path player = root / "data" / "orbeni" / "Layouts";
};

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

constexpr const char* kTwoTiles =
    "kmahjongg-layout-v1.1\n"
    "w4\nh2\nd1\n"
    "1212\n"
    "4343\n";

constexpr const char* kMaps =
    "<mahjongg>\n"
    "<map name=\"Castle\"><row y=\"0\" left=\"0\" right=\"1\"/></map>\n"
    "<map name=\"Odd\"><row y=\"0\" left=\"0\" right=\"2\"/></map>\n"
    "<map name=\"Broken\"><tile x=\"0.3\" y=\"0\"/></map>\n"
    "<map name=\"../A/..\\b\x01\"><block left=\"0\" right=\"1\" top=\"0\" bottom=\"1\"/></map>\n"
    "<map name=\"KEEP\"><tile x=\"0\" y=\"0\"/><tile x=\"3\" y=\"0\"/></map>\n"
    "</mahjongg>\n";

TEST(LayoutImport, EveryLayoutGetsOneLineAndNamesAreKeptApart) {
    Folders folders("orbeni-test-import-lines");
    const fs::path layout = folders.write("castle.layout", kTwoTiles);
    folders.write("castle.desktop", "[KMahjonggLayout]\nName=Castle\n");
    const fs::path maps = folders.write("many.map", kMaps);
    const fs::path notes = folders.write("notes.txt", "nothing");
    LayoutList list;
    list.build(folders.shipped, folders.player);
    std::vector<int> added;
    const std::vector<ImportOutcome> outcomes =
        importLayoutFiles({layout, maps, notes, folders.root / "missing.map"}, folders.player, list,
                          [&added](int number) { added.push_back(number); });

    std::vector<std::string> lines;
    for (const ImportOutcome& outcome : outcomes) {
        lines.push_back(outcome.line);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "castle.layout: \"Castle\": imported as \"Castle 2\".",
                         "many.map: \"Castle\": imported as \"Castle 3\".",
                         "many.map: \"Odd\": 3 tiles, an odd number.",
                         "many.map: \"Broken\": <tile> on line 4: x=\"0.3\" is no whole or half number "
                         "from 0 to 100.",
                         "many.map: \"../A/..\\b\": imported as \"-a-.-b\".",
                         "many.map: \"KEEP\": imported as \"Keep 2\".",
                         "notes.txt: neither a KMahjongg .layout nor a GNOME Mahjongg .map file.",
                         "missing.map: no such file.",
                     }));
    EXPECT_EQ(added, (std::vector<int>{3, 4, 5, 6}));
    ASSERT_EQ(list.count(), 6);
    for (const int number : added) {
        const LayoutEntry* entry = list.entry(number);
        EXPECT_EQ(entry->file.parent_path(), folders.player);
        const auto read = readLayFile(entry->file);
        ASSERT_TRUE(read && read.value().hasVersionMark) << entry->file;
        EXPECT_GT(read.value().layout.positionCount(), 0);
    }
    EXPECT_EQ(readLayFile(list.entry(3)->file).value().name, "Castle");
    EXPECT_EQ(list.entry(5)->file.filename(), "-A-.-b.lay");
    EXPECT_EQ(std::distance(fs::directory_iterator(folders.shipped), fs::directory_iterator()), 2)
        << "the program's folder is left alone";

    // The next start lists the same names, so each keeps its hall of fame.
    LayoutList again;
    again.build(folders.shipped, folders.player);
    for (const int number : added) {
        EXPECT_NE(again.find(list.entry(number)->caption), 0) << list.entry(number)->caption;
    }
}

TEST(LayoutImport, SavesAndImportsGoToThePlayersFolderAndAreListedWithTheShippedOnes) {
    Folders folders("orbeni-test-import-player");
    test::GameFixture fixture;
    LayoutMenu menu(fixture.game, fixture.host);
    ASSERT_TRUE(menu.build(folders.shipped, 2, folders.player));
    ASSERT_EQ(menu.list().entry(2)->caption, "Keep");
    const std::string shippedKeep = bytesOf(folders.shipped / "Keep.lay");

    // "Save" of a shipped layout keeps the player's version in their own folder.
    menu.loadCurrent(LayoutLoad::StartUp);
    fixture.game.layoutTemplate() = test::turtleLayout();
    ASSERT_TRUE(menu.SaveLayout(LayoutSaveTarget::CurrentFile));
    EXPECT_EQ(bytesOf(folders.shipped / "Keep.lay"), shippedKeep);
    EXPECT_EQ(menu.list().entry(2)->file, folders.player / "Keep.lay");
    EXPECT_EQ(readLayFile(folders.player / "Keep.lay").value().layout, test::turtleLayout());

    // "Save as..." into the program's folder lands in the player's too.
    fixture.host.saveAnswer = (folders.shipped / "Mine").string();
    ASSERT_TRUE(menu.SaveLayout(LayoutSaveTarget::ChosenFile));
    EXPECT_TRUE(fs::exists(folders.player / "Mine.lay"));
    EXPECT_FALSE(fs::exists(folders.shipped / "Mine.lay"));

    const fs::path maps = folders.write("one.map",
                                        "<mahjongg><map name=\"Easy\"><row y=\"1\" left=\"0\" "
                                        "right=\"3\"/></map></mahjongg>");
    const auto outcomes = menu.importLayouts({maps});
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_TRUE(outcomes[0].imported) << outcomes[0].line;
    EXPECT_TRUE(fs::exists(folders.player / "Easy.lay"));
    EXPECT_EQ(menu.list().count(), 4);
    EXPECT_EQ(fixture.game.hallOfFame().entry(4, 1), HallOfFame::defaultEntry(1));

    LayoutList next;
    next.build(folders.shipped, folders.player);
    EXPECT_EQ(next.captions(), (std::vector<std::string>{"Castle", "Easy", "Keep", "Mine"}));
    EXPECT_EQ(next.entry(1)->file, folders.shipped / "Castle.lay");
    EXPECT_EQ(next.entry(3)->file, folders.player / "Keep.lay")
        << "the player's Keep stands in for the shipped one";
}

TEST(LayoutImport, FileNamesOfDisplayNamesAreSafe) {
    const struct {
        const char* name;
        const char* base;
    } cases[] = {
        {"Castle", "Castle"},    {"a/b\\c", "a-b-c"},       {"..", "Imported layout"},
        {"../../etc", "-.-etc"}, {".hidden", "hidden"},     {"tab\there", "tab here"},
        {"", "Imported layout"}, {"two..dots", "two.dots"}, {" \x7f ", "Imported layout"},
    };
    for (const auto& sample : cases) {
        const std::string base = layoutFileBase(sample.name);
        EXPECT_EQ(base, sample.base) << sample.name;
        EXPECT_EQ(base.find('/'), std::string::npos);
        EXPECT_EQ(base.find(".."), std::string::npos);
    }
}

}  // namespace
}  // namespace orbeni
