#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "orbeni/game/host.h"
#include "orbeni/game/status_line.h"
#include "recording_host.h"

namespace orbeni {
namespace {

// A new message slides in two characters a tick, or shows whole at once without Cool Status;
// the no-more-moves text swings back and forth for as long as it shows.
TEST(StatusLine, MessagesSlideInAndTheNoMoreMovesTextSwings) {
    const struct {
        const char* what;
        bool coolStatus;
        bool noMoreMoves;
        std::vector<int> positions;
    } cases[] = {
        {"sliding", true, false, {7, 5, 3, 1, 1, 1}},
        {"at once", false, false, {1, 1, 1, 1, 1, 1}},
        {"swinging", true, true, {29, 27, 25, 23, 21, 19}},
    };
    for (const auto& c : cases) {
        test::RecordingHost host;
        StatusLine status(host);
        if (c.noMoreMoves) {
            status.showNoMoreMoves();
        } else {
            status.ShowStatus("Pause ON.");
            // The text starts sliding in from its last character.
            EXPECT_EQ(host.panel(StatusPanel::Message), ".") << c.what;
        }
        std::vector<int> positions;
        for (std::size_t tick = 0; tick < c.positions.size(); ++tick) {
            status.reveal(c.coolStatus);
            positions.push_back(status.message().position());
        }
        EXPECT_EQ(positions, c.positions) << c.what;
        EXPECT_EQ(host.panel(StatusPanel::Message), std::string(status.message().visible())) << c.what;
        EXPECT_EQ(status.revealing(), c.noMoreMoves) << c.what;
    }
}

}  // namespace
}  // namespace orbeni
