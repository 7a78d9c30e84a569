// Kelvara: the sum of two dice as a histogram.
#include "ApplicationInfo.h"
#include "ClockRandom.h"
#include "FrmMain.h"
#include "FrmMainIcon.h"
#include "QtFormView.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kelvara::setApplicationInfo();
    kelvara::ClockRandom random;
    kelvara::FrmMain frmMain(random);
    kelvara::QtFormView view(frmMain.form(), kelvara::iconFromPixels(kelvara::frmMainIcon()));
    view.start();
    return QApplication::exec();
}
