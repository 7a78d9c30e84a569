// One control of a window.
#include "Control.h"

namespace kelvara {

Control::Control(const ControlDescription& d, Control* parent)
    : m_name(d.name), m_index(d.index), m_kind(d.kind), m_parent(parent), m_tabIndex(d.tabIndex),
      m_look(d.look), m_left(d.left), m_top(d.top), m_width(d.width), m_height(d.height),
      m_caption(d.caption), m_visible(d.visible), m_labelFor(d.labelFor) {
    if (parent != nullptr) {
        parent->m_children.push_back(this);
    }
}

float Control::scaleWidth() const {
    return m_width - 2 * m_border;
}
float Control::scaleHeight() const {
    return m_height - 2 * m_border;
}

} // namespace kelvara
