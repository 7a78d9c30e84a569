// SPDX-License-Identifier: GPL-3.0-or-later
// The skip-on-error rule: run statements one by one and go on after any that
// fails with a run-time error. A handler that follows this rule writes
//
//     ResumeNext next;
//     next([&] { frmMain().setWidth(10000); });
//     next([&] { frmMain().setHeight(8000); });
//
// and every statement runs whatever the one before it did.
#pragma once

#include "RuntimeError.h"

#include <utility>

namespace kelvara {

class ResumeNext {
  public:
    template <typename Statement> void operator()(Statement&& statement) {
        try {
            std::forward<Statement>(statement)();
        } catch (const RuntimeError&) {
            // skipped: the next statement runs as if this one had succeeded
        }
    }
};

} // namespace kelvara
