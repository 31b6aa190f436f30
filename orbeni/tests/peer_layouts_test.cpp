#include "orbeni/layouts/peer_layouts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "orbeni/board/board.h"
#include "orbeni/board/deal.h"
#include "test_layouts.h"

namespace orbeni {
namespace {

std::vector<std::vector<int>> tilesOf(const PeerLayout& layout) {
    std::vector<std::vector<int>> tiles;
    for (const PeerTile& tile : layout.tiles) {
        tiles.push_back({tile.column, tile.row, tile.level});
    }
    return tiles;
}

// A GNOME map of one layout whose tiles are orbeni template cells, written as tiles in tile units.
std::string mapOf(const LayoutTemplate& layout) {
    const auto tiles = [](int cell) {
        return std::to_string((cell - 1) / 2) + ((cell - 1) % 2 != 0 ? ".5" : "");
    };
    std::string text = "<mahjongg>\n<map name=\"Heap\">\n";
    for (int z = 1; z <= kLayers; ++z) {
        text += "<layer z=\"" + std::to_string(z - 1) + "\">\n";
        for (int y = 1; y <= kRows; ++y) {
            for (int x = 1; x <= kColumns; ++x) {
                if (layout.at(x, y, z) != 0) {
                    text += "<tile x=\"" + tiles(x) + "\" y=\"" + tiles(y) + "\"/>\n";
                }
            }
        }
        text += "</layer>\n";
    }
    return text + "</map>\n</mahjongg>\n";
}

TEST(PeerLayouts, KMahjonggRowsGiveTheTopLeftCellOfEachTile) {
    const std::string v11 =
        "kmahjongg-layout-v1.1\n"
        "# comments may stand anywhere\n"
        "w8\nh4\nd2\n"
        "121212..\n"
        "434343..\n"
        "# half a tile lower and to the right\n"
        ".12.....\n"
        ".43.....\n"
        "..12....\n"
        "..43....\n"
        "........\n"
        "........\n";
    const PeerFile read = readKMahjonggLayout(v11, "", "stairs");
    ASSERT_TRUE(read.refusal.empty()) << read.refusal;
    ASSERT_EQ(read.layouts.size(), 1u);
    EXPECT_EQ(read.layouts[0].name, "stairs");
    EXPECT_EQ(tilesOf(read.layouts[0]),
              (std::vector<std::vector<int>>{{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {1, 2, 0}, {2, 0, 1}}));

    // v1.0 means 32 x 16 cells on 5 levels: the 17th row is level 2's first.
    std::string v10 = "kmahjongg-layout-v1.0\r\n";
    for (int row = 0; row < 18; ++row) {
        v10 += row == 16 ? "..12\r\n..43\r\n" : row == 17 ? "" : "................................\r\n";
    }
    const char* desktop =
        "[Desktop Entry]\nName=Not this one\n[KMahjonggLayout]\nName[de]=Schloss\nName = Castle \n"
        "Description=Tall\n";
    const PeerFile castle = readKMahjonggLayout("\xEF\xBB\xBF" + v10, desktop, "castle");
    ASSERT_EQ(castle.layouts.size(), 1u);
    EXPECT_EQ(castle.layouts[0].name, "Castle");
    EXPECT_EQ(tilesOf(castle.layouts[0]), (std::vector<std::vector<int>>{{2, 0, 1}}));
}

TEST(PeerLayouts, KMahjonggFilesThatAreNoLayoutsAreRefused) {
    const struct {
        const char* text;
        const char* reasonPart;
    } cases[] = {
        {"", "not a KMahjongg layout"},
        {"kmahjongg-layout-v2.0\n", "not a KMahjongg layout"},
        {"kmahjongg-layout-v1.1\nw8\nh4\n", "board size"},
        {"kmahjongg-layout-v1.1\nw8\nh4\nd0\n", "board size"},
        {"kmahjongg-layout-v1.1\nw8\nh1\nd1\n12\n12\n", "more rows"},
    };
    for (const auto& sample : cases) {
        const PeerFile read = readKMahjonggLayout(sample.text, "", "x");
        const std::string refusal =
            read.refusal.empty() && !read.layouts.empty() ? read.layouts[0].refusal : read.refusal;
        EXPECT_NE(refusal.find(sample.reasonPart), std::string::npos) << sample.text << " gave: " << refusal;
    }
}

TEST(PeerLayouts, GnomeMapsReadEveryMapAndRefuseOnlyTheBrokenOne) {
    const char* text =
        "<?xml version=\"1.0\"?>\n"
        "<!-- maps <of> tiles -->\n"
        "<mahjongg>\n"
        "  <map name=\"Easy &amp; small\" scorename=\"easy\">\n"
        "    <layer z=\"0\">\n"
        "      <row y=\"0\" left=\"0\" right=\"3\"/>\n"
        "      <column x=\"5\" top=\"0\" bottom=\"1.0\"/>\n"
        "      <block left=\"0\" right=\"1\" top=\"2\" bottom=\"3\"/>\n"
        "    </layer>\n"
        "    <tile x=\"0.5\" y=\"0\" z=\"1\"/>\n"
        "  </map>\n"
        "  <map name='Broken'><tile x=\"1.25\" y=\"0\"/></map>\n"
        "  <map scorename=\"third\"><layer z=\"2\"><tile x=\" 7 \" y=\"8.5\"/></layer></map>\n"
        "</mahjongg>\n";
    const PeerFile read = readGnomeMaps(text);
    ASSERT_TRUE(read.refusal.empty()) << read.refusal;
    ASSERT_EQ(read.layouts.size(), 3u);
    EXPECT_EQ(read.layouts[0].name, "Easy & small");
    EXPECT_EQ(tilesOf(read.layouts[0]), (std::vector<std::vector<int>>{{0, 0, 0},
                                                                       {2, 0, 0},
                                                                       {4, 0, 0},
                                                                       {6, 0, 0},
                                                                       {10, 0, 0},
                                                                       {10, 2, 0},
                                                                       {0, 4, 0},
                                                                       {2, 4, 0},
                                                                       {0, 6, 0},
                                                                       {2, 6, 0},
                                                                       {1, 0, 1}}));
    EXPECT_TRUE(read.layouts[0].refusal.empty());
    EXPECT_NE(read.layouts[1].refusal.find("1.25"), std::string::npos) << read.layouts[1].refusal;
    EXPECT_TRUE(read.layouts[1].tiles.empty());
    EXPECT_EQ(read.layouts[2].name, "third");
    EXPECT_EQ(tilesOf(read.layouts[2]), (std::vector<std::vector<int>>{{14, 17, 2}}));
}

TEST(PeerLayouts, GnomeMapFaultsAreRefusedWithTheirReason) {
    const struct {
        const char* text;
        const char* reasonPart;
    } cases[] = {
        {"<mahjongg><map name=\"m\"><tile x=\"1\" y=\"0\"></mahjongg>", "closed by another name"},
        {"<mahjongg><!-- open", "comment"},
        {"<layouts><map/></layouts>", "root is <layouts>"},
        {"<mahjongg></mahjongg>", "no <map>"},
        {"<mahjongg a=\"&bogus;\"/>", "character reference"},
        {"<mahjongg><map><tile x=\"-1\" y=\"0\"/></map></mahjongg>", "x=\"-1\""},
        {"<mahjongg><map><tile x=\"101\" y=\"0\"/></map></mahjongg>", "x=\"101\""},
        {"<mahjongg><map><tile x=\"1\"/></map></mahjongg>", "no y="},
        {"<mahjongg><map><tile x=\"1\" y=\"1\" z=\"0.5\"/></map></mahjongg>", "whole level"},
        {"<mahjongg><map><row y=\"0\" left=\"3\" right=\"1\"/></map></mahjongg>", "in order"},
        {"<mahjongg><map><row y=\"0\" left=\"0\" right=\"1.5\"/></map></mahjongg>", "whole tiles apart"},
        {"<mahjongg><map><sphere x=\"0\"/></map></mahjongg>", "not a tile"},
        {"<mahjongg><map><block left=\"0\" right=\"100\" top=\"0\" bottom=\"100\"/></map></mahjongg>",
         "more than 4096"},
    };
    for (const auto& sample : cases) {
        const PeerFile read = readGnomeMaps(sample.text);
        const std::string refusal =
            read.refusal.empty() && !read.layouts.empty() ? read.layouts[0].refusal : read.refusal;
        EXPECT_NE(refusal.find(sample.reasonPart), std::string::npos) << sample.text << " gave: " << refusal;
    }
    std::string deep = "<mahjongg>";
    for (int level = 0; level < 20; ++level) {
        deep += "<a>";
    }
    EXPECT_NE(readGnomeMaps(deep).refusal.find("too deep"), std::string::npos);
}

PeerLayout layoutOf(std::vector<PeerTile> tiles) {
    return {"Test", std::move(tiles), {}};
}

std::vector<PeerTile> rowOf(int count, int level = 0) {
    std::vector<PeerTile> tiles;
    for (int i = 0; i < count; ++i) {
        tiles.push_back({2 * i, 0, level});
    }
    return tiles;
}

TEST(PeerLayouts, LayoutsOrbeniCannotPlayAreRefused) {
    std::vector<PeerTile> many;
    for (int i = 0; i < 146; ++i) {
        many.push_back({2 * (i % 16), 2 * (i / 16 % 10), i / 160});
    }
    std::vector<PeerTile> tall;
    for (int level = 0; level < 6; ++level) {
        tall.push_back({0, 0, level});
        tall.push_back({4, 0, level});
    }
    const struct {
        std::vector<PeerTile> tiles;
        const char* reason;
    } cases[] = {
        {{}, "no tiles."},
        {many, "146 tiles, more than 144."},
        {rowOf(3), "3 tiles, an odd number."},
        {rowOf(18), "does not fit orbeni's grid: 36 half tiles wide, at most 34."},
        {{{0, 0, 0}, {0, 20, 0}}, "does not fit orbeni's grid: 22 half tiles high, at most 20."},
        {tall, "does not fit orbeni's grid: 6 levels, at most 5."},
        {{{0, 0, 0}, {1, 1, 0}}, "tiles overlap at level 1 row 2 column 2."},
        {{{0, 0, 0}, {4, 0, 1}}, "the tile at level 2 row 1 column 5 rests on nothing."},
        {{{0, 0, 0}, {0, 0, 1}}, "no order of moves clears it."},
    };
    for (const auto& sample : cases) {
        const auto converted = convertPeerLayout(layoutOf(sample.tiles), PeerFormat::KMahjongg);
        ASSERT_FALSE(converted) << sample.reason;
        EXPECT_EQ(converted.error(), sample.reason);
    }
    const auto inMap = convertPeerLayout(layoutOf({{0, 0, 0}, {1, 1, 0}}), PeerFormat::GnomeMap);
    ASSERT_FALSE(inMap);
    EXPECT_EQ(inMap.error(), "tiles overlap at x=0.5 y=0.5 z=0.");
}

// The empty cells of the grid left and right of a layout, above and below it.
struct Margins {
    int left = kColumns;
    int right = kColumns;
    int top = kRows;
    int bottom = kRows;
};

Margins marginsOf(const LayoutTemplate& layout) {
    Margins margins;
    for (int z = 1; z <= kLayers; ++z) {
        for (int y = 1; y <= kRows; ++y) {
            for (int x = 1; x <= kColumns; ++x) {
                if (layout.at(x, y, z) != 0) {
                    margins.left = std::min(margins.left, x - 1);
                    margins.right = std::min(margins.right, kColumns - (x + 1));
                    margins.top = std::min(margins.top, y - 1);
                    margins.bottom = std::min(margins.bottom, kRows - (y + 1));
                }
            }
        }
    }
    return margins;
}

TEST(PeerLayouts, ImportedLayoutsAreCentredWithTheirShapeKept) {
    const std::vector<std::vector<PeerTile>> shapes = {
        rowOf(2),
        [] {
            std::vector<PeerTile> fullWidth = rowOf(17);
            fullWidth.push_back({16, 0, 1});
            return fullWidth;
        }(),
        {{40, 30, 0}, {41, 32, 0}, {40, 30, 1}, {43, 30, 0}},
        {{0, 0, 0}, {0, 18, 0}},
    };
    for (const auto& tiles : shapes) {
        const auto converted = convertPeerLayout(layoutOf(tiles), PeerFormat::GnomeMap);
        ASSERT_TRUE(converted) << converted.error();
        const Margins margins = marginsOf(converted.value());
        EXPECT_LE(margins.right - margins.left, 1);
        EXPECT_GE(margins.right - margins.left, 0);
        EXPECT_LE(margins.bottom - margins.top, 1);
        EXPECT_GE(margins.bottom - margins.top, 0);
        EXPECT_EQ(converted.value().positionCount(), static_cast<int>(tiles.size()));
        const int shiftX =
            margins.left + 1 - std::min_element(tiles.begin(), tiles.end(), [](auto a, auto b) {
                                   return a.column < b.column;
                               })->column;
        const int shiftY = margins.top + 1 - std::min_element(tiles.begin(), tiles.end(), [](auto a, auto b) {
                                                 return a.row < b.row;
                                             })->row;
        for (const PeerTile& tile : tiles) {
            EXPECT_EQ(converted.value().at(tile.column + shiftX, tile.row + shiftY, tile.level + 1), 1);
        }
    }
}

TEST(PeerLayouts, AnImportedHeapOf144DealsAWinnableGame) {
    const LayoutTemplate heap = test::turtleLayout();
    const PeerFile read = readGnomeMaps(mapOf(heap));
    ASSERT_EQ(read.layouts.size(), 1u);
    const auto converted = convertPeerLayout(read.layouts[0], read.format);
    ASSERT_TRUE(converted) << converted.error();
    ASSERT_EQ(converted.value().positionCount(), kMaxTiles);
    Board board;
    RandomGenerator generator;
    const auto order = CreateBoard(board, converted.value(), generator, 4242, nullptr);
    ASSERT_TRUE(order.has_value());
    for (int k = 0; k < order->pairs; ++k) {
        const int a = board.cell(order->first[k]);
        const int b = board.cell(order->second[k]);
        ASSERT_TRUE(board.isFree(order->first[k], FreeRule::Horizontal) &&
                    board.isFree(order->second[k], FreeRule::Horizontal))
            << "pair " << k;
        EXPECT_EQ(matchGroup(a), matchGroup(b));
        board.remove(a);
        board.remove(b);
    }
    EXPECT_EQ(occupiedPositions(board).count, 0);
}

TEST(PeerLayouts, NamesLoseControlCharactersAndStayWithinBounds) {
    EXPECT_EQ(printableName("  Red\tMoon\n "), "Red Moon");
    const std::string longName(40, 'a');
    EXPECT_EQ(printableName(longName + longName).size(), 64u);
    // A two-byte character across the cut goes whole.
    const std::string accented = std::string(63, 'a') + "\xC3\xA9";
    EXPECT_EQ(printableName(accented), std::string(63, 'a'));
}

}  // namespace
}  // namespace orbeni
