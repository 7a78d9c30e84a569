// SPDX-License-Identifier: GPL-3.0-or-later
// Kelvara on Windows: the sum of two dice as a histogram.
#include "FrmMain.h"
#include "FrmMainIcon.h"
#include "RandomSource.h"
#include "Win32FormView.h"

int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*arguments*/,
                   int showCommand) {
    kelvara::RandomSource random;
    kelvara::FrmMain frmMain(random);
    const kelvara::IconPixels icon = kelvara::frmMainIcon();
    kelvara::Win32FormView view(frmMain.form(), icon);
    view.start(showCommand);
    return view.run();
}
