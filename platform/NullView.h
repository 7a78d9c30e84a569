// SPDX-License-Identifier: GPL-3.0-or-later
// A view that shows nothing: the window runs headless behind it.
#pragma once

#include "FormView.h"

namespace kelvara {

class NullView final : public FormView {
  public:
    void sync() override {}
    void showError(const RuntimeError& /*error*/) override {}
    void mousePointerChanged(int /*pointer*/) override {}
    void announce(const std::string& /*text*/) override {}
};

} // namespace kelvara
