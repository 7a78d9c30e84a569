// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain running headless: the window model with a view that shows nothing
// and records what it was told (which errors reached the user and their
// text, how often it was synced, how the pointer changed, what was
// announced), started as the program starts it, for tests that play the user.
#pragma once

#include "ErrorText.h"
#include "FormView.h"
#include "FrmMain.h"
#include "RandomSource.h"
#include "Throws.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvara::test {

class RecordingView final : public FormView {
  public:
    void sync() override { ++syncs; }
    void showError(const RuntimeError& error) override {
        errors.push_back(error.kind());
        lastMessage = errorText(error);
    }
    void mousePointerChanged(int pointer) override { pointerChanges.push_back(pointer); }
    void announce(const std::string& text) override { announcements.push_back(text); }
    void clear() { *this = RecordingView(); }

    int syncs = 0;
    std::vector<ErrorKind> errors;
    std::string lastMessage;
    std::vector<int> pointerChanges;
    std::vector<std::string> announcements;
};

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

    RandomSource random = RandomSource::playing({face(4)});
    FrmMain frmMain{random};
    Form& form = frmMain.form();
    RecordingView view;
};

} // namespace kelvara::test
