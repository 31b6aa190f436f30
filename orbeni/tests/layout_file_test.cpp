#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "orbeni/layouts/layout_file.h"
#include "test_layouts.h"

namespace orbeni {
namespace {

const std::filesystem::path kData = TEST_DATA_DIR;

TEST(LayoutFile, WrittenLayFileIsByteExactAndReadsBack) {
    const auto file = std::filesystem::temp_directory_path() / "orbeni-test-written.lay";
    const LayoutTemplate layout = test::turtleLayout();
    ASSERT_TRUE(writeLayFile(file, "Turtle heap", layout));
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    const std::string text = bytes.str();
    ASSERT_EQ(text.size(), 12u + 13u + 3402u);
    EXPECT_EQ(text.substr(0, 25), "Orbeni 3.0\r\nTurtle heap\r\n");
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    // Character k is layer k div 680 + 1, cell k mod 680 = (y - 1) * 34 + (x - 1).
    EXPECT_EQ(text[25 + 4 * 680 + 7 * 34 + 13], '1');  // the top tile at (14, 8, 5)
    EXPECT_EQ(std::count(text.begin(), text.end(), '1'), 144);

    const auto read = readLayFile(file);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read.value().hasVersionMark);
    EXPECT_EQ(read.value().name, "Turtle heap");
    for (int z = 1; z <= kLayers; ++z) {
        for (int y = 1; y <= kRows; ++y) {
            for (int x = 1; x <= kColumns; ++x) {
                ASSERT_EQ(read.value().layout.at(x, y, z), layout.at(x, y, z));
            }
        }
    }
    std::filesystem::remove(file);
}

TEST(LayoutFile, ANameWithALineBreakStaysOneLineAndNoTemporaryFileIsLeft) {
    const auto folder = std::filesystem::temp_directory_path() / "orbeni-test-lay-name";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto file = folder / "Two.lay";
    std::ofstream(folder / "Two.lay.tmp") << "left by an old kill";
    std::ofstream(folder / ".Two.lay.k3Xz9Q") << "left by a kill";
    ASSERT_TRUE(writeLayFile(file, "Two\r\nlines", test::turtleLayout()));
    const auto read = readLayFile(file);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value().name, "Two  lines");
    EXPECT_EQ(read.value().layout, test::turtleLayout());
    EXPECT_FALSE(std::filesystem::exists(folder / ".Two.lay.k3Xz9Q"));
    std::filesystem::remove_all(folder);
}

TEST(LayoutFile, DamagedLayFilesStayInsideTheTemplate) {
    const struct {
        const char* file;
        const char* name;
        bool mark;
        int positions;
    } cases[] = {
        {"short_cells.lay", "Short one", true, 1},
        {"wrong_mark.lay", "Old mark", false, 4},
        {"two_lines.lay", "No cell line", true, 0},
    };
    for (const auto& c : cases) {
        const auto read = readLayFile(kData / c.file);
        ASSERT_TRUE(read) << c.file;
        EXPECT_EQ(read.value().name, c.name);
        EXPECT_EQ(read.value().hasVersionMark, c.mark);
        EXPECT_EQ(read.value().layout.positionCount(), c.positions) << c.file;
    }
    EXPECT_EQ(readLayFile(kData / "short_cells.lay").value().layout.at(12, 2, 1), 1);
    EXPECT_FALSE(readLayFile(kData / "missing.lay"));
}

TEST(LayoutFile, ShpPairsDecodeAndBadLinesAreSkipped) {
    const auto read = readShpFile(kData / "damaged.shp");
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value().positionCount(), 2);
    EXPECT_EQ(read.value().at(12, 5, 2), 1);  // pairs 0A, 03, 01
    EXPECT_EQ(read.value().at(2, 2, 5), 1);
    EXPECT_FALSE(readShpFile(kData / "missing.shp"));
}

}  // namespace
}  // namespace orbeni
