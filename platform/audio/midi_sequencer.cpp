#include "platform/audio/midi_sequencer.h"

#include <fluidsynth.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/audio/midi_file.h"

namespace platform {

namespace {

constexpr const char* kNoDevice = "No MCI device open";
constexpr const char* kFileNotFound =
    "The piece file cannot be found. Make sure the path and filename are correct.";
constexpr const char* kNoOutput = "The MIDI device cannot be opened: no sound output is available.";
constexpr double kSynthGain = 1.6;
// The synthesizer works at half the output's usual rate and is interpolated up: the General MIDI
// font's samples hold little above 11 kHz, and the music costs half the processor time. Reverb
// and chorus, a fifth of that time, are off: the pieces are written dry.
constexpr int kSynthRate = AudioOutput::kSampleRate / 2;

// Far above any piece of music; a larger file is not read into memory.
constexpr std::uintmax_t kMaxPieceBytes = std::uintmax_t(16) << 20;

std::optional<std::vector<std::uint8_t>> readFile(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error) ||
        std::filesystem::file_size(file, error) > kMaxPieceBytes) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

// Keeps FluidSynth's warnings about the sound font and the files off the player's terminal.
void quietFluidSynth() {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
        fluid_set_log_function(level, nullptr, nullptr);
    }
}

}  // namespace

MidiSequencer::MidiSequencer() = default;

MidiSequencer::MidiSequencer(std::filesystem::path soundFont) : m_soundFont(std::move(soundFont)) {}

MidiSequencer::~MidiSequencer() {
    releaseOutput();
    if (m_synthStart.joinable()) {
        m_synthStart.join();
    }
    delete_fluid_player(m_player);
    delete_fluid_synth(m_synth);
    delete_fluid_settings(m_settings);
}

const std::vector<std::filesystem::path>& MidiSequencer::soundFontCandidates() {
    static const std::vector<std::filesystem::path> candidates = {
        "/usr/share/sounds/sf2/TimGM6mb.sf2",   "/usr/share/sounds/sf2/default-GM.sf2",
        "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/soundfonts/default.sf2",
        "/usr/share/soundfonts/FluidR3_GM.sf2",
    };
    return candidates;
}

// Creates the synthesizer on first use, so a game without music loads no sound font. Loading the
// font takes a good part of a second: it is done on a thread of its own, so that the window that
// asks for music at start-up shows at once; the piece waits silently at its start until then.
void MidiSequencer::startSynth() {
    if (m_synthStart.joinable() || m_synthReady.load(std::memory_order_acquire)) {
        return;
    }
    if (m_soundFont.empty()) {
        std::error_code error;
        const auto& candidates = soundFontCandidates();
        const auto found = std::find_if(candidates.begin(), candidates.end(), [&](const auto& path) {
            return std::filesystem::exists(path, error);
        });
        m_soundFont = found != candidates.end() ? *found : std::filesystem::path();
    }
    m_synthStart = std::thread([this] {
        quietFluidSynth();
        m_settings = new_fluid_settings();
        fluid_settings_setnum(m_settings, "synth.sample-rate", kSynthRate);
        fluid_settings_setint(m_settings, "synth.reverb.active", 0);
        fluid_settings_setint(m_settings, "synth.chorus.active", 0);
        fluid_settings_setnum(m_settings, "synth.gain", kSynthGain);
        fluid_settings_setstr(m_settings, "player.timing-source", "sample");
        m_synth = new_fluid_synth(m_settings);
        if (m_synth != nullptr && !m_soundFont.empty()) {
            fluid_synth_sfload(m_synth, m_soundFont.c_str(), 1);
        }
        m_synthReady.store(true, std::memory_order_release);
    });
}

// The piece holds the output only while it is heard, so that paused or closed music keeps no
// device awake.
bool MidiSequencer::holdOutput() {
    if (!m_output) {
        m_output = AudioOutput::shared();
        if (!m_resampler || m_output->sampleRate() != m_outputRate) {
            m_outputRate = m_output->sampleRate();
            m_resampler =
                std::make_unique<LinearResampler>(kSynthRate, m_outputRate, [this](float* frames, int count) {
                    fluid_synth_write_float(m_synth, count, frames, 0, 2, frames, 1, 2);
                });
        }
        m_output->add(*this);
    }
    return m_output->isOpen();
}

