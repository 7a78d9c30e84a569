// The Qt front end of a Form: one widget per control, drawn from the model.
//
// It maps twips to pixels at a given DPI, turns the real window's resizes,
// clicks and typed characters into the model's events, and after each event
// carries the model's state to the widgets in one pass.
#pragma once

#include "Form.h"
#include "FormWindow.h"
#include "TwipScale.h"

#include <QIcon>
#include <QObject>
#include <QPointer>

#include <functional>
#include <map>
#include <span>

class QWidget;

namespace kelvara {

class LabelWidget;

class QtFormView final : public QObject, public FormView {
  public:
    using ErrorPresenter = std::function<void(QWidget* window, const RuntimeError& error)>;

    // dotsPerInch 0 takes the screen's logical DPI.
    QtFormView(Form& form, const QIcon& icon, double dotsPerInch = 0);
    ~QtFormView() override;

    // Raise the load event, then show the window.
    void start();

    QWidget* window() const { return m_window; }
    QWidget* widgetOf(const Control& control) const;
    const TwipScale& scale() const { return m_scale; }
    // Replaces the message box that reports an error (tests record instead).
    void setErrorPresenter(ErrorPresenter presenter) { m_presentError = std::move(presenter); }
    // The German text the user reads for an error.
    static QString messageFor(const RuntimeError& error);

    void sync() override;
    void showError(const RuntimeError& error) override;
    void mousePointerChanged(int pointer) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createWidgets();
    QWidget* createWidget(Control& control, QWidget* parent);
    void setTabOrder();
    void syncControl(const Control& control);
    void syncLabelGeometry(const Control& label, LabelWidget& widget, const QRect& body);
    QRect pixelRect(const Control& control) const;
    QFont fontFor(const Appearance& look) const;
    int pixelSizeOf(double points) const;
    void windowResized();
    void windowStateChanged();
    void windowFramed();
    void setMinimumSize();
    bool filterKey(QObject* watched, QKeyEvent* key);

    Form& m_form;
    TwipScale m_scale;
    QPointer<FormWindow> m_window;
    std::map<const Control*, QWidget*> m_widgets;
    std::map<const QObject*, Control*> m_controlOf;
    ErrorPresenter m_presentError;
    bool m_syncing = false;
    bool m_busyCursor = false;
    bool m_framed = false; // the desktop has reported a frame once
};

// A square icon from its row-major 0xAARRGGBB pixels.
QIcon iconFromPixels(std::span<const std::uint32_t> argb);

} // namespace kelvara
