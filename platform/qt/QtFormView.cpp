// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt front end of a Form.
#include "QtFormView.h"

#include "ErrorText.h"
#include "FormOutline.h"
#include "LabelWidget.h"
#include "Letters.h"
#include "PictureBoxWidget.h"
#include "PixelLayout.h"
#include "ShapeWidget.h"
#include "TextBoxWidget.h"
#include "workarounds/Workarounds.h"

#include <QApplication>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kelvara {

namespace {

QRect toQRect(const PixelRect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

} // namespace

QtFormView::QtFormView(Form& form, const QIcon& icon, double dotsPerInch)
    : m_form(form),
      m_host(form, *this, FormWindow::roomOn(QGuiApplication::primaryScreen(), dotsPerInch)),
      m_presentError(
          [this](QWidget* /*window*/, const RuntimeError& error) { presentInMessageBox(error); }) {
    m_window = new FormWindow(m_host, dotsPerInch);
    m_window->setWindowTitle(QString::fromStdString(form.caption()));
    m_window->setWindowIcon(icon);
    createWidgets();
    setTabOrder();
    sync();
}

QtFormView::~QtFormView() {
    if (m_busyCursor) {
        QGuiApplication::restoreOverrideCursor();
    }
    delete m_window;
}

void QtFormView::start() {
    m_host.load();
    m_window->show();
}

QWidget* QtFormView::widgetOf(const Control& control) const {
    const auto found = m_widgets.find(&control);
    return found != m_widgets.end() ? found->second : nullptr;
}

void QtFormView::createWidgets() {
    for (Control* control : m_form.controls()) {
        QWidget* parent = m_window;
        if (control->parent() != nullptr) {
            parent = widgetOf(*control->parent());
            if (auto* box = dynamic_cast<PictureBoxWidget*>(parent)) {
                parent = box->contents();
            }
        }
        QWidget* widget = createWidget(*control, parent);
        widget->setObjectName(QString::fromStdString(kelvara::objectName(*control)));
        m_widgets[control] = widget;
    }
    for (const Control* control : m_form.controls()) {
        if (!control->labelFor().empty()) {
            static_cast<LabelWidget*>(widgetOf(*control))
                ->setBuddy(widgetOf(m_form.control(control->labelFor())));
        }
        if (control->accessibleRole() == AccessibleRole::Chart) {
            const std::vector<const Control*> held = chartContents(m_form, *control);
            std::vector<QWidget*> contents(held.size());
            std::transform(held.begin(), held.end(), contents.begin(),
                           [this](const Control* each) { return widgetOf(*each); });
            static_cast<PictureBoxWidget*>(widgetOf(*control))->setChartContents(contents);
        }
    }
}

QWidget* QtFormView::createWidget(Control& control, QWidget* parent) {
    switch (control.kind()) {
    case ControlKind::PictureBox:
        return new PictureBoxWidget(control, parent);
    case ControlKind::Frame: {
        // Opaque, so that a screen area left taller by a narrow layout stays behind it.
        auto* frame = new QGroupBox(parent);
        frame->setAutoFillBackground(true);
        return frame;
    }
    case ControlKind::Shape:
        return new ShapeWidget(control, parent);
    case ControlKind::Label:
        return new LabelWidget(control, parent);
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        button->setDefault(false);
        connect(button, &QPushButton::clicked, this, [this, &control] {
            m_window->readFrame(); // a click may write the window's outer size
            m_host.click(control);
        });
        return button;
    }
    case ControlKind::TextBox:
        return new TextBoxWidget(
            [this, &control](char32_t typed) { return m_host.keyTyped(control, typed); },
            [this, &control](const QString& text) {
                return QString::fromStdString(m_host.textChanged(control, text.toStdString()));
            },
            parent);
    }
    return new QWidget(parent);
}

void QtFormView::setTabOrder() {
    const std::vector<const Control*> stops = tabStops(m_form);
    for (std::size_t i = 1; i < stops.size(); ++i) {
        QWidget::setTabOrder(widgetOf(*stops[i - 1]), widgetOf(*stops[i]));
    }
    if (!stops.empty()) {
        widgetOf(*stops.front())->setFocus();
    }
}

