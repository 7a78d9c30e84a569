// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt front end of a Form.
#include "QtFormView.h"

#include "ErrorMessage.h"
#include "FormAccessibility.h"
#include "LabelWidget.h"
#include "PictureBoxWidget.h"
#include "ShapeWidget.h"
#include "TextBoxWidget.h"

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

// The size the window's control sizes were made for.
constexpr double defaultPoints = 8;

double screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

QString objectNameOf(const Control& control) {
    QString name = QString::fromStdString(control.name());
    if (control.index() >= 0) {
        name += QLatin1Char('_') + QString::number(control.index());
    }
    return name;
}

} // namespace

QtFormView::QtFormView(Form& form, const QIcon& icon, double dotsPerInch)
    : m_form(form), m_scale(dotsPerInch > 0 ? dotsPerInch : screenDpi()),
      m_presentError(
          [this](QWidget* /*window*/, const RuntimeError& error) { presentInMessageBox(error); }) {
    m_window = new FormWindow(form, m_scale);
    m_window->setWindowTitle(QString::fromStdString(form.caption()));
    m_window->setWindowIcon(icon);
    m_window->setFont(fontFor(Appearance{}));
    m_form.setTwipsPerPixel(m_scale.twipsPerPixel());
    createWidgets();
    setTabOrder();
    m_form.setView(this);
    m_announced = m_form.liveSummaryCount();
    sync();
}

QtFormView::~QtFormView() {
    m_form.setView(nullptr);
    if (m_busyCursor) {
        QGuiApplication::restoreOverrideCursor();
    }
    delete m_window;
}

void QtFormView::start() {
    m_form.load();
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
        widget->setObjectName(objectNameOf(*control));
        m_widgets[control] = widget;
    }
    for (const Control* control : m_form.controls()) {
        if (!control->labelFor().empty()) {
            static_cast<LabelWidget*>(widgetOf(*control))
                ->setBuddy(widgetOf(m_form.control(control->labelFor())));
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
    case ControlKind::Label: {
        auto* label = new LabelWidget(control, parent);
        label->setCaptionFont(fontFor(control.look()));
        return label;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        button->setDefault(false);
        connect(button, &QPushButton::clicked, this, [this, &control] {
            m_window->readFrame(); // a click may write the window's outer size
            m_form.click(control.name());
        });
        return button;
    }
    case ControlKind::TextBox:
        return new TextBoxWidget(
            [this, &control](std::int16_t keyAscii) {
                return m_form.keyPress(control.name(), keyAscii);
            },
            [&control](const QString& text) { control.setText(text.toStdString()); }, parent);
    }
    return new QWidget(parent);
}

void QtFormView::setTabOrder() {
    std::vector<const Control*> stops;
    for (const Control* control : m_form.controls()) {
        QWidget* widget = widgetOf(*control);
        if (control->tabIndex() >= 0 && widget->focusPolicy() != Qt::NoFocus) {
            stops.push_back(control);
        }
    }
    std::sort(stops.begin(), stops.end(),
              [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
    for (std::size_t i = 1; i < stops.size(); ++i) {
        QWidget::setTabOrder(widgetOf(*stops[i - 1]), widgetOf(*stops[i]));
    }
    if (!stops.empty()) {
        widgetOf(*stops.front())->setFocus();
    }
}

int QtFormView::pixelSizeOf(double points) const {
    return std::max(1, static_cast<int>(std::lround(points * m_scale.dotsPerInch() / 72.0)));
}

QFont QtFormView::fontFor(const Appearance& look) const {
    // Sized in pixels from our own DPI, so text keeps its size in twips.
    QFont font = QApplication::font();
    font.setPixelSize(pixelSizeOf(defaultPoints));
    if (!look.font) {
        return font;
    }
    font.setFamily(QString::fromStdString(look.font->family));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSizeOf(look.font->points));
    font.setWeight(look.font->weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setItalic(look.font->italic);
    font.setUnderline(look.font->underline);
    font.setStrikeOut(look.font->strikeOut);
    return font;
}

QRect QtFormView::pixelRect(const Control& control) const {
    // Positions count from the container's inner corner; a picture box's
    // children sit in its contents, which starts inside its border.
    const PixelSpan x = m_scale.toPixelSpan(control.left(), control.width());
    const PixelSpan y = m_scale.toPixelSpan(control.top(), control.height());
    return {x.start, y.start, x.length, y.length};
}

void QtFormView::sync() {
    for (const Control* control : m_form.controls()) {
        syncControl(*control);
    }
    m_window->setWindowTitle(QString::fromStdString(m_form.caption()));
    m_window->setAccessibleName(m_window->windowTitle());
    m_window->askForModelSize();
    if (m_form.liveSummaryCount() != m_announced) {
        m_announced = m_form.liveSummaryCount();
        announce(m_window, QString::fromStdString(m_form.liveSummary()));
    }
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
    const QRect rect = pixelRect(control);
    const QString caption = QString::fromStdString(control.caption());
    switch (control.kind()) {
    case ControlKind::Label:
        syncText(widget, caption, &QLabel::text, &QLabel::setText);
        syncLabelGeometry(control, *static_cast<LabelWidget*>(widget), rect);
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

void QtFormView::syncLabelGeometry(const Control& label, LabelWidget& widget, const QRect& body) {
    // A centred label of an array may spread its caption over half the gap
    // to each neighbour, so that neighbouring captions never touch.
    int spill = 0;
    if (label.look().alignment == Alignment::Center && label.index() >= 0) {
        const ControlArray& array = m_form.array(label.name());
        std::vector<int> halfGaps;
        if (label.index() > 0) {
            halfGaps.push_back((body.left() - pixelRect(array(label.index() - 1)).right() - 1) / 2);
        }
        if (label.index() + 1 < array.count()) {
            halfGaps.push_back((pixelRect(array(label.index() + 1)).left() - body.right() - 1) / 2);
        }
        if (!halfGaps.empty()) {
            spill = std::max(0, *std::min_element(halfGaps.begin(), halfGaps.end()));
        }
    }
    widget.setGeometry(body.adjusted(-spill, 0, spill, 0));
    widget.setBody(QRect(spill, 0, body.width(), body.height()));
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
                    errorMessage(error), QMessageBox::Ok, m_window);
    box.setObjectName(QStringLiteral("errorBox"));
    // The message quotes what the user pasted: shown as it is, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace kelvara
