// SPDX-License-Identifier: GPL-3.0-or-later
// The real top-level window of a Form and its size.
#include "FormWindow.h"

#include "workarounds/Workarounds.h"

#include <QEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace kelvara {

namespace {

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

} // namespace

FormWindow::FormWindow(Form& form, const TwipScale& scale) : m_form(form), m_scale(scale) {
    setObjectName(QString::fromStdString(form.name()));
    readLargestSize();
    workarounds::watchWindow(this);
}

QSize FormWindow::modelPixels() const {
    return {m_scale.toPixels(m_form.scaleWidth()), m_scale.toPixels(m_form.scaleHeight())};
}

void FormWindow::askForModelSize() {
    const QSize wanted = modelPixels();
    if (m_form.windowState() != WindowState::Normal || size() == wanted) {
        return;
    }
    m_asking = true;
    resize(wanted);
    m_asking = false;
    if (size() != wanted) {
        // The window could not take the size (its minimum); let the model
        // learn the size it really has once the event that asked is over.
        QMetaObject::invokeMethod(this, &FormWindow::granted, Qt::QueuedConnection);
    }
}

void FormWindow::takeDesktopSize() {
    const QWindow* handle = windowHandle();
    if (handle != nullptr && handle->size() != size() && !isMinimized()) {
        resize(handle->size());
    }
}

void FormWindow::granted() {
    if (m_asking || isMinimized()) {
        return;
    }
    readFrame(); // the layout may write the window's outer size
    if (size() == modelPixels()) {
        return; // the model already has this size, to the pixel
    }
    m_form.userResize(m_scale.toTwips(width()), m_scale.toTwips(height()));
}

// The frame is read afresh before every event that may write the window's
// outer size. A desktop that changes the frame (a maximized window loses its
// borders, a restored one gets them back) may do so after the last move or
// resize it reports, and the toolkit learns of it without an event of its own.
void FormWindow::readFrame() {
    if (!isVisible() || windowHandle() == nullptr) {
        return; // no desktop has framed it yet
    }
    const QMargins frame = windowHandle()->frameMargins();
    const double width = m_scale.toTwips(std::max(0, frame.left() + frame.right()));
    const double height = m_scale.toTwips(std::max(0, frame.top() + frame.bottom()));
    if (width != m_form.frameWidth() || height != m_form.frameHeight()) {
        // Only the first frame is put around the size the program asked for;
        // a later one surrounds the inner size the desktop has set, and
        // taking it out of that size would shrink the window on every restore.
        m_form.setFrameSize(width, height,
                            m_framed ? Form::Keep::InnerSize : Form::Keep::OuterSize);
        m_framed = true;
    }
    readLargestSize();
}

void FormWindow::readLargestSize() {
    // The free area of the screen the window is on: a size written beyond it
    // would put the buttons out of reach (large fonts, a small screen).
    const QScreen* on = windowHandle() != nullptr ? windowHandle()->screen() : screen();
    if (on == nullptr) {
        return;
    }
    // Less a pixel: at a fractional scale the frame, whole device pixels,
    // comes out up to a pixel narrower in logical pixels than it is.
    const QSize room = on->availableGeometry().size() - QSize(1, 1);
    m_form.setLargestSize(m_scale.toTwips(room.width()), m_scale.toTwips(room.height()));
    // The smallest window a user can make, a twip or more rounded up to a
    // pixel; where even that is more than the screen has room for inside
    // the frame, the room.
    const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    const QSize inside = room.shrunkBy(frame);
    setMinimumSize(
        std::min(inside.width(), static_cast<int>(std::ceil(m_form.minimumClientWidth() /
                                                            m_scale.twipsPerPixel()))),
        std::min(inside.height(), static_cast<int>(std::ceil(m_form.minimumClientHeight() /
                                                             m_scale.twipsPerPixel()))));
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    granted();
}

void FormWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        m_form.setWindowState(toWindowState(windowState()));
    }
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    readFrame();
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    readFrame();
}

} // namespace kelvara
