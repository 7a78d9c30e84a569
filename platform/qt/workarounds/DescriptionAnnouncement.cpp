// SPDX-License-Identifier: GPL-3.0-or-later
// Announcing a text through the focused widget's description.
#include "DescriptionAnnouncement.h"

#if KELVARA_FIX_ANNOUNCEMENT
#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QWidget>

namespace kelvara::workarounds {

namespace {

// The change as the protocol has it. Qt's own bridge sends the object where
// the text belongs; these are its bus connection's name and its object paths.
void sendDescriptionChange(QWidget* widget, const QString& text) {
    QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (!bus.isConnected() || face == nullptr) {
        return; // no screen reader listens
    }
    const QString path =
        QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(face));
    QDBusMessage signal = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    signal << QStringLiteral("accessible-description") << 0 << 0
           << QVariant::fromValue(QDBusVariant(text)) << QVariantMap();
    bus.send(signal);
}

} // namespace

void announceByDescription(QWidget* window, const QString& text) {
    QWidget* focus = window->focusWidget() != nullptr ? window->focusWidget() : window;
    // The widget that carried the last text gives it up when the focus has
    // moved on, so that no stale result stays in a description.
    for (QWidget* other : window->findChildren<QWidget*>()) {
        if (other != focus && !other->accessibleDescription().isEmpty()) {
            other->setAccessibleDescription(QString());
        }
    }
    if (focus->accessibleDescription() == text) {
        // The same text again (another series of 0 rolls): a screen reader
        // that skips a description it already has must hear a change.
        sendDescriptionChange(focus, QString());
    }
    focus->setAccessibleDescription(text);
    sendDescriptionChange(focus, text);
}

} // namespace kelvara::workarounds
#endif
