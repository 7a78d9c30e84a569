// SPDX-License-Identifier: GPL-3.0-or-later
// The program's one window: the histogram of two dice, its layout, start-up,
// reset, the roll-count box's key filter and the roll series.
//
// The window is built from its description; its handlers read every property
// afresh from the controls and keep no copies between steps.
//
// The names are the window's own, and some mislead:
//   cmdOptions   the button "Würfeln", which runs a roll series
//   cmdCancel    the button "CLS", which empties the histogram
//   frmOptions   the frame along the bottom that holds both buttons and the box
//   txtAnz       the box for the number of rolls
//   imgScreen    the black screen area that holds the histogram
//   Line1        the eleven bars (shapes, not lines)
//   lblNr        the sums under the bars; lblAnzahl the counts above them
//   Label1       the caption "Anzahl der Würfe:" above the box
#pragma once

#include "Form.h"
#include "RandomSource.h"
#include "RollSeries.h"
#include "SumTally.h"

#include <cstdint>
#include <string>

namespace kelvara {

class FrmMain {
  public:
    explicit FrmMain(RandomSource& random);
    FrmMain(const FrmMain&) = delete;
    FrmMain& operator=(const FrmMain&) = delete;

    Form& form() { return m_form; }
    const SumTally& Tally() const { return m_Tally; }

  private:
    void Form_Load();
    void Form_Resize();
    void ArrangeControls();
    void cmdOptions_Click();
    void cmdCancel_Click();
    void txtAnz_KeyPress(std::int16_t& KeyAscii);
    void bindEvents();
    // What a screen reader reads of the histogram: the counts the labels show.
    void describeHistogram(const char* outcome);

    Form& frmMain() { return m_form; }
    Control& imgScreen() { return m_imgScreen; }
    Control& frmOptions() { return m_frmOptions; }
    Control& Line1(std::int32_t i) { return m_Line1(i); }
    Control& lblNr(std::int32_t i) { return m_lblNr(i); }
    Control& lblAnzahl(std::int32_t i) { return m_lblAnzahl(i); }

    Form m_form;
    Control& m_imgScreen;
    Control& m_frmOptions;
    Control& m_txtAnz;
    ControlArray& m_Line1;
    ControlArray& m_lblNr;
    ControlArray& m_lblAnzahl;
    SumTally m_Tally;
    RandomSource& m_random;
};

} // namespace kelvara
