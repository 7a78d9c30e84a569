// SPDX-License-Identifier: GPL-3.0-or-later
// One control of a window.
#include "Control.h"

namespace kelvara {

Control::Control(const ControlDescription& d, Control* parent)
    : m_name(d.name), m_index(d.index), m_kind(d.kind), m_parent(parent), m_tabIndex(d.tabIndex),
      m_look(d.look), m_left(d.left), m_top(d.top), m_width(d.width), m_height(d.height),
      m_caption(d.caption), m_visible(d.visible), m_labelFor(d.labelFor), m_role(d.role),
      m_accessibleName(d.accessibleName) {}

const std::string& Control::accessibleName() const {
    if (!m_accessibleName.empty()) {
        return m_accessibleName;
    }
    return m_caption.empty() ? m_name : m_caption;
}

float Control::scaleWidth() const {
    return m_width - 2 * m_border;
}
float Control::scaleHeight() const {
    return m_height - 2 * m_border;
}

} // namespace kelvara
