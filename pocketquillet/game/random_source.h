#pragma once

#include <cstdint>
#include <random>

namespace pocketquillet {

// The source of the random numbers behind the deal and the computer player's decisions.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual std::uint32_t nextRandom() = 0;
};

// Uniform 32-bit numbers seeded from the system, for the running program.
class DeviceRandom final : public RandomSource {
public:
    DeviceRandom() : m_engine(std::random_device{}()) {}
    std::uint32_t nextRandom() override { return static_cast<std::uint32_t>(m_engine()); }

private:
    std::mt19937 m_engine;
};

}  // namespace pocketquillet
