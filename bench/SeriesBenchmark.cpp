// Cost of a roll series driven headless through the real handler, against
// the bare loop: the same random source drawing two dice and raising a
// tally, with no controls. Figures are per roll (the "per_roll" counter).
#include "ClockRandom.h"
#include "FrmMain.h"
#include "Numeric.h"
#include "SumTally.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace kelvara;

constexpr double untilFull = 1e9; // far more rolls than a count can hold

void reportPerRoll(benchmark::State& state, double rolls) {
    state.counters["per_roll"] =
        benchmark::Counter(rolls, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Returns how many rolls it made before a count overflowed, or n.
double bareLoop(RandomSource& random, SumTally& tally, double n) {
    double rolls = 0;
    try {
        for (double j = 1; j <= n; j += 1) {
            const auto d1 = static_cast<float>(std::floor(double{random.next()} * 6 + 1));
            const auto d2 = static_cast<float>(std::floor(double{random.next()} * 6 + 1));
            rolls += 1;
            tally.increment(static_cast<std::int32_t>(d1 + d2 - 2));
        }
    } catch (const OverflowError&) {
    }
    return rolls;
}

void BM_BareLoop(benchmark::State& state) {
    ClockRandom random;
    RandomSource& source = random;
    const double n = state.range(0) == 0 ? untilFull : static_cast<double>(state.range(0));
    double rolls = 0;
    for (auto _ : state) {
        SumTally tally;
        source.randomize();
        rolls += bareLoop(source, tally, n);
        benchmark::DoNotOptimize(tally);
    }
    reportPerRoll(state, rolls);
}

void BM_HeadlessSeries(benchmark::State& state) {
    ClockRandom random;
    FrmMain frmMain(random);
    Form& form = frmMain.form();
    form.load();
    form.control("txtAnz").setText(state.range(0) == 0 ? "1000000000"
                                                       : std::to_string(state.range(0)));
    double rolls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        form.click("cmdCancel");
        state.ResumeTiming();
        form.click("cmdOptions");
        rolls +=
            frmMain.Tally().total() + (state.range(0) == 0 ? 1 : 0); // the roll that overflowed
    }
    reportPerRoll(state, rolls);
}

} // namespace

// Argument 0 stands for the longest series: from empty until the first overflow.
BENCHMARK(BM_BareLoop)->Arg(5000)->Arg(0)->ArgName("rolls")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HeadlessSeries)->Arg(5000)->Arg(0)->ArgName("rolls")->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
