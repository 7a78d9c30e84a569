// SPDX-License-Identifier: GPL-3.0-or-later
// A window's edges at a fractional scale.
#include "FractionalScale.h"

#if KELVARA_FIX_FRACTIONAL_EDGES
#include <QGuiApplication>
#include <QWidget>

#include <cmath>

#include <xcb/xcb.h>

namespace kelvara::workarounds {

void fillNativeBackground(QWidget* window) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr ||
        x11->connection() == nullptr) {
        return; // not on an X server (the offscreen platform answers too, without one)
    }
    const std::uint32_t pixel = window->palette().color(QPalette::Window).rgb() & 0xFFFFFFU;
    xcb_change_window_attributes(x11->connection(), static_cast<xcb_window_t>(window->winId()),
                                 XCB_CW_BACK_PIXEL, &pixel);
}

void roundScaleFactor() {
    const QByteArray given = qgetenv("QT_SCALE_FACTOR");
    bool isNumber = false;
    const double factor = given.toDouble(&isNumber);
    if (!isNumber || factor <= 0) {
        return; // unset, or for the toolkit to refuse
    }
    constexpr double steps = 65536;
    qputenv("QT_SCALE_FACTOR", QByteArray::number(std::round(factor * steps) / steps, 'g', 17));
}

} // namespace kelvara::workarounds
#endif
