// The platform's random source.
#include "ClockRandom.h"

#include <chrono>

namespace kelvara {

namespace {
std::uint64_t systemClock() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
} // namespace

ClockRandom::ClockRandom() : ClockRandom(systemClock) {}

ClockRandom::ClockRandom(Clock clock) : m_clock(std::move(clock)) {
    seedFromClock();
}

void ClockRandom::randomize() {
    seedFromClock();
}

void ClockRandom::seedFromClock() {
    const std::uint64_t now = m_clock();
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32)};
    m_engine.seed(seed);
}

float ClockRandom::next() {
    // The top 24 bits fill a float's mantissa exactly, so the largest value is
    // 1 - 2^-24 and the conversion can never round up to 1.
    constexpr float scale = 1.0F / 16777216.0F;
    return static_cast<float>(m_engine() >> 8) * scale;
}

} // namespace kelvara
