// The platform's random source: a PCG generator (pcg32) reseeded from a clock.
//
// pcg32 is small, fast to seed and free of the Mersenne Twister's refill
// step, so a series of 5000 rolls costs little more than its draws. The class
// is final and its draw inline, so code that holds a ClockRandom directly
// draws without a virtual call.
#pragma once

#include "RandomSource.h"

#include <pcg_random.hpp>

#include <cstdint>
#include <functional>

namespace kelvara {

class ClockRandom final : public RandomSource {
  public:
    using Clock = std::function<std::uint64_t()>;

    // The system's high-resolution clock as seed.
    ClockRandom();
    // Tests pass a clock of their own to get a repeatable sequence.
    explicit ClockRandom(Clock clock);

    void randomize() override;
    float next() override { return toUnit(nextRaw()); }
    // The 32 bits next() makes its value from.
    std::uint32_t nextRaw() { return m_engine(); }

    // The top 24 bits of a raw draw as a value in [0, 1). They fill a float's
    // mantissa exactly, so the largest value is 1 - 2^-24, never 1.
    static float toUnit(std::uint32_t raw) {
        constexpr float scale = 1.0F / 16777216.0F;
        return static_cast<float>(raw >> 8) * scale;
    }

  private:
    Clock m_clock;
    pcg32 m_engine;
};

} // namespace kelvara
