// How often each sum of two dice has come up: the errors, out of line.
#include "SumTally.h"

#include "RuntimeError.h"

#include <numeric>
#include <string>

namespace kelvara {

void SumTally::throwOutOfRange(std::int32_t index) {
    throw IndexOutOfRangeError("Tally(" + std::to_string(index) + ")");
}

void SumTally::throwFull(std::int32_t index) {
    throw OverflowError("Tally(" + std::to_string(index) + ") ist voll");
}

std::int32_t SumTally::total() const {
    return std::accumulate(m_counts.begin(), m_counts.end(), std::int32_t{0});
}

} // namespace kelvara
