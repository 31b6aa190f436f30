#include "platform/audio/midi_sequencer.h"

#include <gtest/gtest.h>

#include "platform/audio/wave_player.h"

#include "platform/tests/audio_test_support.h"

namespace platform {
namespace {

using namespace std::chrono_literals;

class MidiSequencerTest : public testing::ManualAudioTest {
protected:
    bool ended() const {
        return m_sequencer.position() >= m_sequencer.startPosition() + m_sequencer.length();
    }

    MidiSequencer m_sequencer;
};

TEST_F(MidiSequencerTest, PlayedPieceAdvancesToItsEnd) {
    ASSERT_TRUE(m_sequencer.open(fileWith(testing::oneNoteMidi(288), "short.mid")));  // 300 ms
    EXPECT_TRUE(m_sequencer.isOpen());
    EXPECT_EQ(m_sequencer.length(), 300u);
    EXPECT_EQ(m_sequencer.position(), 0u);
    EXPECT_FALSE(m_sequencer.isPlaying());

    ASSERT_TRUE(m_sequencer.play());
    const std::vector<float> heard = m_audio->render(100ms);
    EXPECT_EQ(m_sequencer.position(), 100u);
    EXPECT_GT(testing::peak(heard), 0.01f) << "the note sounds with the General MIDI font";
    EXPECT_TRUE(m_audio->renderUntilSilent());
    EXPECT_TRUE(ended());
    EXPECT_EQ(m_sequencer.position(), 300u);
    EXPECT_TRUE(m_sequencer.isPlaying()) << "it waits at its end to be rewound";

    ASSERT_TRUE(m_sequencer.seekToStart());
    EXPECT_EQ(m_sequencer.position(), 0u);
    ASSERT_TRUE(m_sequencer.play());
    EXPECT_GT(testing::peak(m_audio->render(100ms)), 0.01f) << "the note sounds again";
    EXPECT_TRUE(m_audio->renderUntilSilent());
    EXPECT_TRUE(ended());
}

TEST_F(MidiSequencerTest, StopKeepsThePositionAndPlayGoesOn) {
    ASSERT_TRUE(m_sequencer.open(fileWith(testing::oneNoteMidi(960), "long.mid")));  // one second
    ASSERT_TRUE(m_sequencer.play());
    m_audio->render(100ms);
    ASSERT_TRUE(m_sequencer.stop());
    const std::uint32_t stoppedAt = m_sequencer.position();
    EXPECT_EQ(stoppedAt, 100u);
    m_audio->render(100ms);
    EXPECT_EQ(m_sequencer.position(), stoppedAt);
    EXPECT_FALSE(m_sequencer.isPlaying());

    ASSERT_TRUE(m_sequencer.play());
    m_audio->render(50ms);
    EXPECT_EQ(m_sequencer.position(), stoppedAt + 50);
    EXPECT_TRUE(m_audio->renderUntilSilent());
    EXPECT_TRUE(ended());
}

// Music that is not heard keeps no sound device awake: the output is held only while it plays.
TEST_F(MidiSequencerTest, OutputIsHeldOnlyWhileThePiecePlays) {
    ASSERT_FALSE(AudioOutput::inUse());
    ASSERT_TRUE(m_sequencer.open(fileWith(testing::oneNoteMidi(960), "long.mid")));
    EXPECT_FALSE(AudioOutput::inUse()) << "opened, waiting at its start";
    ASSERT_TRUE(m_sequencer.play());
    EXPECT_TRUE(AudioOutput::inUse());
    EXPECT_TRUE(m_audio->isOpen());
    m_audio->render(10ms);
    ASSERT_TRUE(m_sequencer.stop());
    EXPECT_FALSE(AudioOutput::inUse()) << "paused";
    EXPECT_FALSE(m_audio->isOpen()) << "paused";
    ASSERT_TRUE(m_sequencer.play());
    EXPECT_TRUE(AudioOutput::inUse());
    ASSERT_TRUE(m_sequencer.seekToStart());
    EXPECT_FALSE(AudioOutput::inUse()) << "rewound, waiting at its start";
    ASSERT_TRUE(m_sequencer.play());
    m_sequencer.close();
    EXPECT_FALSE(AudioOutput::inUse()) << "closed";
    EXPECT_FALSE(m_audio->isOpen()) << "closed";
}

TEST_F(MidiSequencerTest, FilesItCannotOpenGiveAReason) {
    const struct {
        const char* what;
        std::filesystem::path file;
    } cases[] = {
        {"missing", m_folder / "gone.mid"},
        {"a folder", m_folder},
        {"text", fileWith({'h', 'e', 'l', 'l', 'o'}, "text.mid")},
        {"cut short", fileWith(testing::Bytes(20, 0x4D), "cut.mid")},
    };
    for (const auto& c : cases) {
        const auto opened = m_sequencer.open(c.file);
        EXPECT_FALSE(opened) << c.what;
        EXPECT_FALSE(opened.error().empty()) << c.what;
        EXPECT_FALSE(m_sequencer.isOpen()) << c.what;
    }
    EXPECT_NE(m_sequencer.open(m_folder / "gone.mid").error(),
              m_sequencer.open(m_folder / "text.mid").error());
}

TEST_F(MidiSequencerTest, ClosedDeviceSaysSoAndStandsAtZero) {
    const auto check = [&](const char* when) {
        EXPECT_EQ(m_sequencer.play().error(), "No MCI device open") << when;
        EXPECT_EQ(m_sequencer.stop().error(), "No MCI device open") << when;
        EXPECT_EQ(m_sequencer.seekToStart().error(), "No MCI device open") << when;
        EXPECT_FALSE(m_sequencer.isOpen()) << when;
        EXPECT_EQ(m_sequencer.position(), 0u) << when;
        EXPECT_EQ(m_sequencer.length(), 0u) << when;
    };
    check("never opened");
    ASSERT_TRUE(m_sequencer.open(fileWith(testing::oneNoteMidi(240), "piece.mid")));
    ASSERT_TRUE(m_sequencer.play());
    m_audio->render(10ms);
    m_sequencer.close();
    check("closed");
    m_sequencer.close();
    check("closed twice");
}

TEST_F(MidiSequencerTest, PieceKeepsTimeWithoutASoundFont) {
    MidiSequencer silent(m_folder / "no-such-font.sf2");
    ASSERT_TRUE(silent.open(fileWith(testing::oneNoteMidi(96), "piece.mid")));
    ASSERT_TRUE(silent.play());
    EXPECT_EQ(testing::peak(m_audio->render(50ms)), 0.0f);
    EXPECT_EQ(silent.position(), 50u);
    EXPECT_TRUE(m_audio->renderUntilSilent());
    EXPECT_EQ(silent.position(), silent.length());
}

TEST_F(MidiSequencerTest, WithoutAnyPlaybackDevicePlayFailsAndSaysWhy) {
    m_audio->unplug();
    ASSERT_TRUE(m_sequencer.open(fileWith(testing::oneNoteMidi(96), "piece.mid")));
    const auto played = m_sequencer.play();
    EXPECT_FALSE(played);
    EXPECT_NE(played.error().find("no sound output"), std::string::npos) << played.error();
    EXPECT_FALSE(m_sequencer.isPlaying());
    EXPECT_FALSE(AudioOutput::inUse());
}

TEST_F(MidiSequencerTest, OpeningAnotherPieceReplacesTheFirst) {
    ASSERT_TRUE(m_sequencer.open(fileWith(testing::oneNoteMidi(960), "long.mid")));
    ASSERT_TRUE(m_sequencer.play());
    m_audio->render(200ms);
    ASSERT_TRUE(m_sequencer.open(fileWith(testing::oneNoteMidi(96), "short.mid")));
    EXPECT_EQ(m_sequencer.length(), 100u);
    EXPECT_EQ(m_sequencer.position(), 0u);
    EXPECT_FALSE(m_sequencer.isPlaying());
    ASSERT_TRUE(m_sequencer.play());
    EXPECT_TRUE(m_audio->renderUntilSilent());
    EXPECT_EQ(m_sequencer.position(), 100u);
}

TEST_F(MidiSequencerTest, MusicAndWaveEffectsShareTheOutput) {
    WavePlayer effects;
    effects.play(fileWith(testing::waveFile(0.05), "select.wav"));
    ASSERT_TRUE(m_sequencer.open(fileWith(testing::oneNoteMidi(96), "piece.mid")));
    ASSERT_TRUE(m_sequencer.play());
    m_audio->render(20ms);
    EXPECT_EQ(m_sequencer.position(), 20u);
    EXPECT_NEAR(effects.timeLeft().count(), 30, 1);
    effects.play(m_folder / "missing.wav");
    EXPECT_TRUE(m_audio->renderUntilSilent());
    EXPECT_TRUE(ended());
    EXPECT_FALSE(effects.isPlaying());
}

}  // namespace
}  // namespace platform
