#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace platform {

// Turns stereo frames made at one rate into frames at another, by straight-line interpolation
// between neighbouring frames. The source is asked for frames in blocks, as they are needed, and
// a stream cut into output blocks of any size comes out the same as in one piece.
class LinearResampler {
public:
    // Fills `count` interleaved stereo frames at the source's rate.
    using Source = std::function<void(float* frames, int count)>;

    LinearResampler(int sourceRate, int targetRate, Source source);

    void resample(float* frames, int frameCount);
    // Starts again from silence, as after a rewind.
    void reset();

private:
    // Makes the source frames up to index `last` (counted from the first one kept) available.
    void haveFrames(std::size_t last);

    static constexpr int kSourceBlock = 64;

    double m_step;  // source frames per target frame
    Source m_source;
    std::vector<float> m_frames;  // source frames still needed, the earliest one first
    double m_position = 0.0;      // where the next target frame lies among m_frames
};

}  // namespace platform
