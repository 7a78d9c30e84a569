// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology is told about a form's widgets where Qt's own
// answer does not fit, as the form's description says: the window is a frame,
// a picture box with the chart role is one chart whose items come first in
// index order, and the result of an event is announced where the focus is.
#pragma once

class QString;
class QWidget;

namespace kelvara {

// Once per process, before the first window is shown.
void installFormAccessibility();

// Speaks a text where the focus is in the window, without moving the focus.
void announce(QWidget* window, const QString& text);

} // namespace kelvara
