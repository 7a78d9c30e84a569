// SPDX-License-Identifier: GPL-3.0-or-later
// A random source that plays back a fixed list of draws, round and round,
// so that a test decides which sums the dice show.
#pragma once

#include "RandomSource.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace kelvara::test {

class SequenceRandom final : public RandomSource {
  public:
    void randomize() override { ++randomizes; }
    void draw(std::span<std::uint32_t> draws) override {
        for (std::uint32_t& each : draws) {
            each = m_values[m_next];
            m_next = (m_next + 1) % m_values.size();
        }
    }

    void setValues(std::vector<std::uint32_t> values) {
        m_values = std::move(values);
        m_next = 0;
    }
    // A draw in the middle of the sixth that makes a die show this face.
    static constexpr std::uint32_t face(int face) { return (2U * face - 1U) * 0x15555555U; }
    // All 36 throws of two dice in turn, so a long series spreads over the
    // sums exactly as fair dice would on average.
    static std::vector<std::uint32_t> everyThrowInTurn() {
        std::vector<std::uint32_t> values;
        for (int first = 0; first < 36; ++first) {
            values.push_back(face(first / 6 + 1));
            values.push_back(face(first % 6 + 1));
        }
        return values;
    }

    int randomizes = 0;

  private:
    std::vector<std::uint32_t> m_values{face(4)};
    std::size_t m_next = 0;
};

} // namespace kelvara::test
