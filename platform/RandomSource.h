// SPDX-License-Identifier: GPL-3.0-or-later
// The source of random numbers that a roll series draws from.
//
// It hands out raw 32-bit draws, a block at a time: one call per block keeps
// the cost of an exchangeable source off every roll. A draw stands for the
// uniform value r = (draw >> 8) / 2^24 in [0, 1): its top 24 bits fill a
// float's mantissa exactly, so r is never 1. Tests put a known sequence in
// the platform generator's place.
#pragma once

#include <cstdint>
#include <span>

namespace kelvara {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Start a new sequence from the clock.
    virtual void randomize() = 0;
    // The next draws, as many as fit.
    virtual void draw(std::span<std::uint32_t> draws) = 0;
};

} // namespace kelvara
