#pragma once

#include <filesystem>

#include "orbeni/music/music.h"
#include "platform/audio/midi_sequencer.h"
#include "platform/audio/wave_player.h"

namespace orbeni {

// The sequencer device of the platform, as the music sees it.
class SequencerDevice : public MusicDevice {
public:
    platform::Result<bool> open(const std::filesystem::path& file) override { return m_sequencer.open(file); }
    platform::Result<bool> play() override { return m_sequencer.play(); }
    platform::Result<bool> stop() override { return m_sequencer.stop(); }
    platform::Result<bool> seekToStart() override { return m_sequencer.seekToStart(); }
    void close() override { m_sequencer.close(); }
    bool isOpen() const override { return m_sequencer.isOpen(); }
    bool isPlaying() const override { return m_sequencer.isPlaying(); }
    std::uint32_t startPosition() const override { return m_sequencer.startPosition(); }
    std::uint32_t length() const override { return m_sequencer.length(); }
    std::uint32_t position() const override { return m_sequencer.position(); }

private:
    platform::MidiSequencer m_sequencer;
};

// The wave player of the platform, as the sound effects see it.
class WaveEffectPlayer : public WaveEffects {
public:
    void play(const std::filesystem::path& file) override { m_player.play(file); }
    std::chrono::milliseconds timeLeft() const override { return m_player.timeLeft(); }
    void closeWhenSilent() override { m_player.closeWhenSilent(); }

private:
    platform::WavePlayer m_player;
};

// The real sound outputs, built before the music that uses them.
struct SystemAudio {
    SequencerDevice sequencer;
    WaveEffectPlayer effects;
};

// The music and sound effects of the main window on the real sound outputs: the one object the
// window owns for them.
class SystemMusic : private SystemAudio, public Music {
public:
    SystemMusic(std::filesystem::path programFolder, MusicHost& host, RandomGenerator& random,
                Options& options)
        : Music(std::move(programFolder), sequencer, effects, host, random, options) {}
};

}  // namespace orbeni
