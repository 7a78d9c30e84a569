// A named array of like controls.
#include "ControlArray.h"

#include "RuntimeError.h"

namespace kelvara {

Control& ControlArray::item(std::int32_t index) const {
    if (index < 0 || index >= count() || m_members[static_cast<std::size_t>(index)] == nullptr) {
        throw IndexOutOfRangeError(m_name + "(" + std::to_string(index) + ")");
    }
    return *m_members[static_cast<std::size_t>(index)];
}

void ControlArray::add(Control& member) {
    const auto slot = static_cast<std::size_t>(member.index());
    if (slot >= m_members.size()) {
        m_members.resize(slot + 1, nullptr);
    }
    m_members[slot] = &member;
}

} // namespace kelvara
