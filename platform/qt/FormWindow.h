// SPDX-License-Identifier: GPL-3.0-or-later
// The real top-level window of a Form: it tells the core (FormHost) what the
// desktop does to it, the screen it is on, the frame around it, the size it
// is given and its state, and asks the desktop for the size the model holds.
// The rules of that exchange are the core's; this is the Qt side of it.
#pragma once

#include "FormHost.h"

#include <QMetaObject>
#include <QWidget>

class QScreen;

namespace kelvara {

class FormWindow final : public QWidget {
  public:
    // dotsPerInch 0 follows each screen's logical DPI.
    FormWindow(FormHost& host, double dotsPerInch);

    // What the core is told of a screen.
    static ScreenRoom roomOn(const QScreen* screen, double dotsPerInch);

    // Ask the desktop for the size the model holds, where the core allows.
    void askForModelSize();
    // The frame, read afresh: before every event that may write the outer size.
    void readFrame();
    // The desktop's size differs from the one the window last took: take it.
    void takeDesktopSize();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void granted();
    void readScreen();
    void applySmallestSize();

    FormHost& m_host;
    double m_dotsPerInch;
    bool m_watchingScreens = false;      // told when the window moves to another screen
    QMetaObject::Connection m_roomWatch; // the free area of the screen the window is on
};

} // namespace kelvara
