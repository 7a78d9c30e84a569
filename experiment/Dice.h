// SPDX-License-Identifier: GPL-3.0-or-later
// Two dice drawn from raw draws, and the index of their sum: whole numbers
// whose range their types vouch for.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kelvara {

// One die, 1 to 6.
class Die {
  public:
    // A draw stands for r = (raw >> 8) / 2^24, a whole number of 2^-24 steps,
    // and the die is r * 6 + 1 rounded down. That product is exact in double
    // precision (in single it would round up to the next whole number for a
    // few r just below a multiple of 1/6), and its floor is
    // 1 + ((raw >> 8) * 6 >> 24): the same die, formed without a floating step.
    static Die of(std::uint32_t raw) { return Die(1 + (((raw >> 8U) * 6U) >> 24U)); }
    std::uint32_t face() const { return m_face; }

  private:
    explicit Die(std::uint32_t face) : m_face(face) {}
    std::uint32_t m_face;
};

// The sum of two dice less 2: 0 to 10, the index of the sum's bar and count.
class SumIndex {
  public:
    static constexpr std::size_t count = 11;

    SumIndex(Die first, Die second) : m_index(first.face() + second.face() - 2) {}
    operator std::size_t() const { return m_index; } // NOLINT(google-explicit-constructor)

  private:
    std::uint32_t m_index;
};

} // namespace kelvara
