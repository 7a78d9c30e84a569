// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline a roll series is measured against: the series' semantics and
// nothing else. The same generator draws two dice and raises a tally; there
// are no controls and no checks beyond the count's own. The floor of what a
// roll is: its two draws and the dice as whole numbers from them.
#pragma once

#include "Dice.h"
#include "SumTally.h"

namespace kelvara::bench {

// Rolls for j = 1 while j <= n; a full count ends it with the overflow error.
template <typename Raw> void rollBare(SumTally& tally, Raw&& raw, double n) {
    for (double j = 1; j <= n; j += 1) { // NOLINT(clang-analyzer-security.FloatLoopCounter)
        const Die d1 = Die::of(raw());
        const Die d2 = Die::of(raw());
        tally.increment(SumIndex(d1, d2));
    }
}

} // namespace kelvara::bench
