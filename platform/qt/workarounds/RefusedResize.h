// SPDX-License-Identifier: GPL-3.0-or-later
// The size the X window really has, when the window manager refused the one
// the program asked for: see KELVARA_FIX_REFUSED_RESIZE in Workarounds.h.
#pragma once

#include "Workarounds.h"

#if KELVARA_FIX_REFUSED_RESIZE
namespace kelvara {

class FormWindow;

namespace workarounds {

// Every configure notification for the window, a refusal included, makes the
// window compare its size with the one the toolkit's window now reports.
void watchRefusedResizes(FormWindow* window);

} // namespace workarounds
} // namespace kelvara
#endif
