#pragma once
// The random numbers the shuffle draws from.

#include <cstdint>
#include <random>

namespace platform {

class Random {
public:
    virtual ~Random() = default;
    // Seeds the generator from the clock; the game does it once per start.
    virtual void seed() = 0;
    // The next uniform single-precision value in [0, 1).
    virtual float next() = 0;
};

// A float in [0, 1) from the top 24 of 32 random bits.
inline float unitFloat(std::uint32_t bits) { return float(bits >> 8) * (1.0f / 16777216.0f); }

class ClockSeededRandom final : public Random {
public:
    void seed() override;
    float next() override { return unitFloat(std::uint32_t(generator_())); }

private:
    std::mt19937 generator_{0};
};

} // namespace platform
