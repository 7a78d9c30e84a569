// SPDX-License-Identifier: GPL-3.0-or-later
// The source of random numbers.
#include "RandomSource.h"

#include <chrono>
#include <utility>

namespace kelvara {

namespace {
std::uint64_t systemClock() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
} // namespace

RandomSource::RandomSource() : RandomSource(systemClock) {}

RandomSource::RandomSource(Clock clock) : m_clock(std::move(clock)) {
    randomize();
}

RandomSource RandomSource::playing(std::vector<std::uint32_t> draws) {
    RandomSource source([] { return std::uint64_t{0}; });
    source.m_played = std::move(draws);
    return source;
}

void RandomSource::randomize() {
    m_engine.seed(m_clock());
    m_next = 0;
}

std::uint32_t RandomSource::played() {
    const std::uint32_t draw = m_played[m_next];
    m_next = (m_next + 1) % m_played.size();
    return draw;
}

} // namespace kelvara
