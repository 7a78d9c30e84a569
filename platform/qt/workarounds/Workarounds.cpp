// SPDX-License-Identifier: GPL-3.0-or-later
// The hooks through which the front end reaches the toolkit workarounds.
#include "Workarounds.h"

#include "DescriptionAnnouncement.h"
#include "FormWindow.h"
#include "FractionalScale.h"
#include "RefusedResize.h"
#include "TextBoxAccessible.h"

#include <QAccessible>

namespace kelvara::workarounds {

void watchWindow([[maybe_unused]] FormWindow* window) {
#if KELVARA_FIX_REFUSED_RESIZE
    watchRefusedResizes(window);
#endif
#if KELVARA_FIX_FRACTIONAL_EDGES
    fillNativeBackground(window);
#endif
}

void beforeApplication() {
#if KELVARA_FIX_FRACTIONAL_EDGES
    roundScaleFactor();
#endif
}

QAccessibleInterface* accessibleFor([[maybe_unused]] TextBoxWidget* box) {
#if KELVARA_FIX_LINE_EDIT_ACCESSIBLE
    return new TextBoxAccessible(box);
#else
    return nullptr;
#endif
}

void announce(QWidget* window, const QString& text) {
#if KELVARA_FIX_ANNOUNCEMENT
    announceByDescription(window, text);
#else
    QAccessibleAnnouncementEvent event(window, text);
    QAccessible::updateAccessibility(&event);
#endif
}

} // namespace kelvara::workarounds
