#include "orbeni/music/music.h"

#include <gtest/gtest.h>

#include "orbeni/board/random_generator.h"
#include "orbeni/tests/music/music_fakes.h"

namespace orbeni {
namespace {

using Calls = std::vector<std::string>;
using Texts = std::vector<std::string>;

class MusicTest : public testing::ProgramFolderTest {
protected:
    // Builds the menu from pieces a, b and c with the given switches; nothing asked of the device yet.
    void buildWithThreePieces(Options options = {}, int storedNumber = 1) {
        for (const char* name : {"b.MID", "a.mid", "c.mid"}) {
            addPiece(name);
        }
        m_music.options() = options;
        ASSERT_TRUE(m_music.build(storedNumber));
    }
    // Lets the open piece reach its end, then gives the timer its tick.
    void endPieceAndTick() {
        m_device.currentPosition = m_device.start + m_device.pieceLength;
        m_music.poll();
    }
    static Options musicOff() {
        Options options;
        options.playMusic = false;
        return options;
    }

    testing::FakeMusicDevice m_device;
    testing::FakeWaveEffects m_effects;
    testing::RecordingMusicHost m_host;
    RandomGenerator m_random;
    Options m_options;
    Music m_music{m_folder, m_device, m_effects, m_host, m_random, m_options};
};

TEST_F(MusicTest, StoredPieceNumberIsKeptWithinThePieces) {
    const struct {
        int stored;
        int kept;
    } cases[] = {{5, 3}, {0, 1}, {-2, 1}, {2, 2}, {3, 3}};
    buildWithThreePieces();
    for (const auto& c : cases) {
        ASSERT_TRUE(m_music.build(c.stored));
        EXPECT_EQ(m_music.midiNumber(), c.kept) << c.stored;
        EXPECT_EQ(m_music.MusicCount(), 3);
    }
}

TEST_F(MusicTest, NoPieceMeansTheProgramCannotRun) {
    addPiece("readme.txt");
    EXPECT_FALSE(m_music.build(1));
    EXPECT_EQ(m_music.MusicCount(), 0);
    m_music.poll();
    m_music.LoadMidiClick(1);
    EXPECT_TRUE(m_device.calls.empty());
}

TEST_F(MusicTest, ChoosingAPieceWithMusicOnPlaysItAndSaysSo) {
    buildWithThreePieces();
    m_music.LoadMidiClick(2);
    EXPECT_EQ(m_device.calls, (Calls{"close", "open b.MID", "play"}));
    EXPECT_EQ(m_device.openFile, m_folder / "Musics" / "b.MID");
    EXPECT_EQ(m_host.statuses, (Texts{"Music B selected."}));
    EXPECT_EQ(m_music.midiNumber(), 2);
}

TEST_F(MusicTest, ChoosingAPieceWithMusicOffOnlyMovesTheMark) {
    buildWithThreePieces(musicOff());
    m_music.LoadMidiClick(3);
    EXPECT_EQ(m_music.midiNumber(), 3);
    EXPECT_TRUE(m_device.calls.empty());
    EXPECT_TRUE(m_host.statuses.empty());
    m_music.LoadMidiClick(0);
    m_music.LoadMidiClick(4);
    EXPECT_EQ(m_music.midiNumber(), 3);
}

TEST_F(MusicTest, EndedPieceStartsAgainUnlessRandomMusic) {
    buildWithThreePieces();
    m_music.LoadMidiClick(1);
    m_device.calls.clear();

    m_device.start = 40;
    m_device.currentPosition = 40 + 999;
    m_music.poll();
    EXPECT_TRUE(m_device.calls.empty()) << "one millisecond before the end";
    endPieceAndTick();
    EXPECT_EQ(m_device.calls, (Calls{"seek", "play"}));
    EXPECT_EQ(m_device.currentPosition, 0u);

    RandomGenerator expected;
    expected.setSeed(77);
    m_random.setSeed(77);
    m_music.options().randomMusic = true;
    for (int round = 0; round < 6; ++round) {
        const int piece = expected.random(3) + 1;
        m_device.calls.clear();
        endPieceAndTick();
        EXPECT_EQ(m_music.midiNumber(), piece);
        EXPECT_EQ(m_device.calls,
                  (Calls{"close", "open " + m_music.pieces()[piece - 1].file.string(), "play"}));
    }
}

// The timer sleeps until the piece can have ended, and not at all while nothing plays.
TEST_F(MusicTest, PollIsDueWhenThePieceCanHaveEnded) {
    buildWithThreePieces();
    EXPECT_EQ(m_music.pollDelay(), std::nullopt) << "no piece open";
    m_music.LoadMidiClick(1);
    m_device.start = 40;
    const struct {
        std::uint32_t position;
        std::uint32_t delay;
    } playing[] = {{40, 1000}, {40 + 700, 300}, {40 + 995, 10}, {40 + 1000, 10}};
    for (const auto& c : playing) {
        m_device.currentPosition = c.position;
        EXPECT_EQ(m_music.pollDelay(), c.delay) << c.position;
    }
    m_music.mediaPause();
    EXPECT_EQ(m_music.pollDelay(), std::nullopt) << "paused by the media control";
    m_music.mediaPlay();
    m_music.PlayMusicClick();
    EXPECT_EQ(m_music.pollDelay(), std::nullopt) << "music off";
}

TEST_F(MusicTest, EndOfPieceIsOnlyNoticedWithMusicOn) {
    buildWithThreePieces();
    m_music.LoadMidiClick(1);
    m_music.PlayMusicClick();
    m_device.calls.clear();
    endPieceAndTick();
    EXPECT_TRUE(m_device.calls.empty());
    m_music.MediaNotify();  // the device's own end notice still loops the piece
    EXPECT_EQ(m_device.calls, (Calls{"seek", "play"}));
}

TEST_F(MusicTest, MusicOffAndOnResumesTheSamePiece) {
    buildWithThreePieces();
    m_music.LoadMidiClick(2);
    m_device.currentPosition = 300;
    m_device.calls.clear();

    m_music.PlayMusicClick();
    EXPECT_FALSE(m_music.options().playMusic);
    EXPECT_FALSE(m_device.playing);
    m_music.PlayMusicClick();
    EXPECT_TRUE(m_music.options().playMusic);
    EXPECT_TRUE(m_device.playing);
    EXPECT_EQ(m_device.calls, (Calls{"stop", "play"}));
    EXPECT_EQ(m_device.currentPosition, 300u);
    EXPECT_TRUE(m_host.errors.empty());
}

TEST_F(MusicTest, TogglingMusicWithNoPieceOpenSaysNoDeviceEitherWay) {
    buildWithThreePieces(musicOff());
    m_music.LoadMidiClick(1);
    m_music.PlayMusicClick();
    m_music.PlayMusicClick();
    EXPECT_EQ(m_host.errors, (Texts{"No MCI device open", "No MCI device open"}));
    for (int tick = 0; tick < 3; ++tick) {
        m_music.poll();
    }
    m_music.PlayMusicClick();
    m_music.poll();
    EXPECT_EQ(m_host.errors.size(), 3u) << "ticks with no piece open stay silent";
    m_music.LoadMidiClick(3);
    EXPECT_TRUE(m_device.playing);
}

TEST_F(MusicTest, VanishedPieceLeavesThePreviousOnePlaying) {
    buildWithThreePieces();
    m_music.LoadMidiClick(1);
    std::filesystem::remove(m_folder / "Musics" / "c.mid");
    m_device.calls.clear();
    m_music.LoadMidiClick(3);
    EXPECT_TRUE(m_device.calls.empty());
    EXPECT_EQ(m_device.openFile, m_folder / "Musics" / "a.mid");
    EXPECT_EQ(m_music.midiNumber(), 3);
    EXPECT_TRUE(m_host.errors.empty());
}

TEST_F(MusicTest, DeviceErrorIsShownAndTheStatusSkipped) {
    buildWithThreePieces();
    m_device.openError = "This piece cannot be played on the sequencer.";
    m_music.LoadMidiClick(2);
    EXPECT_EQ(m_host.errors, (Texts{"This piece cannot be played on the sequencer."}));
    EXPECT_TRUE(m_host.statuses.empty());
    EXPECT_FALSE(m_device.isOpen());
    m_music.poll();
    EXPECT_EQ(m_host.errors.size(), 1u);
}

TEST_F(MusicTest, RandomMusicOnPlaysARandomPieceAtOnce) {
    buildWithThreePieces();
    m_random.setSeed(5);
    RandomGenerator expected;
    expected.setSeed(5);
    m_music.RandomMusicClick();
    const int piece = expected.random(3) + 1;
    EXPECT_TRUE(m_music.options().randomMusic);
    EXPECT_EQ(m_music.midiNumber(), piece);
    EXPECT_EQ(m_host.statuses, (Texts{"Music " + m_music.pieces()[piece - 1].caption + " selected."}));
    m_device.calls.clear();
    m_music.RandomMusicClick();
    EXPECT_FALSE(m_music.options().randomMusic);
    EXPECT_TRUE(m_device.calls.empty());
}

TEST_F(MusicTest, SoundEffectsPlayTheirFilesUnlessSwitchedOff) {
    buildWithThreePieces();
    m_effects.playingFor = std::chrono::milliseconds(320);
    EXPECT_EQ(m_music.playSound(Sound::Select), m_effects.playingFor) << "the window waits so long";
    m_music.playSound(Sound::NoWay);
    m_music.playSound(Sound::Done);
    EXPECT_EQ(m_effects.played, (std::vector<std::filesystem::path>{
                                    m_folder / "select.wav", m_folder / "noway.wav", m_folder / "done.wav"}));
    m_music.PlaySoundsClick();
    EXPECT_FALSE(m_music.options().playSounds);
    EXPECT_EQ(m_music.playSound(Sound::Select).count(), 0);
    m_music.playSound(Sound::Done);
    EXPECT_EQ(m_effects.played.size(), 3u);
    m_music.StartMusicClick();
    EXPECT_FALSE(m_music.options().startMusic);
    EXPECT_TRUE(m_device.calls.empty());
}

// The music keeps no switches of its own: it reads and toggles the options it was given, which
// the game, the menus and the settings file share.
TEST_F(MusicTest, SwitchesAreTheOptionsItWasGiven) {
    buildWithThreePieces();
    m_options.playSounds = false;
    EXPECT_EQ(m_music.playSound(Sound::Select).count(), 0);
    EXPECT_TRUE(m_effects.played.empty());
    m_music.PlaySoundsClick();
    EXPECT_TRUE(m_options.playSounds);
    m_music.PlayMusicClick();
    EXPECT_FALSE(m_options.playMusic);
    m_music.RandomMusicClick();
    EXPECT_TRUE(m_options.randomMusic);
    m_music.StartMusicClick();
    EXPECT_FALSE(m_options.startMusic);
    EXPECT_EQ(&m_music.options(), &m_options);
}

TEST_F(MusicTest, ClosingLetsTheDeviceGoAndLaterTicksStaySilent) {
    buildWithThreePieces();
    m_music.LoadMidiClick(1);
    m_music.close();
    EXPECT_FALSE(m_device.isOpen());
    m_device.calls.clear();
    endPieceAndTick();
    EXPECT_TRUE(m_device.calls.empty());
    EXPECT_TRUE(m_host.errors.empty());
}

}  // namespace
}  // namespace orbeni
