// SPDX-License-Identifier: GPL-3.0-or-later
// A named array of like controls.
#include "ControlArray.h"

#include "RuntimeError.h"

namespace kelvara {

void ControlArray::throwOutOfRange(std::int32_t index) const {
    throw IndexOutOfRangeError(m_name + "(" + std::to_string(index) + ")");
}

void ControlArray::add(Control& member) {
    const auto slot = static_cast<std::size_t>(member.index());
    if (slot >= m_members.size()) {
        m_members.resize(slot + 1, nullptr);
    }
    m_members[slot] = &member;
}

} // namespace kelvara
