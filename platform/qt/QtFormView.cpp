// The Qt front end of a Form.
#include "QtFormView.h"

#include "AccessibleWidgets.h"
#include "ControlWidgets.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace kelvara {

namespace {

// The layout widens a window whose inner width is no wider than this.
constexpr double narrowestInnerWidth = 6500;
// The frame band, the baseline, a bar of 950 twips, its count and the border.
constexpr double lowestInnerHeight = 1500 + 500 + 950 + 450 + 50;
// The size the window's control sizes were made for.
constexpr double defaultPoints = 8;

double screenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

void presentInMessageBox(QWidget* window, const RuntimeError& error) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Kelvara"), QtFormView::messageFor(error),
                    QMessageBox::Ok, window);
    box.setObjectName(QStringLiteral("errorBox"));
    // The message quotes what the user pasted: shown as it is, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// The code a typed character reaches the key-press handler with. Characters
// beyond the signed 16-bit range become the largest code, which every filter
// that wants digits refuses.
std::int16_t characterCode(const QString& text) {
    const char32_t code = text.toUcs4().value(0);
    return static_cast<std::int16_t>(
        std::min<char32_t>(code, std::numeric_limits<std::int16_t>::max()));
}

// Keys that move the focus or edit without typing a character never reach
// the key-press handler.
bool typesCharacter(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return false;
    default:
        return !key.text().isEmpty();
    }
}

WindowState toWindowState(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) {
        return WindowState::Minimized;
    }
    if (states & Qt::WindowFullScreen) {
        return WindowState::FullScreen;
    }
    if (states & Qt::WindowMaximized) {
        return WindowState::Maximized;
    }
    return WindowState::Normal;
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
      m_presentError(presentInMessageBox) {
    m_window = new FormWindow({[this] { windowResized(); }, [this] { windowStateChanged(); },
                               [this] { windowFramed(); }});
    m_window->setObjectName(QString::fromStdString(form.name()));
    m_window->setWindowTitle(QString::fromStdString(form.caption()));
    m_window->setWindowIcon(icon);
    m_window->setFont(fontFor(Appearance{}));
    m_form.setTwipsPerPixel(m_scale.twipsPerPixel());
    createWidgets();
    setTabOrder();
    setMinimumSize();
    m_form.setView(this);
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

QString QtFormView::messageFor(const RuntimeError& error) {
    return QStringLiteral("Laufzeitfehler – %1").arg(QString::fromUtf8(error.what()));
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
        m_controlOf[widget] = control;
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
        label->setTextFormat(Qt::PlainText);
        label->setCaptionFont(fontFor(control.look()));
        return label;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        button->setDefault(false);
        connect(button, &QPushButton::clicked, this, [this, &control] {
            windowFramed(); // a click may write the window's outer size
            m_form.click(control.name());
        });
        return button;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(parent);
        box->installEventFilter(this);
        // Pasting, dropping, undo, input methods and assistive technology
        // bypass the key filter; whatever the box shows, the model holds.
        connect(box, &QLineEdit::textChanged, this, [&control, box] {
            // One line: a pasted or dropped line break would be held but not
            // shown, so it is taken out and the box holds what it shows.
            QString shown = box->text();
            if (shown.contains(QLatin1Char('\n')) || shown.contains(QLatin1Char('\r'))) {
                shown.remove(QLatin1Char('\r')).replace(QLatin1Char('\n'), QString());
                box->setText(shown); // raises this signal again, without line breaks
                return;
            }
            control.setText(shown.toStdString());
        });
        return box;
    }
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
    m_syncing = true;
    for (const Control* control : m_form.controls()) {
        syncControl(*control);
    }
    m_window->setWindowTitle(QString::fromStdString(m_form.caption()));
    m_window->setAccessibleName(m_window->windowTitle());
    const QSize wanted(m_scale.toPixels(m_form.scaleWidth()),
                       m_scale.toPixels(m_form.scaleHeight()));
    const bool desktopOwnsSize = m_form.windowState() != WindowState::Normal;
    if (!desktopOwnsSize && m_window->size() != wanted) {
        m_window->resize(wanted);
    }
    m_syncing = false;
    if (!desktopOwnsSize && m_window->size() != wanted) {
        // The window could not take the size (a minimum or the screen); let
        // the model learn the size it really got once this event is over.
        QMetaObject::invokeMethod(this, &QtFormView::windowResized, Qt::QueuedConnection);
    }
}

