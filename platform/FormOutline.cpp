// SPDX-License-Identifier: GPL-3.0-or-later
// The order of a window's controls for the keyboard and assistive technology.
#include "FormOutline.h"

#include <algorithm>
#include <iterator>

namespace kelvara {

bool takesFocus(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::CommandButton:
    case ControlKind::PictureBox:
        return true;
    case ControlKind::Label:
    case ControlKind::Frame:
    case ControlKind::Shape:
        return false;
    }
    return false;
}

std::vector<const Control*> tabStops(const Form& form) {
    std::vector<const Control*> stops;
    std::copy_if(form.controls().begin(), form.controls().end(), std::back_inserter(stops),
                 [](const Control* c) { return c->tabIndex() >= 0 && takesFocus(c->kind()); });
    std::stable_sort(stops.begin(), stops.end(), [](const Control* a, const Control* b) {
        return a->tabIndex() < b->tabIndex();
    });
    return stops;
}

std::vector<const Control*> chartContents(const Form& form, const Control& chart) {
    std::vector<const Control*> all;
    std::copy_if(form.controls().begin(), form.controls().end(), std::back_inserter(all),
                 [&](const Control* c) { return c->parent() == &chart; });
    const auto isItem = [](const Control* c) {
        return c->accessibleRole() == AccessibleRole::ChartItem;
    };
    const auto items = std::stable_partition(all.begin(), all.end(), isItem);
    std::stable_sort(all.begin(), items,
                     [](const Control* a, const Control* b) { return a->index() < b->index(); });
    return all;
}

std::string objectName(const Control& control) {
    if (control.index() < 0) {
        return control.name();
    }
    return control.name() + "_" + std::to_string(control.index());
}

} // namespace kelvara
