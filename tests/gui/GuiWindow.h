// SPDX-License-Identifier: GPL-3.0-or-later
// frmMain in real widgets under Qt's offscreen platform at 96 dpi, with the
// error message box replaced by a list the test can read.
#pragma once

#include "FrmMain.h"
#include "FrmMainIcon.h"
#include "PixelIcon.h"
#include "QtFormView.h"
#include "RandomSource.h"
#include "Throws.h"

#include <QTest>
#include <vector>

namespace kelvara::test {

class GuiWindow {
  public:
    GuiWindow() : m_view(frmMain.form(), iconFromPixels(frmMainIcon()), 96) {
        m_view.setErrorPresenter(
            [this](QWidget*, const RuntimeError& error) { errors.push_back(error.kind()); });
        m_view.start();
        window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window()));
    }

    FormWindow* window() const { return m_view.window(); }
    Form& form() { return frmMain.form(); }

    template <typename Widget = QWidget> Widget* find(const QString& objectName) const {
        return window()->findChild<Widget*>(objectName);
    }

    RandomSource random = RandomSource::playing({face(4)});
    FrmMain frmMain{random};
    std::vector<ErrorKind> errors;

  private:
    QtFormView m_view;
};

} // namespace kelvara::test