QFont QtFormView::fontFor(const Appearance& look) const {
    // Sized in pixels from our own DPI, so text keeps its size in twips.
    const TwipScale& scale = m_host.scale();
    QFont font = QApplication::font();
    font.setPixelSize(scale.pointsToPixels(defaultFontPoints));
    if (!look.font) {
        return font;
    }
    font.setFamily(QString::fromStdString(look.font->family));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(scale.pointsToPixels(look.font->points));
    font.setWeight(look.font->weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(look.font->italic);
    font.setUnderline(look.font->underline);
    font.setStrikeOut(look.font->strikeOut);
    return font;
}

// Again whenever the window has moved to a screen of another DPI.
void QtFormView::syncFonts() {
    if (m_fontDpi == m_host.scale().dotsPerInch()) {
        return;
    }
    m_fontDpi = m_host.scale().dotsPerInch();
    m_window->setFont(fontFor(Appearance{}));
    for (const Control* control : m_form.controls()) {
        if (control->kind() == ControlKind::Label) {
            static_cast<LabelWidget*>(widgetOf(*control))->setCaptionFont(fontFor(control->look()));
        }
    }
}

void QtFormView::sync() {
    syncFonts();
    for (const Control* control : m_form.controls()) {
        syncControl(*control);
    }
    m_window->setWindowTitle(QString::fromStdString(m_form.caption()));
    m_window->setAccessibleName(m_window->windowTitle());
    m_window->askForModelSize();
}

void QtFormView::announce(const std::string& text) {
    workarounds::announce(m_window, QString::fromStdString(text));
}

namespace {
// Widgets that keep a text of their own get it only when it differs: each
// set repaints, and a text box would lose its caret and selection.
template <typename Widget>
void syncText(QWidget* widget, const QString& text, QString (Widget::*get)() const,
              void (Widget::*set)(const QString&)) {
    auto* typed = static_cast<Widget*>(widget);
    if ((typed->*get)() != text) {
        (typed->*set)(text);
    }
}
} // namespace

void QtFormView::syncControl(const Control& control) {
    QWidget* widget = widgetOf(control);
    const QRect rect = toQRect(pixelRect(control, m_host.scale()));
    const QString caption = QString::fromStdString(control.caption());
    switch (control.kind()) {
    case ControlKind::Label:
        syncText(widget, caption, &QLabel::text, &QLabel::setText);
        syncLabel(control, *static_cast<LabelWidget*>(widget));
        break;
    case ControlKind::Frame:
        syncText(widget, caption, &QGroupBox::title, &QGroupBox::setTitle);
        widget->setGeometry(rect);
        break;
    case ControlKind::CommandButton:
        syncText(widget, caption, &QPushButton::text, &QPushButton::setText);
        widget->setGeometry(rect);
        break;
    case ControlKind::TextBox:
        static_cast<TextBoxWidget*>(widget)->showText(caption);
        widget->setGeometry(rect);
        break;
    case ControlKind::PictureBox:
    case ControlKind::Shape:
        widget->setGeometry(rect);
        break;
    }
    // Set only on a change: each set tells a screen reader that it changed.
    const QString accessibleName = QString::fromStdString(control.accessibleName());
    if (widget->accessibleName() != accessibleName) {
        widget->setAccessibleName(accessibleName);
    }
    widget->setVisible(control.visible());
}

void QtFormView::syncLabel(const Control& label, LabelWidget& widget) {
    const LabelPlace place = labelPlace(m_form, label, m_host.scale());
    widget.setGeometry(toQRect(place.area));
    widget.setBody(toQRect(place.body));
}

void QtFormView::mousePointerChanged(int pointer) {
    const bool busy = pointer == MousePointer::Hourglass;
    if (busy && !m_busyCursor) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (!busy && m_busyCursor) {
        QGuiApplication::restoreOverrideCursor();
    }
    m_busyCursor = busy;
}

void QtFormView::showError(const RuntimeError& error) {
    m_presentError(m_window, error);
}

void QtFormView::presentInMessageBox(const RuntimeError& error) {
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(m_form.messageTitle()),
                    QString::fromStdString(errorText(error, cutBetweenLetters)), QMessageBox::Ok,
                    m_window);
    box.setObjectName(QStringLiteral("errorBox"));
    // The message quotes what the user pasted: shown as it is, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace kelvara
