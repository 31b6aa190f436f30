#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "orbeni/game/host.h"
#include "orbeni/game/options.h"
#include "orbeni/music/music_device.h"
#include "orbeni/music/music_list.h"

namespace orbeni {

class RandomGenerator;

// The Music menu and the sound effects of the main window: the pieces of the "Musics" folder,
// the selected one, its playing, looping or moving on to a random piece when it ends, and the
// wave effects of the game. Its switches are check marks of the window's options, which it reads
// and toggles there.
class Music {
public:
    Music(std::filesystem::path programFolder, MusicDevice& device, WaveEffects& effects, MusicHost& host,
          RandomGenerator& random, Options& options);

    // Finds the pieces and keeps the stored piece number within them. False when there is no
    // piece: the program cannot run.
    bool build(int storedMidiNumber);

    // Pieces in menu order; piece k (1-based) is pieces()[k - 1].
    const std::vector<MusicPiece>& pieces() const { return m_pieces; }
    int MusicCount() const { return static_cast<int>(m_pieces.size()); }
    // The piece selected, 1-based: the one the Music menu checks.
    int midiNumber() const { return m_midiNumber; }
    Options& options() { return m_options; }
    const Options& options() const { return m_options; }

    // Chooses piece k (1-based) as its menu entry does.
    void LoadMidiClick(int piece);
    // Opens and plays a piece file when music is on and the file is there. False when the device
    // refused it (the error has been shown).
    bool SelectedMusic(const std::filesystem::path& file);
    // Starts the piece again, or a random one, once the open piece has ended.
    void MediaNotify();
    // The timer's test for the end of the piece while music is on.
    void poll();
    // Milliseconds until poll() can find the piece ended; none while no piece plays.
    std::optional<std::uint32_t> pollDelay() const;

    void PlayMusicClick();
    void RandomMusicClick();
    // The play and pause buttons of the toolbar's media control: the device alone, whatever the
    // menu's "Play music" says.
    void mediaPlay();
    void mediaPause();
    void PlaySoundsClick() { m_options.playSounds = !m_options.playSounds; }
    void StartMusicClick() { m_options.startMusic = !m_options.startMusic; }

    // Plays a sound effect of the game unless sound effects are off; how long it plays.
    std::chrono::milliseconds playSound(Sound sound);
    // Lets the sound device go once the last effect has been heard.
    void closeSilentEffects() { m_effects.closeWhenSilent(); }
    // Lets the device go before the window closes; the music stays silent afterwards.
    void close();

private:
    void chooseRandomPiece();
    // Shows a device error; whether there was none.
    bool succeeded(const platform::Result<bool>& result);

    std::filesystem::path m_programFolder;
    MusicDevice& m_device;
    WaveEffects& m_effects;
    MusicHost& m_host;
    RandomGenerator& m_random;
    std::vector<MusicPiece> m_pieces;
    int m_midiNumber = 1;
    Options& m_options;
};

}  // namespace orbeni
