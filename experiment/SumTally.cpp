// SPDX-License-Identifier: GPL-3.0-or-later
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
    // Named as the user sees it: the sum under the bar, and the way out.
    throw OverflowError(
        "die Summe " + std::to_string(index + 2) +
        " hat schon 32767 Würfe, mehr kann sie nicht zählen. „CLS“ leert das Histogramm.");
}

std::int32_t SumTally::total() const {
    return std::accumulate(m_counts.begin(), m_counts.end(), std::int32_t{0});
}

} // namespace kelvara
