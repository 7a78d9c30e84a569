// SPDX-License-Identifier: GPL-3.0-or-later
// One control of a window: its geometry in twips and its other properties.
//
// This is the only place a control's state lives; the front end draws from
// it. Lengths are single precision and read back exactly as written. A write
// takes a double so that handlers can form differences in double precision;
// it is rounded once to single precision here.
#pragma once

#include "FormDescription.h"
#include "Length.h"
#include "Numeric.h"

#include <string>

namespace kelvara {

class Control {
  public:
    Control(const ControlDescription& description, Control* parent);

    const std::string& name() const { return m_name; }
    std::int16_t index() const { return m_index; }
    ControlKind kind() const { return m_kind; }
    Control* parent() const { return m_parent; }
    int tabIndex() const { return m_tabIndex; }
    const std::string& labelFor() const { return m_labelFor; }
    AccessibleRole accessibleRole() const { return m_role; }
    // The name a screen reader announces: the one set, else the caption,
    // else the control's own name.
    const std::string& accessibleName() const;
    void setAccessibleName(std::string name) { m_accessibleName = std::move(name); }
    const Appearance& look() const { return m_look; }

    Length left() const { return Length(m_left); }
    Length top() const { return Length(m_top); }
    Length width() const { return Length(m_width); }
    Length height() const { return Length(m_height); }
    void setLeft(double value) { m_left = numeric::toSingle(value); }
    void setTop(double value) { m_top = numeric::toSingle(value); }
    void setWidth(double value) { m_width = numeric::toSingle(value); }
    void setHeight(double value) { m_height = numeric::toSingle(value); }
    // A length that is one already (a twip off or on one read here) needs no rounding or check.
    void setTop(Length value) { m_top = value; }
    void setHeight(Length value) { m_height = value; }

    // Inner size: a picture box's drawing area inside its border.
    float scaleWidth() const;
    float scaleHeight() const;
    // Border thickness on each side in twips; set by the window from its pixel size.
    void setBorder(float twips) { m_border = twips; }

    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption) { m_caption = std::move(caption); }
    const std::string& text() const { return m_caption; }
    void setText(std::string text) { m_caption = std::move(text); }
    bool visible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

  private:
    friend class Form;

    std::string m_name;
    std::int16_t m_index;
    ControlKind m_kind;
    Control* m_parent;
    int m_tabIndex;
    Appearance m_look;
    float m_left;
    float m_top;
    float m_width;
    float m_height;
    float m_border = 0;
    std::string m_caption; // the caption, or a text box's text
    bool m_visible;
    std::string m_labelFor;
    AccessibleRole m_role;
    std::string m_accessibleName;
};

} // namespace kelvara
