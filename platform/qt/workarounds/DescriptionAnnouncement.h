// SPDX-License-Identifier: GPL-3.0-or-later
// Announcing a text on a Qt without announcements: see
// KELVARA_FIX_ANNOUNCEMENT in Workarounds.h.
#pragma once

#include "Workarounds.h"

#if KELVARA_FIX_ANNOUNCEMENT
namespace kelvara::workarounds {

// Puts the text into the description of the window's focused widget and
// tells the accessibility bus so with the text, as the protocol has it: a
// screen reader speaks a change to the focused object's description.
void announceByDescription(QWidget* window, const QString& text);

} // namespace kelvara::workarounds
#endif
