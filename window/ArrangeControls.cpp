// SPDX-License-Identifier: GPL-3.0-or-later
// The layout of frmMain: the frame as a band along the bottom, the screen
// area above it, and the bars on a baseline above the frame in equal columns
// (a gap, then eleven times a bar and a gap).
#include "FrmMain.h"

#include "Layout.h"
#include "Numeric.h"

namespace kelvara {

void FrmMain::Form_Resize() {
    ArrangeControls();
}

void FrmMain::ArrangeControls() {
    frmOptions().setTop(double{frmMain().scaleHeight()} - layout::bandHeight);
    frmOptions().setWidth(frmMain().scaleWidth());
    frmOptions().setHeight(double{frmMain().scaleHeight()} - frmOptions().top());
    if (frmMain().scaleWidth() > layout::narrowestWidth) {
        imgScreen().setWidth(frmMain().scaleWidth());
        imgScreen().setHeight(double{frmMain().scaleHeight()} - frmOptions().height());
    } else {
        // Too narrow: widen the window instead. The resize this raises lays
        // the window out again; writing the same width again changes nothing.
        frmMain().setWidth(layout::narrowestWidth);
    }
    for (std::int16_t i = 0; i <= 10; ++i) {
        Line1(i).setTop(double{frmOptions().top()} - layout::baselineAboveBand - Line1(i).height());
        lblNr(i).setTop(double{frmOptions().top()} - layout::sumLabelAboveBand);
        const std::int16_t BarUnit =
            numeric::toInt16(numeric::checked(imgScreen().scaleWidth() / layout::columns));
        Line1(i).setWidth(BarUnit);
        Line1(i).setLeft(std::int32_t{i} * numeric::mulInt16(2, BarUnit) + BarUnit);
        lblNr(i).setWidth(BarUnit);
        lblNr(i).setLeft(std::int32_t{i} * numeric::mulInt16(2, BarUnit) + BarUnit);
        lblAnzahl(i).setTop(double{Line1(i).top()} - layout::countAboveBar);
        lblAnzahl(i).setWidth(Line1(i).width());
        lblAnzahl(i).setLeft(Line1(i).left());
    }
}

} // namespace kelvara
