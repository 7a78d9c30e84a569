// The source of random numbers that a roll series draws from.
//
// An interface so that tests can put a known sequence in its place.
#pragma once

namespace kelvara {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Start a new sequence from the clock.
    virtual void randomize() = 0;
    // The next uniform value in [0, 1), never 1.
    virtual float next() = 0;
};

} // namespace kelvara
