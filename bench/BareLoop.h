// The baseline a roll series is measured against: the series' semantics and
// nothing else. The same generator draws two dice and raises a tally; there
// are no controls, conversions or checks beyond the count's own.
#pragma once

#include "SumTally.h"

#include <cmath>
#include <cstdint>

namespace kelvara::bench {

// Rolls for j = 1 while j <= n; a full count ends it with the overflow error.
template <typename Draw> void rollBare(SumTally& tally, Draw&& draw, double n) {
    for (double j = 1; j <= n; j += 1) {
        const auto d1 = static_cast<float>(std::floor(double{draw()} * 6 + 1));
        const auto d2 = static_cast<float>(std::floor(double{draw()} * 6 + 1));
        tally.increment(static_cast<std::int32_t>(d1 + d2 - 2));
    }
}

} // namespace kelvara::bench
