// SPDX-License-Identifier: GPL-3.0-or-later
// The real top-level window of a Form and its size.
#include "FormWindow.h"

#include "workarounds/Workarounds.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>

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

PixelSize toPixelSize(const QSize& size) {
    return {size.width(), size.height()};
}

} // namespace

FormWindow::FormWindow(FormHost& host, double dotsPerInch)
    : m_host(host), m_dotsPerInch(dotsPerInch) {
    setObjectName(QString::fromStdString(host.form().name()));
    applySmallestSize();
    workarounds::watchWindow(this);
}

ScreenRoom FormWindow::roomOn(const QScreen* screen, double dotsPerInch) {
    if (screen == nullptr) {
        return {{}, dotsPerInch > 0 ? dotsPerInch : 96.0};
    }
    return {toPixelSize(screen->availableGeometry().size()),
            dotsPerInch > 0 ? dotsPerInch : screen->logicalDotsPerInch()};
}

void FormWindow::askForModelSize() {
    const bool cameOutShort = m_host.askForModelSize(toPixelSize(size()), [this](PixelSize wanted) {
        resize(wanted.width, wanted.height);
        return toPixelSize(size());
    });
    if (cameOutShort) {
        // Less than asked (the window's minimum): the model learns the size
        // it really has once the event that asked is over.
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
    readFrame(); // the layout may write the window's outer size
    m_host.granted(toPixelSize(size()));
}

// A desktop that changes the frame (a maximized window loses its borders, a
// restored one gets them back) may do so after the last move or resize it
// reports, and the toolkit learns of it without an event of its own.
void FormWindow::readFrame() {
    if (!isVisible() || windowHandle() == nullptr) {
        return; // no desktop has framed it yet
    }
    const QMargins frame = windowHandle()->frameMargins();
    m_host.framed(
        {std::max(0, frame.left() + frame.right()), std::max(0, frame.top() + frame.bottom())});
    applySmallestSize();
}

void FormWindow::readScreen() {
    const QScreen* on = windowHandle() != nullptr ? windowHandle()->screen() : screen();
    disconnect(m_roomWatch);
    if (on != nullptr) {
        m_roomWatch =
            connect(on, &QScreen::availableGeometryChanged, this, &FormWindow::readScreen);
    }
    m_host.screenChanged(roomOn(on, m_dotsPerInch));
    applySmallestSize();
}

void FormWindow::applySmallestSize() {
    const PixelSize smallest = m_host.smallestSize();
    setMinimumSize(smallest.width, smallest.height);
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    granted();
}

void FormWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        m_host.stateChanged(toWindowState(windowState()));
    }
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    readFrame();
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_watchingScreens && windowHandle() != nullptr) {
        m_watchingScreens = true;
        connect(windowHandle(), &QWindow::screenChanged, this, &FormWindow::readScreen);
        readScreen();
    }
    readFrame();
}

} // namespace kelvara
