#pragma once

namespace platform {

class AudioOutput;

// Where the audio output's mix is heard: the sound card through SDL, or a device that a test
// asks for frames by hand. A device plays for one output at a time, from open() to close().
class AudioDevice {
public:
    virtual ~AudioDevice() = default;

    // Opens the device and has it ask `output` for its mix from now on; false when it cannot.
    virtual bool open(AudioOutput& output) = 0;
    virtual void close() = 0;
    // Frames a second of the open device.
    virtual int sampleRate() const = 0;
    // Keeps the device from asking for frames between lock() and unlock().
    virtual void lock() = 0;
    virtual void unlock() = 0;
};

}  // namespace platform