namespace {
// Widgets that keep a text of their own get it only when it differs, so
// that a text box keeps its cursor and selection.
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
        // The label paints the caption itself; holding it as its text too
        // repaints the label when, and only when, the caption changes.
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
        syncText(widget, caption, &QLineEdit::text, &QLineEdit::setText);
        widget->setGeometry(rect);
        break;
    case ControlKind::PictureBox:
    case ControlKind::Shape:
        widget->setGeometry(rect);
        break;
    }
    // Set only on a change: each set tells a screen reader that it changed.
    const QString accessibleName = QString::fromStdString(m_form.accessibleName(control));
    if (widget->accessibleName() != accessibleName) {
        widget->setAccessibleName(accessibleName);
    }
    const QString description = QString::fromStdString(m_form.accessibleDescription(control));
    if (widget->accessibleDescription() != description) {
        widget->setAccessibleDescription(description);
        announceDescription(widget);
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

void QtFormView::windowResized() {
    if (m_syncing || m_window->isMinimized()) {
        return;
    }
    windowFramed(); // the layout may write the window's outer size
    const QSize size = m_window->size();
    const QSize modelSize(m_scale.toPixels(m_form.scaleWidth()),
                          m_scale.toPixels(m_form.scaleHeight()));
    if (size == modelSize) {
        return; // the model already has this size, to the pixel
    }
    m_form.userResize(m_scale.toTwips(size.width()), m_scale.toTwips(size.height()));
}

void QtFormView::windowStateChanged() {
    m_form.setWindowState(toWindowState(m_window->windowState()));
}

// The frame is read afresh before every event that may write the window's
// outer size. A desktop that changes the frame (a maximized window loses its
// borders, a restored one gets them back) may do so after the last move or
// resize it reports, and the toolkit learns of it without an event of its own:
// a frame taken only from those events could be the maximized one still, and
// the outer size written with it would come out too large.
void QtFormView::windowFramed() {
    if (!m_window->isVisible()) {
        return; // no desktop has framed it yet
    }
    // From the window itself: the widget keeps the frame it saw with the last
    // move or resize.
    const QMargins frame = m_window->windowHandle()->frameMargins();
    const double width = m_scale.toTwips(std::max(0, frame.left() + frame.right()));
    const double height = m_scale.toTwips(std::max(0, frame.top() + frame.bottom()));
    if (width != m_form.frameWidth() || height != m_form.frameHeight()) {
        // Only the first frame is put around the size the program asked for;
        // a later one (a maximized window loses its borders, a restored one
        // gets them back) surrounds the inner size the desktop has set, and
        // taking it out of that size would shrink the window on every restore.
        m_form.setFrameSize(width, height,
                            m_framed ? Form::Keep::InnerSize : Form::Keep::OuterSize);
        m_framed = true;
    }
}

void QtFormView::setMinimumSize() {
    // The smallest window a user can make still takes the layout's wide
    // branch, which sizes the screen area to the window: one pixel more than
    // the narrow limit. Its height leaves room for the frame band, the sums
    // and a bar of 950 twips with its count, as tall as the sum 7 of a series
    // of 5000 rolls gets. Narrower still only comes from the program's own
    // size writes or a desktop without a window manager; the layout widens that.
    m_window->setMinimumSize(
        static_cast<int>(std::floor(narrowestInnerWidth / m_scale.twipsPerPixel())) + 1,
        m_scale.toPixels(lowestInnerHeight));
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

bool QtFormView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        return filterKey(watched, static_cast<QKeyEvent*>(event));
    }
    return QObject::eventFilter(watched, event);
}

bool QtFormView::filterKey(QObject* watched, QKeyEvent* key) {
    const auto found = m_controlOf.find(watched);
    if (found == m_controlOf.end() || !typesCharacter(*key)) {
        return false;
    }
    const std::int16_t typed = characterCode(key->text());
    const std::int16_t kept = m_form.keyPress(found->second->name(), typed);
    if (kept == typed) {
        return false;
    }
    if (kept != 0) {
        // The handler typed another character in place of this one.
        auto* box = static_cast<QLineEdit*>(m_widgets.at(found->second));
        box->insert(QString(QChar(kept)));
        found->second->setText(box->text().toStdString());
    }
    return true;
}

QIcon iconFromPixels(std::span<const std::uint32_t> argb) {
    const auto size = static_cast<int>(std::lround(std::sqrt(static_cast<double>(argb.size()))));
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            image.setPixel(x, y,
                           argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(size) +
                                static_cast<std::size_t>(x)]);
        }
    }
    return QIcon(QPixmap::fromImage(image));
}

} // namespace kelvara
