// SPDX-License-Identifier: GPL-3.0-or-later
// One roll series: what the button "Würfeln" does.
#pragma once

#include "Control.h"
#include "ControlArray.h"
#include "Form.h"
#include "RandomSource.h"
#include "SumTally.h"

namespace kelvara {

// The parts of the window that a roll series reads and writes.
struct DiceWindow {
    Form& frmMain;
    Control& txtAnz;
    ControlArray& Line1;
    ControlArray& lblAnzahl;
    SumTally& Tally;
    RandomSource& random;
    double countAboveBar; // where the window's layout puts a count: so far above its bar's top
};

// Rolls two dice as often as the roll-count box says, growing the bar of each
// sum by one twip per roll and counting it, and shows every count above its
// bar at the end. A full count ends the series with the overflow error, its
// roll's bar already grown; a text that is no number ends it before any roll.
void rollSeries(const DiceWindow& w);

} // namespace kelvara
