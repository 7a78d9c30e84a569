// SPDX-License-Identifier: GPL-3.0-or-later
// A window as data: its controls in creation order with every property they
// start with. The forms layer builds the live window from this; nothing is
// created or destroyed afterwards.
#pragma once

#include "Appearance.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kelvara {

enum class ControlKind { PictureBox, Frame, Label, Shape, CommandButton, TextBox };

// What assistive technology is told a control is, where its kind alone does
// not say: a picture box that is a chart, and the shapes that are its items.
enum class AccessibleRole { ByKind, Chart, ChartItem };

struct ControlDescription {
    ControlKind kind = ControlKind::Label;
    std::string name;
    std::int16_t index = -1; // member index in a control array; -1 for a lone control
    std::string parent;      // name of the container; empty for the window itself
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    std::string caption; // caption, or the text of a text box
    int tabIndex = -1;   // -1: the control has no place in the tab order
    bool visible = true;
    Appearance look;
    std::string labelFor; // a label: the control it names for assistive technology
    AccessibleRole role = AccessibleRole::ByKind;
    std::string accessibleName; // empty: the caption, or the name if there is none
};

// A control of a kind at a place, everything else at its default.
inline ControlDescription placed(ControlKind kind, std::string name, std::string parent, float left,
                                 float top, float width, float height) {
    ControlDescription d;
    d.kind = kind;
    d.name = std::move(name);
    d.parent = std::move(parent);
    d.left = left;
    d.top = top;
    d.width = width;
    d.height = height;
    return d;
}

struct FormDescription {
    std::string name;
    std::string caption;
    std::string messageTitle; // the title of the box that reports an error
    float clientWidth = 0;    // inner size at creation, in twips
    float clientHeight = 0;
    // The smallest inner size a user can drag the window to, in twips.
    float minimumClientWidth = 0;
    float minimumClientHeight = 0;
    std::vector<ControlDescription> controls;
};

} // namespace kelvara
