#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

#include "platform/audio/audio_output.h"
#include "platform/audio/linear_resampler.h"
#include "platform/result.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;

namespace platform {

// The MIDI sequencer device: one piece at a time, opened on a file, played, paused, rewound and
// asked where it is. Positions are milliseconds from the start of the piece; while it plays they
// advance with the sound actually rendered, so a piece ends when its last note has been heard.
// The General MIDI sound font is the first of the usual Debian ones that exists; without one the
// pieces still keep time, in silence.
class MidiSequencer : private AudioSource {
public:
    MidiSequencer();
    explicit MidiSequencer(std::filesystem::path soundFont);
    ~MidiSequencer() override;
    MidiSequencer(const MidiSequencer&) = delete;
    MidiSequencer& operator=(const MidiSequencer&) = delete;

    // Opens the device on a piece, closing any piece open before; the piece waits at its start.
    Result<bool> open(const std::filesystem::path& file);
    Result<bool> play();
    // Pauses the piece where it is; play() goes on from there.
    Result<bool> stop();
    // Rewinds to the start and stops there.
    Result<bool> seekToStart();
    void close();

    bool isOpen() const { return m_open; }
    bool isPlaying() const;
    // Positions of the open piece; all 0 when none is open.
    std::uint32_t startPosition() const { return 0; }
    std::uint32_t length() const;
    std::uint32_t position() const;

    // The sound fonts tried, in order, when none is named.
    static const std::vector<std::filesystem::path>& soundFontCandidates();

private:
    void startSynth();
    void makePlayer();
    bool holdOutput();
    void releaseOutput();
    void setSilent();
    void restartPlayer();
    void render(float* frames, int frameCount) override;
    bool isSounding() const override;
    void waitUntilReady() override;

    std::filesystem::path m_soundFont;
    std::vector<std::uint8_t> m_piece;
    std::uint32_t m_lengthMs = 0;
    bool m_open = false;

    // Made by the start thread, then used once m_synthReady says so.
    std::thread m_synthStart;
    std::atomic<bool> m_synthReady = false;
    _fluid_hashtable_t* m_settings = nullptr;
    _fluid_synth_t* m_synth = nullptr;
    // Shared with the audio thread, under the output's lock.
    _fluid_player_t* m_player = nullptr;
    bool m_playerStale = false;  // the player is to be made anew at the start of the piece
    bool m_playing = false;
    std::atomic<std::uint64_t> m_framesPlayed = 0;
    int m_outputRate = AudioOutput::kSampleRate;
    std::unique_ptr<LinearResampler> m_resampler;  // made for the output's rate

    std::shared_ptr<AudioOutput> m_output;
};

}  // namespace platform
