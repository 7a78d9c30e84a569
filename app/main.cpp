// SPDX-License-Identifier: GPL-3.0-or-later
// Kelvara: the sum of two dice as a histogram.
#include "FrmMain.h"
#include "FrmMainIcon.h"
#include "GuiSession.h"
#include "PixelIcon.h"
#include "QtFormView.h"
#include "RandomSource.h"

int main(int argc, char* argv[]) {
    const auto app = kelvara::openGuiSession(
        argc, argv, {"Kelvara", "de.kelvara.Kelvara", KELVARA_VERSION, "kelvara"});
    kelvara::RandomSource random;
    kelvara::FrmMain frmMain(random);
    kelvara::QtFormView view(frmMain.form(), kelvara::iconFromPixels(kelvara::frmMainIcon()));
    view.start();
    return QApplication::exec();
}
