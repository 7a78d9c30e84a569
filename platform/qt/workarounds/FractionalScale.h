// SPDX-License-Identifier: GPL-3.0-or-later
// A window's edges at a fractional scale: see KELVARA_FIX_FRACTIONAL_EDGES in
// Workarounds.h.
#pragma once

#include "Workarounds.h"

#if KELVARA_FIX_FRACTIONAL_EDGES
namespace kelvara::workarounds {

// The X window's background in the window's colour, for the device pixels
// beyond the toolkit's backing store.
void fillNativeBackground(QWidget* window);
// QT_SCALE_FACTOR, if set, to the nearest whole number of 1/65536ths.
void roundScaleFactor();

} // namespace kelvara::workarounds
#endif
