#pragma once

#include <cstdint>

namespace orbeni {

// The 32-bit linear congruential generator of the original program; a specific game number is
// a seed of it, so its sequence must never change.
class RandomGenerator {
public:
    void setSeed(std::uint32_t seed) { m_seed = seed; }
    std::uint32_t seed() const { return m_seed; }

    // Seeds from the milliseconds elapsed since midnight (UTC).
    void randomize(std::uint32_t millisecondsOfDay) { m_seed = millisecondsOfDay; }

    // Draws a value 0..n-1 (0 for n <= 0).
    int random(int n) {
        m_seed = m_seed * 134775813u + 1u;
        if (n <= 0) {
            return 0;
        }
        return static_cast<int>((std::uint64_t{m_seed} * static_cast<std::uint32_t>(n)) >> 32);
    }

private:
    std::uint32_t m_seed = 0;
};

}  // namespace orbeni
