#include "platform/audio/linear_resampler.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform {
namespace {

// A source whose frame k holds k on the left and -k on the right, counting what it was asked.
struct RampSource {
    int made = 0;
    void operator()(float* frames, int count) {
        for (int i = 0; i < count; ++i, ++made) {
            frames[2 * i] = static_cast<float>(made);
            frames[2 * i + 1] = -static_cast<float>(made);
        }
    }
};

std::vector<float> resampled(int sourceRate, int targetRate, const std::vector<int>& blocks,
                             int* made = nullptr) {
    RampSource ramp;
    LinearResampler resampler(sourceRate, targetRate,
                              [&ramp](float* frames, int count) { ramp(frames, count); });
    std::vector<float> out;
    for (int block : blocks) {
        std::vector<float> frames(static_cast<std::size_t>(2 * block));
        resampler.resample(frames.data(), block);
        out.insert(out.end(), frames.begin(), frames.end());
    }
    if (made != nullptr) {
        *made = ramp.made;
    }
    return out;
}

// Music made at half the output's rate: every other frame is a made one, the others lie halfway,
// and the stream does not depend on how the output cuts it into buffers.
TEST(LinearResampler, DoublesTheRateByInterpolationWhateverTheBuffers) {
    const std::vector<float> whole = resampled(22050, 44100, {2000});
    for (int i = 2; i < 2000; ++i) {
        const float expected = static_cast<float>(i - 2) / 2.0f;  // one silent frame leads in
        ASSERT_FLOAT_EQ(whole[std::size_t(2 * i)], expected) << i;
        ASSERT_FLOAT_EQ(whole[std::size_t(2 * i + 1)], -expected) << i;
    }
    for (const std::vector<int>& blocks :
         {std::vector<int>{1000, 1000}, {7, 64, 1, 300, 1628}, {512, 512, 512, 464}}) {
        EXPECT_EQ(resampled(22050, 44100, blocks), whole) << blocks.size() << " blocks";
    }
}

// Rates that do not divide: the source is asked for as much as the output has used, give or take
// one block of its own.
TEST(LinearResampler, AsksTheSourceForWhatTheOutputUses) {
    const struct {
        int sourceRate;
        int targetRate;
    } cases[] = {{22050, 48000}, {22050, 44100}, {44100, 44100}, {32000, 22050}};
    for (const auto& c : cases) {
        int made = 0;
        const int outputFrames = 48000;
        resampled(c.sourceRate, c.targetRate, std::vector<int>(48, 1000), &made);
        const double used = static_cast<double>(outputFrames) * c.sourceRate / c.targetRate;
        EXPECT_GE(made, used - 1) << c.sourceRate << " to " << c.targetRate;
        EXPECT_LE(made, used + 64 + 1) << c.sourceRate << " to " << c.targetRate;
    }
}

}  // namespace
}  // namespace platform
