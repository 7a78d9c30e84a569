// SPDX-License-Identifier: GPL-3.0-or-later
// The source of random numbers that a roll series draws from: a PCG
// generator (pcg32) reseeded from a clock, or a known sequence played back.
//
// It hands out raw 32-bit draws. A draw stands for the uniform value
// r = (draw >> 8) / 2^24 in [0, 1): its top 24 bits fill a float's mantissa
// exactly, so r is never 1. One concrete class, its draw inline, so that a
// roll loop draws without a call and overlaps its work with the generator's.
#pragma once

#include <pcg_random.hpp>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace kelvara {

class RandomSource final {
  public:
    using Clock = std::function<std::uint64_t()>;

    // The system's high-resolution clock as seed.
    RandomSource();
    // A clock of one's own, for a repeatable sequence.
    explicit RandomSource(Clock clock);
    // These draws, round and round, for a test to decide which dice come up;
    // each new sequence starts them again from the first.
    static RandomSource playing(std::vector<std::uint32_t> draws);

    // Start a new sequence from the clock.
    void randomize();
    std::uint32_t nextRaw() {
        if (m_played.empty()) [[likely]] {
            return m_engine();
        }
        return played();
    }

  private:
    std::uint32_t played();

    Clock m_clock;
    pcg32 m_engine;
    std::vector<std::uint32_t> m_played;
    std::size_t m_next = 0;
};

} // namespace kelvara
