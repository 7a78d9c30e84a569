// SPDX-License-Identifier: GPL-3.0-or-later
// The window frmMain as it is created.
//
// The histogram sits in the screen area imgScreen: eleven count labels, eleven
// sum labels and eleven bars, member i of each standing for the dice sum i + 2,
// side by side at a pitch of 240 twips until the first layout places them.
// Below it the frame frmOptions holds the two buttons and the roll-count box.
#include "FrmMainDescription.h"

#include "Layout.h"

#include <string>

namespace kelvara {

namespace {

constexpr Rgb black{0, 0, 0};
constexpr Rgb yellow{255, 255, 0};
constexpr Rgb barGreen{0, 192, 0};

Appearance histogramLabelLook() {
    Appearance look;
    look.backColor = black;
    look.foreColor = yellow;
    look.alignment = Alignment::Center;
    look.font = FontSpec{"MS Sans Serif", 12, 700};
    return look;
}

Appearance barLook() {
    Appearance look;
    look.fillColor = barGreen;
    look.borderColor = barGreen;
    return look;
}

Appearance screenLook() {
    Appearance look;
    look.backColor = black;
    return look;
}

// The members of one histogram array, created from index 10 down to 0.
void addHistogramArray(FormDescription& form, ControlKind kind, const std::string& name, float top,
                       float height, int firstTabIndex, bool visible, const Appearance& look,
                       bool captionIsSum) {
    for (std::int16_t i = 10; i >= 0; --i) {
        ControlDescription d = placed(kind, name, "imgScreen",
                                      180.0F + 240.0F * static_cast<float>(i), top, 195, height);
        d.index = i;
        d.caption = kind == ControlKind::Shape ? "" : captionIsSum ? std::to_string(i + 2) : "x";
        d.tabIndex = firstTabIndex < 0 ? -1 : firstTabIndex + i;
        d.visible = visible;
        d.look = look;
        d.role = kind == ControlKind::Shape ? AccessibleRole::ChartItem : AccessibleRole::ByKind;
        form.controls.push_back(d);
    }
}

ControlDescription lone(ControlKind kind, const char* name, const char* parent, float left,
                        float top, float width, float height, const char* caption, int tabIndex) {
    ControlDescription d = placed(kind, name, parent, left, top, width, height);
    d.caption = caption;
    d.tabIndex = tabIndex;
    return d;
}

FormDescription describe() {
    FormDescription form;
    form.name = "frmMain";
    form.caption = "Kelvara 2000 by Orvandel";
    form.messageTitle = "Kelvara";
    form.clientWidth = 4995;
    form.clientHeight = 5400;
    form.minimumClientWidth = layout::smallestClientWidth;
    form.minimumClientHeight = layout::smallestClientHeight;

    ControlDescription screen =
        lone(ControlKind::PictureBox, "imgScreen", "frmMain", 0, 0, 4635, 3915, "", 2);
    screen.look = screenLook();
    screen.role = AccessibleRole::Chart;
    screen.accessibleName = "Histogramm der Augensummen";
    form.controls.push_back(screen);
    addHistogramArray(form, ControlKind::Label, "lblAnzahl", 2280, 315, 14, false,
                      histogramLabelLook(), false);
    addHistogramArray(form, ControlKind::Label, "lblNr", 2640, 315, 3, true, histogramLabelLook(),
                      true);
    addHistogramArray(form, ControlKind::Shape, "Line1", 3000, 735, -1, true, barLook(), false);

    form.controls.push_back(lone(ControlKind::Frame, "frmOptions", "frmMain", 0, 4080, 4635, 1275,
                                 "Würfeln mit 2 Würfeln", 0));
    form.controls.push_back(lone(ControlKind::CommandButton, "cmdCancel", "frmOptions", 3180, 480,
                                 1155, 435, "CLS", 27));
    form.controls.push_back(
        lone(ControlKind::TextBox, "txtAnz", "frmOptions", 1680, 600, 1215, 285, "5000", 25));
    form.controls.back().accessibleName = "Anzahl der Würfe";
    form.controls.push_back(lone(ControlKind::CommandButton, "cmdOptions", "frmOptions", 180, 480,
                                 1155, 435, "Würfeln", 1));
    form.controls.push_back(lone(ControlKind::Label, "Label1", "frmOptions", 1680, 360, 1455, 375,
                                 "Anzahl der Würfe:", 26));
    form.controls.back().labelFor = "txtAnz";
    return form;
}

} // namespace

const FormDescription& frmMainDescription() {
    static const FormDescription description = describe();
    return description;
}

} // namespace kelvara
