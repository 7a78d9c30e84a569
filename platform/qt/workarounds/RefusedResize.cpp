// SPDX-License-Identifier: GPL-3.0-or-later
// The size the X window really has, when the window manager refused ours.
#include "RefusedResize.h"

#if KELVARA_FIX_REFUSED_RESIZE
#include "FormWindow.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QPointer>

// Only the protocol's structures and constants: nothing is called in libxcb.
#include <xcb/xcb.h>

namespace kelvara::workarounds {

namespace {

class ConfigureWatch final : public QObject, public QAbstractNativeEventFilter {
  public:
    explicit ConfigureWatch(FormWindow* window) : QObject(window), m_window(window) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~ConfigureWatch() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    ConfigureWatch(const ConfigureWatch&) = delete;
    ConfigureWatch& operator=(const ConfigureWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message,
                           qintptr* /*result*/) override {
        if (eventType != "xcb_generic_event_t" || m_window == nullptr) {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7FU) != XCB_CONFIGURE_NOTIFY) {
            return false;
        }
        const auto* configure = static_cast<const xcb_configure_notify_event_t*>(message);
        if (configure->window == m_window->internalWinId()) {
            // Once the toolkit has taken the notification in.
            QMetaObject::invokeMethod(m_window, &FormWindow::takeDesktopSize, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    QPointer<FormWindow> m_window;
};

} // namespace

void watchRefusedResizes(FormWindow* window) {
    new ConfigureWatch(window); // owned by the window
}

} // namespace kelvara::workarounds
#endif
