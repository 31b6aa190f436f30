#include "platform/audio/wave_player.h"

#include <gtest/gtest.h>

#include "platform/tests/audio_test_support.h"

namespace platform {
namespace {

using namespace std::chrono_literals;

class WavePlayerTest : public testing::ManualAudioTest {};

TEST_F(WavePlayerTest, SoundsPlayInTheBackgroundAndEnd) {
    WavePlayer player;
    EXPECT_FALSE(player.hasOutput()) << "nothing is open before the first sound";
    const struct {
        const char* what;
        std::filesystem::path file;
        int milliseconds;
    } cases[] = {
        {"wave file", fileWith(testing::waveFile(0.1), "select.wav"), 100},
        {"missing file: the default beep", m_folder / "noway.wav", 150},
        {"not a wave file: the default beep", fileWith({'R', 'I', 'F', 'F', 0, 0}, "done.wav"), 150},
    };
    for (const auto& c : cases) {
        player.play(c.file);
        ASSERT_TRUE(player.hasOutput());
        EXPECT_TRUE(player.isPlaying()) << c.what;  // play() came back before the sound ended
        EXPECT_NEAR(player.timeLeft().count(), c.milliseconds, 1) << c.what;
        EXPECT_GT(testing::peak(m_audio->render(20ms)), 0.01f) << c.what;
        EXPECT_NEAR(player.timeLeft().count(), c.milliseconds - 20, 1) << c.what;
        EXPECT_TRUE(m_audio->renderUntilSilent()) << c.what;
        EXPECT_FALSE(player.isPlaying()) << c.what;
        EXPECT_EQ(player.timeLeft().count(), 0) << c.what;
    }
}

TEST_F(WavePlayerTest, ASilentPlayerPlaysWavesInMemoryAndNothingForABadOne) {
    WavePlayer player(MissingWave::Silence);
    const std::vector<std::uint8_t> wave = testing::waveFile(0.1);
    player.play(std::span<const std::uint8_t>(wave));
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(m_audio->renderUntilSilent());
    EXPECT_FALSE(player.isPlaying());

    const std::vector<std::uint8_t> cut(wave.begin(), wave.begin() + 20);
    player.play(std::span<const std::uint8_t>(cut));
    EXPECT_FALSE(player.isPlaying());
    player.play(m_folder / "missing.wav");
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(testing::peak(m_audio->render(50ms)), 0.0f);
}

TEST_F(WavePlayerTest, TheDeviceClosesOnceTheLastSoundHasEndedAndOpensForTheNext) {
    WavePlayer player;
    const auto wave = fileWith(testing::waveFile(0.2), "remove.wav");
    player.play(wave);
    EXPECT_NEAR(player.timeLeft().count(), 200, 1);
    m_audio->render(150ms);
    EXPECT_NEAR(player.timeLeft().count(), 50, 1);
    player.closeWhenSilent();
    EXPECT_TRUE(AudioOutput::inUse()) << "kept while the sound plays";
    EXPECT_TRUE(m_audio->isOpen());
    ASSERT_TRUE(m_audio->renderUntilSilent());
    EXPECT_EQ(player.timeLeft().count(), 0);
    player.closeWhenSilent();
    EXPECT_FALSE(AudioOutput::inUse());
    EXPECT_FALSE(m_audio->isOpen());
    player.play(wave);
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(AudioOutput::inUse());
    EXPECT_TRUE(m_audio->isOpen());
}

TEST_F(WavePlayerTest, NewSoundCutsOffTheOneStillPlaying) {
    WavePlayer player;
    player.play(fileWith(testing::waveFile(4.0), "long.wav"));
    m_audio->render(20ms);
    player.play(fileWith(testing::waveFile(0.05), "short.wav"));
    EXPECT_NEAR(player.timeLeft().count(), 50, 1);
    const std::uint64_t before = m_audio->framesRendered();
    ASSERT_TRUE(m_audio->renderUntilSilent());
    // Queued behind the long one it would take four seconds.
    EXPECT_LT(m_audio->framesRendered() - before, std::uint64_t{AudioOutput::kSampleRate} / 10);
}

TEST_F(WavePlayerTest, WavesKeepTheirLengthAtAnyRateOfTheDevice) {
    const std::vector<std::uint8_t> wave = testing::waveFile(0.1, 11025);
    for (int rate : {22050, 44100, 48000}) {
        const auto device = ManualAudioDevice::install(rate);
        WavePlayer player;
        player.play(std::span<const std::uint8_t>(wave));
        EXPECT_NEAR(player.timeLeft().count(), 100, 1) << rate;
        device->render(rate / 40);  // 25 ms
        EXPECT_NEAR(player.timeLeft().count(), 75, 1) << rate;
        device->render(rate * 7 / 100);
        EXPECT_GT(testing::peak(device->render(rate / 200)), 0.01f) << rate << ": the end is heard";
        EXPECT_FALSE(player.isPlaying()) << rate;
    }
}

TEST_F(WavePlayerTest, WithoutAnyPlaybackDeviceEverySoundIsDroppedSilently) {
    m_audio->unplug();
    WavePlayer player;
    player.play(fileWith(testing::waveFile(0.05), "select.wav"));
    EXPECT_FALSE(player.hasOutput());
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(player.timeLeft().count(), 0);
    player.closeWhenSilent();
    EXPECT_FALSE(AudioOutput::inUse());
}

}  // namespace
}  // namespace platform
