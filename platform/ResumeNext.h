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

#include <optional>
#include <utility>

namespace kelvara {

class ResumeNext {
  public:
    template <typename Statement> void operator()(Statement&& statement) {
        try {
            std::forward<Statement>(statement)();
        } catch (const RuntimeError& error) {
            m_lastError = error.kind();
        }
    }

    // The kind of the last error that was skipped, if any.
    std::optional<ErrorKind> lastError() const { return m_lastError; }

  private:
    std::optional<ErrorKind> m_lastError;
};

} // namespace kelvara
