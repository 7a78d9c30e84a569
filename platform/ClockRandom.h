// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's random source: a PCG generator (pcg32) reseeded from a clock.
//
// pcg32 is small, fast to seed and free of the Mersenne Twister's refill
// step, so a series of 5000 rolls costs little more than its draws.
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
    // Tests and benchmarks pass a clock of their own to get a repeatable sequence.
    explicit ClockRandom(Clock clock);

    void randomize() override;
    void draw(std::span<std::uint32_t> draws) override;
    // One draw, for code that holds the generator itself.
    std::uint32_t nextRaw() { return m_engine(); }

  private:
    Clock m_clock;
    pcg32 m_engine;
};

} // namespace kelvara
