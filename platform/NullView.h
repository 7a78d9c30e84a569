// A view that draws nothing: the window runs headless behind it.
//
// It keeps what it was told so that tests can see which errors reached the
// user and how often the view was synced.
#pragma once

#include "FormView.h"

#include <string>
#include <vector>

namespace kelvara {

class NullView : public FormView {
  public:
    void sync() override { ++m_syncs; }
    void showError(const RuntimeError& error) override {
        m_errors.push_back(error.kind());
        m_lastMessage = error.what();
    }
    void mousePointerChanged(int pointer) override { m_pointerChanges.push_back(pointer); }

    int syncs() const { return m_syncs; }
    const std::vector<ErrorKind>& errors() const { return m_errors; }
    const std::string& lastMessage() const { return m_lastMessage; }
    const std::vector<int>& pointerChanges() const { return m_pointerChanges; }
    void clear() { *this = NullView(); }

  private:
    int m_syncs = 0;
    std::vector<ErrorKind> m_errors;
    std::string m_lastMessage;
    std::vector<int> m_pointerChanges;
};

} // namespace kelvara
