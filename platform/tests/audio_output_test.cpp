#include "platform/audio/audio_output.h"

#include <cstdlib>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/audio/wave_player.h"
#include "platform/tests/audio_test_support.h"

namespace platform {
namespace {

using namespace std::chrono_literals;

// A source that plays one level on both sides for a given number of frames.
class LevelSource : public AudioSource {
public:
    LevelSource(float level, int frames) : m_level(level), m_framesLeft(frames) {}
    void render(float* frames, int frameCount) override {
        for (int i = 0; i < frameCount; ++i) {
            const float value = i < m_framesLeft ? m_level : 0.0f;
            frames[2 * i] = value;
            frames[2 * i + 1] = value;
        }
        m_framesLeft = std::max(0, m_framesLeft - frameCount);
        ++m_renders;
    }
    bool isSounding() const override { return m_framesLeft > 0; }
    int renders() const { return m_renders; }

private:
    float m_level;
    int m_framesLeft;
    int m_renders = 0;
};

class AudioOutputTest : public testing::ManualAudioTest {};

TEST_F(AudioOutputTest, TheOutputAddsUpItsSourcesUntilTheyFallSilent) {
    LevelSource quiet(0.25f, 100);
    LevelSource loud(0.5f, 3000);
    const std::shared_ptr<AudioOutput> output = AudioOutput::shared();
    EXPECT_EQ(AudioOutput::shared(), output) << "one output while it is held";
    output->add(quiet);
    output->add(loud);
    const std::vector<float> heard = m_audio->render(200);
    EXPECT_FLOAT_EQ(heard[0], 0.75f);
    EXPECT_FLOAT_EQ(heard[2 * 99 + 1], 0.75f);
    EXPECT_FLOAT_EQ(heard[2 * 100], 0.5f) << "the quiet one has ended";
    EXPECT_TRUE(m_audio->renderUntilSilent());
    EXPECT_FALSE(loud.isSounding());
    EXPECT_LT(m_audio->framesRendered(), 3000u + 1024u) << "rendering stops once all is silent";
    output->remove(loud);
    const int renders = loud.renders();
    m_audio->render(10);
    EXPECT_EQ(loud.renders(), renders) << "a removed source is not asked again";
    output->remove(quiet);
}

TEST_F(AudioOutputTest, TheDeviceIsOpenOnlyWhileSomebodyHoldsTheOutput) {
    EXPECT_FALSE(AudioOutput::inUse());
    EXPECT_FALSE(m_audio->isOpen());
    {
        const std::shared_ptr<AudioOutput> output = AudioOutput::shared();
        EXPECT_TRUE(output->isOpen());
        EXPECT_TRUE(AudioOutput::inUse());
        EXPECT_TRUE(m_audio->isOpen());
        EXPECT_EQ(output->sampleRate(), AudioOutput::kSampleRate);
    }
    EXPECT_FALSE(AudioOutput::inUse());
    EXPECT_FALSE(m_audio->isOpen());
    EXPECT_EQ(testing::peak(m_audio->render(10ms)), 0.0f);
    EXPECT_TRUE(m_audio->renderUntilSilent()) << "nothing open, nothing to hear";
}

TEST_F(AudioOutputTest, WithoutAnyDeviceNoSourceIsEverCalled) {
    m_audio->unplug();
    LevelSource source(0.5f, 1000);
    const std::shared_ptr<AudioOutput> output = AudioOutput::shared();
    EXPECT_FALSE(output->isOpen());
    output->add(source);
    EXPECT_EQ(testing::peak(m_audio->render(100)), 0.0f);
    EXPECT_TRUE(m_audio->renderUntilSilent());
    EXPECT_EQ(source.renders(), 0);
    output->remove(source);
}

// Sets an environment variable for the life of the object, then puts back what was there.
class EnvironmentValue {
public:
    EnvironmentValue(const char* name, const char* value) : m_name(name) {
        if (const char* before = std::getenv(name)) {
            m_before = before;
        }
        setenv(name, value, 1);
    }
    ~EnvironmentValue() {
        if (m_before) {
            setenv(m_name, m_before->c_str(), 1);
        } else {
            unsetenv(m_name);
        }
    }

private:
    const char* m_name;
    std::optional<std::string> m_before;
};

using SdlAudioTest = testing::AudioFileTest;

// The program's own path: SDL's device opens for a sound and closes with its last holder, on the
// silent driver as on a machine without sound hardware.
TEST_F(SdlAudioTest, TheSoundCardOpensForASoundAndClosesWithTheLastHolder) {
    const auto wave = fileWith(testing::waveFile(4.0), "long.wav");
    for (const char* driver : {"dummy", "no-such-driver"}) {
        const EnvironmentValue audioDriver("SDL_AUDIODRIVER", driver);
        EXPECT_FALSE(AudioOutput::hasPlaybackDevice()) << driver;
        {
            WavePlayer player;
            player.play(wave);
            EXPECT_TRUE(player.hasOutput()) << driver;
            EXPECT_TRUE(player.isPlaying()) << driver;
            EXPECT_TRUE(AudioOutput::inUse()) << driver;
        }
        EXPECT_FALSE(AudioOutput::inUse()) << driver;
    }
}

}  // namespace
}  // namespace platform
