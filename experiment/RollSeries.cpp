// One roll series.
#include "RollSeries.h"

#include "ClockRandom.h"
#include "Numeric.h"

namespace kelvara {

namespace {

// The series itself, for any source of random numbers.
template <typename Source> void cmdOptions_Click(const DiceWindow& w, Source& random) {
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
        // r * 6 + 1 in double precision: in single it would round up to the
        // next whole number for some r just below a multiple of 1/6.
        const auto d1 = static_cast<float>(numeric::floorValue(double{random.next()} * 6 + 1));
        const std::int16_t d2 =
            numeric::toInt16(numeric::floorValue(double{random.next()} * 6 + 1));
        const float k = d1 + static_cast<float>(d2) - 2.0F;
        Control& bar = w.Line1(numeric::toInt16(k));
        // One twip off or on a single-precision length, rounded once: the
        // same whether formed in single or in double precision first.
        bar.setTop(bar.top() - 1.0F);
        bar.setHeight(bar.height() + 1.0F);
        w.Tally.increment(numeric::toInt32(k));
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

} // namespace

void cmdOptions_Click(const DiceWindow& w) {
    // The platform's own generator is drawn from directly: no virtual call per roll.
    if (auto* own = dynamic_cast<ClockRandom*>(&w.random)) {
        cmdOptions_Click(w, *own);
    } else {
        cmdOptions_Click(w, w.random);
    }
}

} // namespace kelvara
