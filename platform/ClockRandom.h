// The platform's random source: a Mersenne Twister reseeded from a clock.
#pragma once

#include "RandomSource.h"

#include <cstdint>
#include <functional>
#include <random>

namespace kelvara {

class ClockRandom final : public RandomSource {
  public:
    using Clock = std::function<std::uint64_t()>;

    // The system's high-resolution clock as seed.
    ClockRandom();
    // Tests pass a clock of their own to get a repeatable sequence.
    explicit ClockRandom(Clock clock);

    void randomize() override;
    float next() override;

  private:
    void seedFromClock();

    Clock m_clock;
    std::mt19937 m_engine;
};

} // namespace kelvara
