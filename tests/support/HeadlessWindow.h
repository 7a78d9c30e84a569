// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain running headless, started as the program starts it, behind a view
// that shows nothing and records what the core told it (which errors reached
// the user and their text, when it synced, how the pointer changed,
// what was announced, all in one log), for tests that play the user or a desktop.
#pragma once

#include "ErrorText.h"
#include "FormHost.h"
#include "FormView.h"
#include "FrmMain.h"
#include "RandomSource.h"
#include "Throws.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace kelvara::test {

// Plays a desktop too, as a front end would after each event: asks for the
// model's size, which it grants (echoing the new size at once, as toolkits
// do) or refuses; then it owes the core, once the event is over, the size
// the window really has.
class RecordingView final : public FormView {
  public:
    void sync() override {
        log.push_back("sync");
        owesGrant = host->askForModelSize(window, [this](PixelSize wanted) {
            window = refuses ? window : wanted;
            host->granted(window); // the toolkit's echo, which the core ignores
            return window;
        });
    }
    void showError(const RuntimeError& error) override {
        errors.push_back(error.kind());
        log.push_back("error " + errorText(error));
    }
    void mousePointerChanged(int pointer) override {
        log.push_back("pointer " + std::to_string(pointer));
    }
    void announce(const std::string& text) override { log.push_back("announce " + text); }
    void clear() { // what it was told; the desktop stays
        const auto desktop = std::pair{host, window};
        *this = RecordingView();
        std::tie(host, window) = desktop;
    }

    FormHost* host = nullptr;
    PixelSize window;
    bool refuses = false;
    bool owesGrant = false;
    std::vector<ErrorKind> errors;
    std::vector<std::string> log; // what the core told, in order
};

class HeadlessWindow : public ::testing::Test {
  protected:
    HeadlessWindow() {
        view.host = &host;
        host.load();
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
    FormHost host{form, view, {{1920, 1080}, 96}};
};

} // namespace kelvara::test
