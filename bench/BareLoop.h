// The baselines a roll series is measured against: the series' semantics and
// nothing else. The same generator draws two dice and raises a tally; there
// are no controls, conversions or checks beyond the count's own. The floor of
// what a roll is: its two draws, the dice as whole numbers from them.
#pragma once

#include "SumTally.h"

#include <cmath>
#include <cstdint>

namespace kelvara::bench {

// Rolls for j = 1 while j <= n; a full count ends it with the overflow error.
// Each die from a raw 32-bit draw: 1 + ((raw >> 8) * 6 >> 24).
template <typename Raw> void rollBare(SumTally& tally, Raw&& raw, double n) {
    for (double j = 1; j <= n; j += 1) {
        const std::uint32_t d1 = 1 + (((raw() >> 8U) * 6U) >> 24U);
        const std::uint32_t d2 = 1 + (((raw() >> 8U) * 6U) >> 24U);
        tally.increment(static_cast<std::int32_t>(d1 + d2 - 2));
    }
}

// The same dice as an earlier floor formed them: each from a value in [0, 1),
// in double precision, rounded down and converted back and forth.
template <typename Draw> void rollBareFloor(SumTally& tally, Draw&& draw, double n) {
    for (double j = 1; j <= n; j += 1) {
        const auto d1 = static_cast<float>(std::floor(double{draw()} * 6 + 1));
        const auto d2 = static_cast<float>(std::floor(double{draw()} * 6 + 1));
        tally.increment(static_cast<std::int32_t>(d1 + d2 - 2));
    }
}

} // namespace kelvara::bench
