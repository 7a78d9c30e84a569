// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain running headless: the window model with a view that draws nothing,
// started as the program starts it, for tests that play the user.
#pragma once

#include "FrmMain.h"
#include "RecordingView.h"
#include "SequenceRandom.h"

#include <gtest/gtest.h>

namespace kelvara::test {

class HeadlessWindow : public ::testing::Test {
  protected:
    HeadlessWindow() {
        form.setView(&view);
        form.load();
        view.clear();
    }

    Control& control(const char* name) { return form.control(name); }
    Control& Line1(int i) { return form.array("Line1")(i); }
    Control& lblNr(int i) { return form.array("lblNr")(i); }
    Control& lblAnzahl(int i) { return form.array("lblAnzahl")(i); }
    Control& imgScreen() { return form.control("imgScreen"); }
    Control& frmOptions() { return form.control("frmOptions"); }

    // Puts text in the box past the key filter, as pasting does, and clicks "Würfeln".
    void rollSeries(const std::string& count) {
        control("txtAnz").setText(count);
        form.click("cmdOptions");
    }

    SequenceRandom random;
    FrmMain frmMain{random};
    Form& form = frmMain.form();
    RecordingView view;
};

} // namespace kelvara::test
