// SPDX-License-Identifier: GPL-3.0-or-later
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
    randomize();
}

void ClockRandom::randomize() {
    m_engine.seed(m_clock());
}

void ClockRandom::draw(std::span<std::uint32_t> draws) {
    for (std::uint32_t& each : draws) {
        each = m_engine();
    }
}

} // namespace kelvara
