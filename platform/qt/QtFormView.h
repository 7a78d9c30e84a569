// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt front end of a Form: one widget per control, drawn from the model.
//
// It turns clicks, typed characters and text into what FormHost takes, and
// after each event carries the model's state to the widgets in one pass.
// The window's size is FormWindow's business.
#pragma once

#include "Form.h"
#include "FormHost.h"
#include "FormWindow.h"

#include <QIcon>
#include <QObject>
#include <QPointer>

#include <functional>
#include <map>

class QWidget;

namespace kelvara {

class LabelWidget;

class QtFormView final : public QObject, public FormView {
  public:
    using ErrorPresenter = std::function<void(QWidget* window, const RuntimeError& error)>;

    // dotsPerInch 0 follows the logical DPI of the screen the window is on.
    QtFormView(Form& form, const QIcon& icon, double dotsPerInch = 0);
    ~QtFormView() override;
    QtFormView(const QtFormView&) = delete;
    QtFormView& operator=(const QtFormView&) = delete;

    // Raise the load event, then show the window.
    void start();

    FormWindow* window() const { return m_window; }
    QWidget* widgetOf(const Control& control) const;
    // Replaces the message box that reports an error (tests record instead).
    void setErrorPresenter(ErrorPresenter presenter) { m_presentError = std::move(presenter); }

    void sync() override;
    void showError(const RuntimeError& error) override;
    void mousePointerChanged(int pointer) override;
    void announce(const std::string& text) override;

  private:
    void createWidgets();
    QWidget* createWidget(Control& control, QWidget* parent);
    void setTabOrder();
    void syncFonts();
    void syncControl(const Control& control);
    void syncLabel(const Control& label, LabelWidget& widget);
    QFont fontFor(const Appearance& look) const;
    void presentInMessageBox(const RuntimeError& error);

    Form& m_form;
    FormHost m_host;
    QPointer<FormWindow> m_window;
    std::map<const Control*, QWidget*> m_widgets;
    ErrorPresenter m_presentError;
    bool m_busyCursor = false;
    double m_fontDpi = 0; // the DPI the widgets' fonts were sized for
};

} // namespace kelvara
