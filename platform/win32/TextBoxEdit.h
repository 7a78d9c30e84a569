// SPDX-License-Identifier: GPL-3.0-or-later
// The system's edit control as a text box: every typed character passes the
// core's key filter first, and a paste keeps the whole of what was copied.
// Whatever the edit then shows (typed, pasted, undone, set by assistive
// technology) reaches the core through the edit's change notification, where
// the form window takes it.
#pragma once

#include <windows.h>

#include <functional>

namespace kelvara {

// What a typed character becomes: the same, another, or 0 for nothing
// (FormHost::keyTyped).
using KeyFilter = std::function<char32_t(char32_t typed)>;

// What the edit answers a client of assistive technology that asks for an
// object (WM_GETOBJECT); 0 leaves it to the system.
using ObjectRequest = std::function<LRESULT(WPARAM flags, LPARAM objectId)>;

// Subclasses `edit` for as long as it lives.
void attachTextBox(HWND edit, KeyFilter filter, ObjectRequest object);

} // namespace kelvara
