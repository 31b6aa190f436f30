#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/result.h"

namespace orbeni {

// The MIDI sequencer the music plays on: one piece open at a time.
class MusicDevice {
public:
    virtual ~MusicDevice() = default;

    virtual platform::Result<bool> open(const std::filesystem::path& file) = 0;
    virtual platform::Result<bool> play() = 0;
    // Pauses where the piece is; play() goes on from there.
    virtual platform::Result<bool> stop() = 0;
    virtual platform::Result<bool> seekToStart() = 0;
    virtual void close() = 0;

    virtual bool isOpen() const = 0;
    virtual bool isPlaying() const = 0;
    virtual std::uint32_t startPosition() const = 0;
    virtual std::uint32_t length() const = 0;
    virtual std::uint32_t position() const = 0;
};

// Plays one wave file in the background, cutting off the one still playing.
class WaveEffects {
public:
    virtual ~WaveEffects() = default;
    virtual void play(const std::filesystem::path& file) = 0;
    // How long the sound still plays: when closeWhenSilent() may let the device go.
    virtual std::chrono::milliseconds timeLeft() const = 0;
    // Lets the sound device go once nothing plays; the next sound opens it again.
    virtual void closeWhenSilent() = 0;
};

// What the music tells the player, through the window.
class MusicHost {
public:
    virtual ~MusicHost() = default;
    // Sets the status message of the game (it is revealed by the window's timer).
    virtual void showStatus(std::string_view text) = 0;
    // Shows an error of the device in a message box.
    virtual void showError(std::string_view text) = 0;
};

}  // namespace orbeni
