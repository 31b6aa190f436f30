#pragma once

#include <cstdint>

namespace morvane {

// The C run-time generator the deals have always used, so a seed gives the same board everywhere.
class CrtRandom {
public:
    static constexpr int kMax = 32767;

    void srand(std::uint32_t seed) { m_next = seed; }
    int rand() {
        m_next = m_next * 214013u + 2531011u;
        return static_cast<int>((m_next >> 16) & 0x7fffu);
    }

private:
    std::uint32_t m_next = 1;
};

}  // namespace morvane
