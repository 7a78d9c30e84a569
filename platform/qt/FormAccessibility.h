// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology is told about a form's widgets where Qt's own
// answer does not fit, as the form's description says: the window is a frame,
// a picture box with the chart role is one chart, whose children come in the
// order the core gives (FormOutline.h).
#pragma once

namespace kelvara {

// Once per process, before the first window is shown.
void installFormAccessibility();

} // namespace kelvara
