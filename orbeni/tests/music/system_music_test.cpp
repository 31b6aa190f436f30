#include "orbeni/music/system_music.h"

#include <gtest/gtest.h>

#include "orbeni/board/random_generator.h"
#include "orbeni/tests/music/music_fakes.h"
#include "platform/audio/manual_audio_device.h"
#include "platform/tests/audio_test_support.h"

namespace orbeni {
namespace {

using SystemMusicTest = testing::ProgramFolderTest;

TEST_F(SystemMusicTest, PiecesEndOnTheRealSequencerAndRandomMusicMovesOn) {
    const auto piece = platform::testing::oneNoteMidi(96);  // a tenth of a second
    const std::string bytes(piece.begin(), piece.end());
    addPiece("first.mid", bytes);
    addPiece("second.mid", bytes);
    const auto audio = platform::ManualAudioDevice::install();
    testing::RecordingMusicHost host;
    RandomGenerator random;
    Options options;
    SystemMusic music(m_folder, host, random, options);
    ASSERT_TRUE(music.build(1));
    music.options().randomMusic = true;

    music.LoadMidiClick(1);
    ASSERT_EQ(host.statuses.size(), 1u) << (host.errors.empty() ? "" : host.errors[0]);
    audio->render(std::chrono::milliseconds(50));
    music.poll();
    EXPECT_EQ(host.statuses.size(), 1u) << "half-way through the piece";
    EXPECT_EQ(music.pollDelay(), 50u);
    for (std::size_t piecesHeard = 1; piecesHeard < 3; ++piecesHeard) {
        ASSERT_TRUE(audio->renderUntilSilent());
        music.poll();
        EXPECT_EQ(host.statuses.size(), piecesHeard + 1) << "the next random piece is chosen";
    }
    EXPECT_TRUE(host.errors.empty());
    // No file: the default beep, and no message.
    EXPECT_EQ(music.playSound(Sound::Select), std::chrono::milliseconds(150));
    music.close();
    EXPECT_TRUE(audio->renderUntilSilent());
    music.closeSilentEffects();
    EXPECT_FALSE(platform::AudioOutput::inUse()) << "nothing heard, nothing held";
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(SystemMusicTest, PieceTheSequencerCannotReadIsReportedInWords) {
    addPiece("broken.mid", "not music");
    testing::RecordingMusicHost host;
    RandomGenerator random;
    Options options;
    SystemMusic music(m_folder, host, random, options);
    ASSERT_TRUE(music.build(1));
    music.LoadMidiClick(1);
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_NE(host.errors[0].find("cannot be played on the sequencer"), std::string::npos);
    EXPECT_TRUE(host.statuses.empty());
    music.PlayMusicClick();
    EXPECT_EQ(host.errors.back(), "No MCI device open");
}

}  // namespace
}  // namespace orbeni
