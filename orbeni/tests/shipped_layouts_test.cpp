#include <gtest/gtest.h>

#include <filesystem>

#include "orbeni/board/deal.h"
#include "orbeni/layouts/layout_file.h"
#include "orbeni/layouts/layout_list.h"

namespace orbeni {
namespace {

// Answers whether the layer below (x, y, z) in the layout carries it, by the editor's rule.
bool isCarried(const LayoutTemplate& layout, int x, int y, int z) {
    if (z == 1) {
        return true;
    }
    Board below;
    int tile = 1;
    for (int by = 1; by <= kRows; ++by) {
        for (int bx = 1; bx <= kColumns; ++bx) {
            if (layout.at(bx, by, z - 1) != 0) {
                below.place(tile++, {bx, by, z - 1});
            }
        }
    }
    return below.isSupported({x, y, z});
}

// Answers whether every tile's whole picture, edges included, lies on the 704 x 468 board.
bool liesOnTheBoardPicture(const LayoutTemplate& layout) {
    bool inside = true;
    for (int z = 1; z <= kLayers; ++z) {
        for (int y = 1; y <= kRows; ++y) {
            for (int x = 1; x <= kColumns; ++x) {
                if (layout.at(x, y, z) == 0) {
                    continue;
                }
                const int left = CoordX(x - 1, z - 1) - 6;
                const int top = CoordY(y - 1, z - 1);
                const bool onBoard = left >= 0 && top >= 0 && left + 46 <= 704 && top + 56 <= 468;
                EXPECT_TRUE(onBoard) << x << "," << y << "," << z << " at " << left << "," << top;
                inside = inside && onBoard;
            }
        }
    }
    return inside;
}

TEST(ShippedLayouts, EveryLayoutIsAPlayableHeapOf144) {
    LayoutList list;
    list.build(ORBENI_LAYOUTS_DIR);
    ASSERT_GE(list.count(), 9);
    EXPECT_EQ(list.entry(1)->caption, "Classic");
    for (int n = 1; n <= list.count(); ++n) {
        const LayoutEntry& entry = *list.entry(n);
        LayoutTemplate layout;
        if (entry.kind == LayoutKind::Lay) {
            const auto read = readLayFile(entry.file);
            ASSERT_TRUE(read && read.value().hasVersionMark) << entry.caption;
            layout = read.value().layout;
        } else {
            const auto read = readShpFile(entry.file);
            ASSERT_TRUE(read) << entry.caption;
            layout = read.value();
        }
        ASSERT_EQ(layout.positionCount(), 144) << entry.caption;
        EXPECT_TRUE(liesOnTheBoardPicture(layout)) << entry.caption;
        for (int z = 1; z <= kLayers; ++z) {
            for (int y = 1; y <= kRows; ++y) {
                for (int x = 1; x <= kColumns; ++x) {
                    if (layout.at(x, y, z) == 0) {
                        continue;
                    }
                    for (int dx = -1; dx <= 1; ++dx) {
                        for (int dy = -1; dy <= 1; ++dy) {
                            EXPECT_TRUE((dx == 0 && dy == 0) || layout.at(x + dx, y + dy, z) == 0)
                                << entry.caption << " overlaps at " << x << "," << y << "," << z;
                        }
                    }
                    EXPECT_TRUE(isCarried(layout, x, y, z))
                        << entry.caption << " " << x << "," << y << "," << z;
                }
            }
        }
        Board board;
        RandomGenerator generator;
        const auto order = CreateBoard(board, layout, generator, 1000u + static_cast<unsigned>(n), nullptr);
        ASSERT_TRUE(order.has_value()) << entry.caption;
        for (int k = 0; k < order->pairs; ++k) {
            ASSERT_TRUE(board.isFree(order->first[k], FreeRule::Horizontal)) << entry.caption;
            ASSERT_TRUE(board.isFree(order->second[k], FreeRule::Horizontal)) << entry.caption;
            board.remove(board.cell(order->first[k]));
            board.remove(board.cell(order->second[k]));
        }
        EXPECT_EQ(occupiedPositions(board).count, 0) << entry.caption;
    }
}

}  // namespace
}  // namespace orbeni
