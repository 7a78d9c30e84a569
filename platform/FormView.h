// SPDX-License-Identifier: GPL-3.0-or-later
// What the core tells a front end: one half of the seam between the window
// model and a toolkit. The other half, what a front end tells the core, is
// FormHost.h. A front end implements this interface, hands it to a FormHost,
// and may rely on exactly what each call's comment promises.
//
// Every call comes on the thread that reported the event, never from inside
// a call the front end is making into the toolkit.
#pragma once

#include "RuntimeError.h"

#include <string>

namespace kelvara {

class FormView {
  public:
    virtual ~FormView() = default;
    // Once after every event the core handled, however many properties its
    // handlers wrote (never per write): bring every widget in line with the
    // model, and ask for the model's size (FormHost::askForModelSize).
    virtual void sync() = 0;
    // An error ended a handler. Comes after that event's sync(), once per
    // error; the text to show is errorText() (ErrorText.h), the title the
    // form's messageTitle(), over the form's own window.
    virtual void showError(const RuntimeError& error) = 0;
    // The mouse pointer changed (MousePointer in Form.h). Show it at once:
    // it comes in the middle of a handler, before any sync().
    virtual void mousePointerChanged(int pointer) = 0;
    // A sentence for assistive technology to speak where the user is: once
    // per sentence a handler set, after that event's sync(), even when it is
    // the same sentence as last time.
    virtual void announce(const std::string& text) = 0;
};

} // namespace kelvara
