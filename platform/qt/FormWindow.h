// SPDX-License-Identifier: GPL-3.0-or-later
// The real top-level window of a Form, and the one place where its size is
// negotiated with the desktop: the size the model asks for, the size the
// desktop grants, the frame the desktop puts around it, the largest size the
// screen has room for and the smallest a user may make.
//
// The model writes its outer size at start, on a reset or at its narrow
// limit; the desktop may refuse, change or only partly grant that (a window
// maximized in one direction, tiled, full screen, shrunk to the screen). The
// model lays itself out for whatever the desktop grants.
#pragma once

#include "Form.h"
#include "TwipScale.h"

#include <QWidget>

namespace kelvara {

class FormWindow final : public QWidget {
  public:
    FormWindow(Form& form, const TwipScale& scale);

    // Ask the desktop for the size the model holds, unless the desktop owns
    // the size (maximized, full screen, minimized).
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
    QSize modelPixels() const;
    void granted();
    void readLargestSize();

    Form& m_form;
    const TwipScale& m_scale;
    bool m_asking = false; // inside our own resize: what it reports is no grant
    bool m_framed = false; // the desktop has reported a frame once
};

} // namespace kelvara
