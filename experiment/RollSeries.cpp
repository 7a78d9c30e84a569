// One roll series.
#include "RollSeries.h"

#include "ClockRandom.h"
#include "Dice.h"
#include "Numeric.h"

namespace kelvara {

namespace {

// The series, for a source of random numbers and the roll that draws from it.
// Every roll moves its bar up by one twip while making it one twip taller, and
// counts its sum; a full count ends the series there.
template <typename Source, typename Roll>
void rollSeries(const DiceWindow& w, Source& random, Roll&& roll) {
    w.frmMain.setMousePointer(MousePointer::Hourglass);
    for (std::int16_t i = 0; i <= 10; ++i) {
        w.lblAnzahl(i).setVisible(false);
    }
    random.randomize();
    const double N = numeric::toLoopBound(w.txtAnz.text());
    // A counted loop over a double bound: N may have a fraction or exceed 32
    // bits. It always ends: every roll raises a count, and a count overflows
    // after 32767, so no series gets anywhere near where j stops growing.
    for (double j = 1; j <= N; j += 1) { // NOLINT(clang-analyzer-security.FloatLoopCounter)
        roll();
    }
    for (std::int16_t i = 0; i <= 10; ++i) {
        Control& label = w.lblAnzahl(i);
        label.setTop(double{w.Line1(i).top()} - 450);
        label.setWidth(w.Line1(i).width());
        label.setLeft(w.Line1(i).left());
        label.setCaption(numeric::toText(w.Tally(i)));
        label.setVisible(true);
    }
    w.frmMain.setMousePointer(MousePointer::Arrow);
}

// Any source: each die from r * 6 + 1 in double precision (in single it would
// round up to the next whole number for some r just below a multiple of 1/6),
// rounded down, and every conversion checked, for a source may give anything.
void rollSeries(const DiceWindow& w, RandomSource& random) {
    rollSeries(w, random, [&] {
        const auto d1 = static_cast<float>(numeric::floorValue(double{random.next()} * 6 + 1));
        const std::int16_t d2 =
            numeric::toInt16(numeric::floorValue(double{random.next()} * 6 + 1));
        const float k = d1 + static_cast<float>(d2) - 2.0F;
        Control& bar = w.Line1(numeric::toInt16(k));
        bar.setTop(bar.top() - twip);
        bar.setHeight(bar.height() + twip);
        w.Tally.increment(numeric::toInt32(k));
    });
}

// The platform's own generator: the same dice as whole numbers (Die), so the
// index of their sum is known to be 0 to 10 and no check of it remains; the
// overflow of a full count stays, at the same step.
void rollSeries(const DiceWindow& w, ClockRandom& random) {
    const auto bars = w.Line1.members<SumIndex::count>();
    SumTally& tally = w.Tally;
    rollSeries(w, random, [&] {
        const Die d1 = Die::of(random.nextRaw());
        const Die d2 = Die::of(random.nextRaw());
        const SumIndex k(d1, d2);
        Control& bar = *bars[k];
        bar.setTop(bar.top() - twip);
        bar.setHeight(bar.height() + twip);
        tally.increment(k);
    });
}

} // namespace

void cmdOptions_Click(const DiceWindow& w) {
    // The platform's own generator is drawn from directly: no virtual call per roll.
    if (auto* own = dynamic_cast<ClockRandom*>(&w.random)) {
        rollSeries(w, *own);
    } else {
        rollSeries(w, w.random);
    }
}

} // namespace kelvara
