// The real top-level window of a Form.
#include "FormWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPalette>

#include <xcb/xcb.h>

namespace kelvara {

FormWindow::FormWindow(Listener listener) : m_listener(std::move(listener)) {}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_listener.resized();
}

void FormWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        m_listener.stateChanged();
    }
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    m_listener.framed();
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    fillNativeBackground();
    m_listener.framed();
}

void FormWindow::fillNativeBackground() {
    // At a fractional scale the toolkit rounds the window's size to whole
    // logical pixels and paints that many device pixels, which can be one
    // device column or row short of the window the desktop made (1280 pixels
    // maximised at 175 % are 731 logical pixels, painted as 1279). What it
    // leaves unpainted the X server fills with the window's background: the
    // window's own colour, not black.
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr ||
        x11->connection() == nullptr) {
        return; // not on an X server (the offscreen platform answers too, without one)
    }
    const std::uint32_t pixel = palette().color(QPalette::Window).rgb() & 0xFFFFFFU;
    xcb_change_window_attributes(x11->connection(), static_cast<xcb_window_t>(winId()),
                                 XCB_CW_BACK_PIXEL, &pixel);
}

} // namespace kelvara
