// SPDX-License-Identifier: GPL-3.0-or-later
// One roll series.
#include "RollSeries.h"

#include "Dice.h"
#include "NumberGrammar.h"
#include "Numeric.h"

#include <array>

namespace kelvara {

namespace {

// Draws taken from the source a block at a time, so that an exchangeable
// source costs one call per block rather than one per draw.
class Draws {
  public:
    explicit Draws(RandomSource& source) : m_source(source) {}

    std::uint32_t next() {
        if (m_next == m_block.size()) [[unlikely]] {
            m_source.draw(m_block);
            m_next = 0;
        }
        return m_block[m_next++];
    }

  private:
    RandomSource& m_source;
    std::array<std::uint32_t, 256> m_block{};
    std::size_t m_next = m_block.size();
};

} // namespace

void rollSeries(const DiceWindow& w) {
    w.frmMain.setMousePointer(MousePointer::Hourglass);
    for (std::int16_t i = 0; i <= 10; ++i) {
        w.lblAnzahl(i).setVisible(false);
    }
    w.random.randomize();
    Draws draws(w.random);
    const double N = numeric::toLoopBound(w.txtAnz.text());
    // The dice are whole numbers from 1 to 6 by their type, so the index of
    // their sum lies in 0 to 10 and reaches its bar and count without a check.
    const auto bars = w.Line1.members<SumIndex::count>();
    // A counted loop over a double bound: N may have a fraction or exceed 32
    // bits. It always ends: every roll raises a count, and a count overflows
    // after 32767, so no series gets anywhere near where j stops growing.
    for (double j = 1; j <= N; j += 1) { // NOLINT(clang-analyzer-security.FloatLoopCounter)
        const Die d1 = Die::of(draws.next());
        const Die d2 = Die::of(draws.next());
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
