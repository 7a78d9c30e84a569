// SPDX-License-Identifier: GPL-3.0-or-later
// One roll series.
#include "RollSeries.h"

#include "Dice.h"
#include "NumberGrammar.h"
#include "Numeric.h"

namespace kelvara {

void rollSeries(const DiceWindow& w) {
    w.frmMain.setMousePointer(MousePointer::Hourglass);
    for (std::int16_t i = 0; i <= 10; ++i) {
        w.lblAnzahl(i).setVisible(false);
    }
    w.random.randomize();
    const double N = numeric::toLoopBound(w.txtAnz.text());
    // The dice are whole numbers from 1 to 6 by their type, so the index of
    // their sum lies in 0 to 10 and reaches its bar and count without a check.
    const auto bars = w.Line1.members<SumIndex::count>();
    // A counted loop over a double bound: N may have a fraction or exceed 32
    // bits. It always ends: every roll raises a count, and a count overflows
    // after 32767, so no series gets anywhere near where j stops growing.
    for (double j = 1; j <= N; j += 1) { // NOLINT(clang-analyzer-security.FloatLoopCounter)
        const Die d1 = Die::of(w.random.nextRaw());
        const Die d2 = Die::of(w.random.nextRaw());
        const SumIndex k(d1, d2);
        Control& bar = *bars[k];
        bar.setTop(bar.top() - twip);
        bar.setHeight(bar.height() + twip);
        w.Tally.increment(k);
    }
    for (std::int16_t i = 0; i <= 10; ++i) {
        Control& label = w.lblAnzahl(i);
        label.setTop(double{w.Line1(i).top()} - w.countAboveBar);
        label.setWidth(w.Line1(i).width());
        label.setLeft(w.Line1(i).left());
        label.setCaption(numeric::toText(w.Tally(i)));
        label.setVisible(true);
    }
    w.frmMain.setMousePointer(MousePointer::Arrow);
}

} // namespace kelvara
