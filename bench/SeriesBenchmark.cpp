// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of a roll series driven headless through the real handler, against
// the bare loop: the same generator drawing two dice as whole numbers and
// raising a tally, with no controls. Figures are per roll (the "per_roll"
// counter).
#include "BareLoop.h"
#include "FrmMain.h"
#include "RandomSource.h"
#include "SumTally.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kelvara;

constexpr double untilFull = 1e9; // far more rolls than a count can hold

void reportPerRoll(benchmark::State& state, double rolls) {
    state.counters["per_roll"] =
        benchmark::Counter(rolls, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Reseed, then roll until n or a full count; the rolls made, the one that
// overflowed included.
template <typename Loop, typename Seed> double bareLoop(Loop&& loop, Seed&& seed, double n) {
    SumTally tally;
    seed();
    double overflowed = 0;
    try {
        loop(tally, n);
    } catch (const OverflowError&) {
        overflowed = 1;
    }
    benchmark::DoNotOptimize(tally);
    return tally.total() + overflowed;
}

double rollsOf(const benchmark::State& state) {
    return state.range(0) == 0 ? untilFull : static_cast<double>(state.range(0));
}

// Every repetition reseeds, then rolls until n or a full count.
template <typename Loop, typename Seed>
void benchBare(benchmark::State& state, Loop&& loop, Seed&& seed) {
    double rolls = 0;
    for (auto _ : state) {
        rolls += bareLoop(loop, seed, rollsOf(state));
    }
    reportPerRoll(state, rolls);
}

// The platform's generator drawn directly, its dice whole.
void BM_BareLoop(benchmark::State& state) {
    RandomSource random;
    const auto loop = [&](SumTally& tally, double n) {
        bench::rollBare(
            tally, [&] { return random.nextRaw(); }, n);
    };
    benchBare(state, loop, [&] { random.randomize(); });
}

// Argument 0 is the longest series: from empty until the first overflow;
// argument -1 is a click with no roll at all, the fixed cost of a series.
void BM_HeadlessSeries(benchmark::State& state) {
    RandomSource random;
    FrmMain frmMain(random);
    Form& form = frmMain.form();
    form.load();
    const std::int64_t n = state.range(0);
    form.control("txtAnz").setText(n == 0 ? "1000000000"
                                          : std::to_string(std::max<std::int64_t>(n, 0)));
    double rolls = 0;
    for (auto _ : state) {
        if (n >= 0) { // a click without rolls changes nothing to reset
            state.PauseTiming();
            form.click("cmdCancel");
            state.ResumeTiming();
        }
        form.click("cmdOptions");
        rolls += frmMain.Tally().total() + (n == 0 ? 1 : 0); // the roll that overflowed
    }
    if (n >= 0) {
        reportPerRoll(state, rolls);
    }
}

} // namespace

BENCHMARK(BM_BareLoop)->Arg(5000)->Arg(0)->ArgName("rolls")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HeadlessSeries)
    ->Arg(5000)
    ->Arg(0)
    ->Arg(-1)
    ->ArgName("rolls")
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
