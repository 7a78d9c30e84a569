// SPDX-License-Identifier: GPL-3.0-or-later
// What the window model asks of whatever shows it.
//
// The model calls sync() once after every event it handled, never per
// property write, so a long handler costs the view nothing until it ends.
#pragma once

#include "RuntimeError.h"

namespace kelvara {

class FormView {
  public:
    virtual ~FormView() = default;
    // Bring the view in line with the model after an event.
    virtual void sync() = 0;
    // An error ended a handler; the model has already synced the view.
    virtual void showError(const RuntimeError& error) = 0;
    // The mouse pointer changed; unlike geometry this must show at once.
    virtual void mousePointerChanged(int pointer) = 0;
};

} // namespace kelvara
