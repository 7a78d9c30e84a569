// SPDX-License-Identifier: GPL-3.0-or-later
// Draws that make the dice show what a test wants.
#pragma once

#include <cstdint>
#include <vector>

namespace kelvara::test {

// A draw in the middle of the sixth that makes a die show this face.
constexpr std::uint32_t face(int face) {
    return (2U * static_cast<std::uint32_t>(face) - 1U) * 0x15555555U;
}

// All 36 throws of two dice in turn, so a long series spreads over the sums
// exactly as fair dice would on average.
inline std::vector<std::uint32_t> everyThrowInTurn() {
    std::vector<std::uint32_t> draws;
    for (int first = 0; first < 36; ++first) {
        draws.push_back(face(first / 6 + 1));
        draws.push_back(face(first % 6 + 1));
    }
    return draws;
}

} // namespace kelvara::test
