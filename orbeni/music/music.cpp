#include "orbeni/music/music.h"

#include <algorithm>
#include <system_error>

#include "orbeni/board/random_generator.h"

namespace orbeni {

namespace {

const char* waveFileName(Sound sound) {
    switch (sound) {
        case Sound::Select:
            return "select.wav";
        case Sound::NoWay:
            return "noway.wav";
        case Sound::Done:
            return "done.wav";
    }
    return "select.wav";
}

// The shortest wait between polls near the end of a piece.
constexpr std::uint32_t kMinimumPollDelayMilliseconds = 10;

}  // namespace

Music::Music(std::filesystem::path programFolder, MusicDevice& device, WaveEffects& effects, MusicHost& host,
             RandomGenerator& random, Options& options)
    : m_programFolder(std::move(programFolder)),
      m_device(device),
      m_effects(effects),
      m_host(host),
      m_random(random),
      m_options(options) {}

bool Music::build(int storedMidiNumber) {
    m_pieces = findMusicPieces(m_programFolder / "Musics");
    m_midiNumber = std::max(std::min(storedMidiNumber, MusicCount()), 1);
    return !m_pieces.empty();
}

void Music::LoadMidiClick(int piece) {
    if (piece < 1 || piece > MusicCount()) {
        return;
    }
    const MusicPiece& chosen = m_pieces[static_cast<std::size_t>(piece - 1)];
    m_midiNumber = piece;
    if (!SelectedMusic(m_programFolder / "Musics" / chosen.file)) {
        return;
    }
    if (m_options.playMusic) {
        m_host.showStatus("Music " + chosen.caption + " selected.");
    }
}

// Leaves a piece that has vanished since start-up unopened, so the one before goes on playing.
// Every file of the program is named by its full path, so the current folder stays as it is.
bool Music::SelectedMusic(const std::filesystem::path& file) {
    std::error_code error;
    if (!m_options.playMusic || !std::filesystem::is_regular_file(file, error)) {
        return true;
    }
    m_device.close();
    return succeeded(m_device.open(file)) && succeeded(m_device.play());
}

void Music::MediaNotify() {
    // No piece open: nothing can end, and asking a closed device would only raise errors.
    if (!m_device.isOpen() || m_device.position() < m_device.startPosition() + m_device.length()) {
        return;
    }
    if (m_options.randomMusic) {
        chooseRandomPiece();
    } else if (succeeded(m_device.seekToStart())) {
        succeeded(m_device.play());
    }
}

void Music::poll() {
    if (m_options.playMusic) {
        MediaNotify();
    }
}

// The piece's position follows the sound actually played, which may lag the clock a little:
// a poll that finds the piece still playing asks again a short while later.
std::optional<std::uint32_t> Music::pollDelay() const {
    if (!m_options.playMusic || !m_device.isPlaying()) {
        return std::nullopt;
    }
    const std::uint32_t end = m_device.startPosition() + m_device.length();
    const std::uint32_t position = m_device.position();
    return std::max(end > position ? end - position : 0, kMinimumPollDelayMilliseconds);
}

void Music::PlayMusicClick() {
    m_options.playMusic = !m_options.playMusic;
    succeeded(m_options.playMusic ? m_device.play() : m_device.stop());
}

void Music::mediaPlay() {
    succeeded(m_device.play());
}

void Music::mediaPause() {
    succeeded(m_device.stop());
}

void Music::RandomMusicClick() {
    m_options.randomMusic = !m_options.randomMusic;
    if (m_options.randomMusic) {
        chooseRandomPiece();
    }
}

void Music::chooseRandomPiece() {
    LoadMidiClick(m_random.random(MusicCount()) + 1);
}

std::chrono::milliseconds Music::playSound(Sound sound) {
    if (!m_options.playSounds) {
        return {};
    }
    m_effects.play(m_programFolder / waveFileName(sound));
    return m_effects.timeLeft();
}

void Music::close() {
    m_device.close();
}

bool Music::succeeded(const platform::Result<bool>& result) {
    if (!result) {
        m_host.showError(result.error());
    }
    return static_cast<bool>(result);
}

}  // namespace orbeni
