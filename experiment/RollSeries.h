// One roll series: the click handler of the button that rolls the dice.
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
};

// Rolls two dice as often as the roll-count box says, growing the bar of each
// sum by one twip per roll, and shows every count above its bar at the end.
void cmdOptions_Click(const DiceWindow& w);

} // namespace kelvara
