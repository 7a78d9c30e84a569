// SPDX-License-Identifier: GPL-3.0-or-later
// A view that shows nothing and records what it was told: which errors
// reached the user, how often it was synced, how the pointer changed.
#pragma once

#include "FormView.h"

#include <string>
#include <vector>

namespace kelvara::test {

class RecordingView final : public FormView {
  public:
    void sync() override { ++syncs; }
    void showError(const RuntimeError& error) override {
        errors.push_back(error.kind());
        lastMessage = error.what();
    }
    void mousePointerChanged(int pointer) override { pointerChanges.push_back(pointer); }
    void clear() { *this = RecordingView(); }

    int syncs = 0;
    std::vector<ErrorKind> errors;
    std::string lastMessage;
    std::vector<int> pointerChanges;
};

} // namespace kelvara::test
