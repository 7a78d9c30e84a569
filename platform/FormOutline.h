// SPDX-License-Identifier: GPL-3.0-or-later
// How a window's controls are reached without the mouse: the order the Tab
// key visits them in, what a chart holds for assistive technology, and the
// name by which tests and tools find each control's widget.
#pragma once

#include "Control.h"
#include "Form.h"

#include <string>
#include <vector>

namespace kelvara {

// Whether a control of this kind can hold the keyboard focus.
bool takesFocus(ControlKind kind);

// The controls the Tab key stops at, in tab order; the first has the focus
// when the window opens.
std::vector<const Control*> tabStops(const Form& form);

// The children of a chart as assistive technology lists them: its items in
// index order, then its other children (their labels) in the order they
// were described.
std::vector<const Control*> chartContents(const Form& form, const Control& chart);

// The name of a control's widget: its own, and for a member of an array
// "_" and its index ("Line1_3").
std::string objectName(const Control& control);

} // namespace kelvara
