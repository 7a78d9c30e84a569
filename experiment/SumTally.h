// How often each sum of two dice has come up: eleven 16-bit counts, entry i
// for the sum i + 2, the same index as the bar and count label of that sum.
#pragma once

#include <array>
#include <cstdint>

namespace kelvara {

class SumTally {
  public:
    static constexpr int size = 11;

    // The count at index; an index outside 0..10 is the index-out-of-range error.
    std::int16_t operator()(std::int32_t index) const;
    // One more roll of the sum at index. A count already at 32767 is the
    // overflow error and stays as it is.
    void increment(std::int32_t index);
    void clear() { m_counts.fill(0); }
    std::int32_t total() const;

  private:
    std::array<std::int16_t, size> m_counts{};
};

} // namespace kelvara
