// How often each sum of two dice has come up.
#include "SumTally.h"

#include "RuntimeError.h"

#include <limits>
#include <numeric>
#include <string>

namespace kelvara {

namespace {
std::size_t checkedSlot(std::int32_t index) {
    if (index < 0 || index >= SumTally::size) {
        throw IndexOutOfRangeError("Tally(" + std::to_string(index) + ")");
    }
    return static_cast<std::size_t>(index);
}
} // namespace

std::int16_t SumTally::operator()(std::int32_t index) const {
    return m_counts[checkedSlot(index)];
}

void SumTally::increment(std::int32_t index) {
    std::int16_t& count = m_counts[checkedSlot(index)];
    if (count == std::numeric_limits<std::int16_t>::max()) {
        throw OverflowError("Tally(" + std::to_string(index) + ") ist voll");
    }
    ++count;
}

std::int32_t SumTally::total() const {
    return std::accumulate(m_counts.begin(), m_counts.end(), std::int32_t{0});
}

} // namespace kelvara
