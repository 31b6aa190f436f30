#include "platform/audio/wave_player.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/tests/audio_test_support.h"

namespace platform {
namespace {

using namespace std::chrono_literals;
using testing::waitUntil;

class WavePlayerTest : public testing::AudioFileTest {};

TEST_F(WavePlayerTest, SoundsPlayInTheBackgroundAndEnd) {
    WavePlayer player;
    EXPECT_FALSE(player.hasOutput()) << "nothing is open before the first sound";
    const struct {
        const char* what;
        std::filesystem::path file;
    } cases[] = {
        {"wave file", fileWith(testing::waveFile(0.1), "select.wav")},
        {"missing file: the default beep", m_folder / "noway.wav"},
        {"not a wave file: the default beep", fileWith({'R', 'I', 'F', 'F', 0, 0}, "done.wav")},
    };
    for (const auto& c : cases) {
        player.play(c.file);
        ASSERT_TRUE(player.hasOutput());
        EXPECT_TRUE(player.isPlaying()) << c.what;  // play() came back before the sound ended
        EXPECT_TRUE(waitUntil([&] { return !player.isPlaying(); })) << c.what;
    }
}

TEST_F(WavePlayerTest, ASilentPlayerPlaysWavesInMemoryAndNothingForABadOne) {
    WavePlayer player(MissingWave::Silence);
    const std::vector<std::uint8_t> wave = testing::waveFile(0.1);
    player.play(std::span<const std::uint8_t>(wave));
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(waitUntil([&] { return !player.isPlaying(); }));

    const std::vector<std::uint8_t> cut(wave.begin(), wave.begin() + 20);
    player.play(std::span<const std::uint8_t>(cut));
    EXPECT_FALSE(player.isPlaying());
    player.play(m_folder / "missing.wav");
    EXPECT_FALSE(player.isPlaying());
}

TEST_F(WavePlayerTest, TheDeviceClosesOnceTheLastSoundHasEndedAndOpensForTheNext) {
    WavePlayer player;
    const auto wave = fileWith(testing::waveFile(0.2), "remove.wav");
    player.play(wave);
    EXPECT_GT(player.timeLeft().count(), 100);
    player.closeWhenSilent();
    EXPECT_TRUE(AudioOutput::inUse()) << "kept while the sound plays";
    ASSERT_TRUE(waitUntil([&] { return !player.isPlaying(); }));
    EXPECT_EQ(player.timeLeft().count(), 0);
    player.closeWhenSilent();
    EXPECT_FALSE(AudioOutput::inUse());
    player.play(wave);
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(AudioOutput::inUse());
}

TEST_F(WavePlayerTest, NewSoundCutsOffTheOneStillPlaying) {
    WavePlayer player;
    player.play(fileWith(testing::waveFile(4.0), "long.wav"));
    std::this_thread::sleep_for(20ms);
    player.play(fileWith(testing::waveFile(0.05), "short.wav"));
    // Queued behind the long one it would take four seconds.
    EXPECT_TRUE(waitUntil([&] { return !player.isPlaying(); }, 2s));
}

TEST_F(WavePlayerTest, WithoutSoundHardwareEverythingIsSilentButWorks) {
    // Later tests of this process get the same fallback.
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    WavePlayer player;
    player.play(fileWith(testing::waveFile(0.05), "select.wav"));
    EXPECT_TRUE(player.hasOutput());
    EXPECT_TRUE(waitUntil([&] { return !player.isPlaying(); }));
}

}  // namespace
}  // namespace platform