void MidiSequencer::releaseOutput() {
    if (m_output) {
        m_output->remove(*this);
        m_output.reset();
    }
}

Result<bool> MidiSequencer::open(const std::filesystem::path& file) {
    close();
    auto bytes = readFile(file);
    if (!bytes) {
        return Result<bool>::failure(kFileNotFound);
    }
    const auto length = midiLengthMilliseconds(*bytes);
    if (!length) {
        return Result<bool>::failure(length.error());
    }
    startSynth();
    m_piece = std::move(*bytes);
    m_lengthMs = length.value();
    m_open = true;
    restartPlayer();
    return true;
}

// Goes back to the start of the piece, stopped. The player is made anew before the next sound,
// once the synthesizer is there: FluidSynth's own player cannot be trusted to rewind once it has
// reached the end.
void MidiSequencer::restartPlayer() {
    const AudioOutput::Lock lock(m_output);
    m_playerStale = true;
    m_playing = false;
    m_framesPlayed = 0;
    if (m_resampler) {
        m_resampler->reset();
    }
}

// Runs where the synthesizer is sure to be idle: on the audio thread, or with the output let go.
void MidiSequencer::makePlayer() {
    delete_fluid_player(m_player);
    m_player = nullptr;
    m_playerStale = false;
    if (m_synth == nullptr) {
        return;
    }
    fluid_synth_all_sounds_off(m_synth, -1);
    m_player = new_fluid_player(m_synth);
    if (m_player != nullptr) {
        fluid_player_add_mem(m_player, m_piece.data(), m_piece.size());
        fluid_player_play(m_player);
    }
}

Result<bool> MidiSequencer::play() {
    if (!m_open) {
        return Result<bool>::failure(kNoDevice);
    }
    if (!holdOutput()) {
        releaseOutput();
        return Result<bool>::failure(kNoOutput);
    }
    const AudioOutput::Lock lock(m_output);
    m_playing = true;
    return true;
}

Result<bool> MidiSequencer::stop() {
    if (!m_open) {
        return Result<bool>::failure(kNoDevice);
    }
    setSilent();
    return true;
}

// Stops the sound and lets the output go; the piece keeps its place.
void MidiSequencer::setSilent() {
    {
        const AudioOutput::Lock lock(m_output);
        m_playing = false;
    }
    releaseOutput();
}

Result<bool> MidiSequencer::seekToStart() {
    if (!m_open) {
        return Result<bool>::failure(kNoDevice);
    }
    restartPlayer();
    releaseOutput();
    return true;
}

void MidiSequencer::close() {
    if (!m_open) {
        return;
    }
    setSilent();
    delete_fluid_player(m_player);
    m_player = nullptr;
    m_playerStale = false;
    if (m_synthReady.load(std::memory_order_acquire) && m_synth != nullptr) {
        fluid_synth_all_sounds_off(m_synth, -1);
    }
    m_framesPlayed = 0;
    m_open = false;
}

bool MidiSequencer::isPlaying() const {
    if (!m_open) {
        return false;
    }
    const AudioOutput::Lock lock(m_output);
    return m_playing;
}

std::uint32_t MidiSequencer::length() const {
    return m_open ? m_lengthMs : 0;
}

std::uint32_t MidiSequencer::position() const {
    if (!m_open) {
        return 0;
    }
    const std::uint64_t played = m_framesPlayed * 1000 / static_cast<std::uint64_t>(m_outputRate);
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(played, m_lengthMs));
}

// The piece is heard until its last note; the output's lock is held.
bool MidiSequencer::isSounding() const {
    return m_playing && position() < m_lengthMs;
}

void MidiSequencer::waitUntilReady() {
    if (m_synthStart.joinable()) {
        m_synthStart.join();
    }
}

// Without a synthesizer (it could not be made) the piece keeps time in silence.
void MidiSequencer::render(float* frames, int frameCount) {
    if (!m_playing || !m_synthReady.load(std::memory_order_acquire)) {
        std::fill(frames, frames + frameCount * AudioOutput::kChannels, 0.0f);
        return;
    }
    if (m_playerStale) {
        makePlayer();
    }
    if (m_player != nullptr) {
        m_resampler->resample(frames, frameCount);
    } else {
        std::fill(frames, frames + frameCount * AudioOutput::kChannels, 0.0f);
    }
    m_framesPlayed += static_cast<std::uint64_t>(frameCount);
}

}  // namespace platform
