// frmMain in real widgets under Qt's offscreen platform at 96 dpi, with the
// error message box replaced by a list the test can read.
#pragma once

#include "FrmMain.h"
#include "FrmMainIcon.h"
#include "QtFormView.h"
#include "SequenceRandom.h"

#include <QTest>
#include <QWidget>

#include <memory>
#include <vector>

namespace kelvara::test {

class GuiWindow {
  public:
    GuiWindow() : m_view(frmMain.form(), iconFromPixels(frmMainIcon()), 96) {
        m_view.setErrorPresenter(
            [this](QWidget*, const RuntimeError& error) { errors.push_back(error.kind()); });
        m_view.start();
        window()->activateWindow();
        if (!QTest::qWaitForWindowExposed(window())) {
            qWarning("window not exposed");
        }
    }

    QWidget* window() const { return m_view.window(); }
    QtFormView& view() { return m_view; }
    Form& form() { return frmMain.form(); }
    // The window's inner size in pixels for an outer size in twips, with the
    // frame that the platform reports.
    QSize innerPixels(float outerWidth, float outerHeight) {
        const TwipScale& scale = m_view.scale();
        return {scale.toPixels(outerWidth - form().frameWidth()),
                scale.toPixels(outerHeight - form().frameHeight())};
    }

    template <typename Widget = QWidget> Widget* find(const char* objectName) const {
        if (window()->objectName() == QLatin1String(objectName)) {
            return dynamic_cast<Widget*>(window());
        }
        return dynamic_cast<Widget*>(window()->findChild<QWidget*>(QLatin1String(objectName)));
    }

    SequenceRandom random;
    FrmMain frmMain{random};
    std::vector<ErrorKind> errors;

  private:
    QtFormView m_view;
};

} // namespace kelvara::test
