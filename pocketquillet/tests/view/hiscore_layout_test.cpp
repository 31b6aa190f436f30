#include "pocketquillet/view/hiscore_layout.h"

#include <gtest/gtest.h>

namespace pocketquillet {
namespace {

// The view lists ten rows 12 px apart below its headline, and shows the running game's scores in
// their own colour.
TEST(HiscoreLayoutTest, RowsStandBelowTheHeadlineAndRunningScoresStandOut) {
    EXPECT_EQ(rowTop(1), 35);
    for (int rank = 2; rank <= kHiscoreEntries; ++rank) {
        EXPECT_EQ(rowTop(rank) - rowTop(rank - 1), kRowHeight) << rank;
    }
    EXPECT_NE(rowColour(RowSource::RunningGame), rowColour(RowSource::Stored));
    EXPECT_EQ(rowColour(RowSource::Stored), (Rgb{0, 128, 0}));
}

}  // namespace
}  // namespace pocketquillet
