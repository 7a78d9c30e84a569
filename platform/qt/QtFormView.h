// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt front end of a Form: one widget per control, drawn from the model.
//
// It maps twips to pixels at a given DPI, turns clicks and typed characters
// into the model's events, and after each event carries the model's state to
// the widgets in one pass. The window's size is FormWindow's business.
#pragma once

#include "Form.h"
#include "FormWindow.h"
#include "TwipScale.h"

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

    // dotsPerInch 0 takes the screen's logical DPI.
    QtFormView(Form& form, const QIcon& icon, double dotsPerInch = 0);
    ~QtFormView() override;
    QtFormView(const QtFormView&) = delete;
    QtFormView& operator=(const QtFormView&) = delete;

    // Raise the load event, then show the window.
    void start();

    FormWindow* window() const { return m_window; }
    QWidget* widgetOf(const Control& control) const;
    const TwipScale& scale() const { return m_scale; }
    // Replaces the message box that reports an error (tests record instead).
    void setErrorPresenter(ErrorPresenter presenter) { m_presentError = std::move(presenter); }

    void sync() override;
    void showError(const RuntimeError& error) override;
    void mousePointerChanged(int pointer) override;

  private:
    void createWidgets();
    QWidget* createWidget(Control& control, QWidget* parent);
    void setTabOrder();
    void syncControl(const Control& control);
    void syncLabelGeometry(const Control& label, LabelWidget& widget, const QRect& body);
    QRect pixelRect(const Control& control) const;
    QFont fontFor(const Appearance& look) const;
    int pixelSizeOf(double points) const;
    void presentInMessageBox(const RuntimeError& error);

    Form& m_form;
    TwipScale m_scale;
    QPointer<FormWindow> m_window;
    std::map<const Control*, QWidget*> m_widgets;
    ErrorPresenter m_presentError;
    bool m_busyCursor = false;
    int m_announced = 0; // the live summaries announced so far
};

} // namespace kelvara
