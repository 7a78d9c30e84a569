// The layout of frmMain: the frame as a 1500-twip band along the bottom, the
// screen area above it, and the bars on a baseline 500 twips above the frame
// in 23 equal columns (a gap, then eleven times a bar and a gap).
#include "FrmMain.h"

#include "Numeric.h"

namespace kelvara {

void FrmMain::Form_Resize() {
    ArrangeControls();
}

void FrmMain::ArrangeControls() {
    frmOptions().setTop(double{frmMain().scaleHeight()} - 1500);
    frmOptions().setWidth(frmMain().scaleWidth());
    frmOptions().setHeight(double{frmMain().scaleHeight()} - frmOptions().top());
    if (frmMain().scaleWidth() > 6500) {
        imgScreen().setWidth(frmMain().scaleWidth());
        imgScreen().setHeight(double{frmMain().scaleHeight()} - frmOptions().height());
    } else {
        // Too narrow: widen the window instead. The resize this raises lays
        // the window out again; writing 6500 a second time changes nothing.
        frmMain().setWidth(6500);
    }
    for (std::int16_t i = 0; i <= 10; ++i) {
        Line1(i).setTop(double{frmOptions().top()} - 500 - Line1(i).height());
        lblNr(i).setTop(double{frmOptions().top()} - 400);
        const std::int16_t BarUnit =
            numeric::toInt16(numeric::checked(imgScreen().scaleWidth() / 23.0));
        Line1(i).setWidth(BarUnit);
        Line1(i).setLeft(std::int32_t{i} * numeric::mulInt16(2, BarUnit) + BarUnit);
        lblNr(i).setWidth(BarUnit);
        lblNr(i).setLeft(std::int32_t{i} * numeric::mulInt16(2, BarUnit) + BarUnit);
        lblAnzahl(i).setTop(double{Line1(i).top()} - 450);
        lblAnzahl(i).setWidth(Line1(i).width());
        lblAnzahl(i).setLeft(Line1(i).left());
    }
}

} // namespace kelvara
