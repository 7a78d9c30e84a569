// SPDX-License-Identifier: GPL-3.0-or-later
// A click on "Würfeln" in the real widgets (offscreen platform) until the
// window has been painted again, against the same series driven headless.
#include "FrmMain.h"
#include "FrmMainIcon.h"
#include "PixelIcon.h"
#include "QtFormView.h"
#include "RandomSource.h"

#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

using namespace kelvara;

void reportPerRoll(benchmark::State& state, double rolls) {
    state.counters["per_roll"] =
        benchmark::Counter(rolls, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

std::string countFor(const benchmark::State& state) {
    return state.range(0) == 0 ? "1000000000" : std::to_string(state.range(0));
}

double rollsOf(const FrmMain& frmMain, const benchmark::State& state) {
    return frmMain.Tally().total() + (state.range(0) == 0 ? 1 : 0);
}

void BM_HeadlessClick(benchmark::State& state) {
    RandomSource random;
    FrmMain frmMain(random);
    frmMain.form().load();
    frmMain.form().control("txtAnz").setText(countFor(state));
    double rolls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        frmMain.form().click("cmdCancel");
        state.ResumeTiming();
        frmMain.form().click("cmdOptions");
        rolls += rollsOf(frmMain, state);
    }
    reportPerRoll(state, rolls);
}

void BM_QtClickUntilPainted(benchmark::State& state) {
    RandomSource random;
    FrmMain frmMain(random);
    QtFormView view(frmMain.form(), iconFromPixels(frmMainIcon()), 96);
    view.setErrorPresenter([](QWidget*, const RuntimeError&) {});
    view.start();
    frmMain.form().control("txtAnz").setText(countFor(state));
    auto* roll = view.window()->findChild<QPushButton*>(QStringLiteral("cmdOptions"));
    auto* reset = view.window()->findChild<QPushButton*>(QStringLiteral("cmdCancel"));
    QCoreApplication::processEvents();
    double rolls = 0;
    for (auto _ : state) {
        state.PauseTiming();
        reset->click();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        // As on a desktop: the click, then the repaint it asked for, of what changed.
        roll->click();
        QCoreApplication::processEvents();
        rolls += rollsOf(frmMain, state);
    }
    reportPerRoll(state, rolls);
}

} // namespace

BENCHMARK(BM_HeadlessClick)->Arg(5000)->Arg(0)->ArgName("rolls")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QtClickUntilPainted)
    ->Arg(5000)
    ->Arg(0)
    ->ArgName("rolls")
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
