// SPDX-License-Identifier: GPL-3.0-or-later
// How often each sum of two dice has come up: eleven 16-bit counts, entry i
// for the sum i + 2, the same index as the bar and count label of that sum.
#pragma once

#include "Dice.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace kelvara {

class SumTally {
  public:
    static constexpr int size = 11;

    // The count at index; an index outside 0..10 is the index-out-of-range error.
    std::int16_t operator()(std::int32_t index) const { return m_counts[checkedSlot(index)]; }
    // One more roll of the sum at index, which lies in range by its type. A
    // count already at 32767 is the overflow error and stays as it is.
    // Inline: a series calls it every roll.
    void increment(SumIndex index) { add(m_counts[index], static_cast<std::int32_t>(index)); }
    void clear() { m_counts.fill(0); }
    std::int32_t total() const;

  private:
    static void add(std::int16_t& count, std::int32_t index) {
        if (count == std::numeric_limits<std::int16_t>::max()) [[unlikely]] {
            throwFull(index);
        }
        ++count;
    }
    static std::size_t checkedSlot(std::int32_t index) {
        if (index < 0 || index >= size) [[unlikely]] {
            throwOutOfRange(index);
        }
        return static_cast<std::size_t>(index);
    }
    [[noreturn]] static void throwOutOfRange(std::int32_t index);
    [[noreturn]] static void throwFull(std::int32_t index);

    std::array<std::int16_t, size> m_counts{};
};

} // namespace kelvara
