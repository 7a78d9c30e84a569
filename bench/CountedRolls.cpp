// SPDX-License-Identifier: GPL-3.0-or-later
// A fixed number of rolls for valgrind's callgrind, which counts the
// instructions exactly: the handler headless, or the bare loop with the same
// generator. Two counts of different lengths give the instructions per roll.
//   counted_rolls handler|bare ROLLS
#include "BareLoop.h"
#include "FrmMain.h"
#include "RandomSource.h"

#include <cstdio>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s handler|bare ROLLS\n", argv[0]);
        return 2;
    }
    const std::string what = argv[1];
    const std::string rolls = argv[2];
    // A fixed clock: the same draws on every run, so the count repeats exactly.
    kelvara::RandomSource random([] { return std::uint64_t{20261207}; });
    kelvara::FrmMain frmMain(random);
    frmMain.form().load();
    if (what == "handler") {
        frmMain.form().control("txtAnz").setText(rolls);
        frmMain.form().click("cmdOptions");
        return frmMain.Tally().total() == std::stoi(rolls) ? 0 : 1;
    }
    kelvara::SumTally tally;
    random.randomize();
    kelvara::bench::rollBare(
        tally, [&] { return random.nextRaw(); }, std::stod(rolls));
    return tally.total() == std::stoi(rolls) ? 0 : 1;
}
