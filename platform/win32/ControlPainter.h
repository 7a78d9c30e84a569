// SPDX-License-Identifier: GPL-3.0-or-later
// How the controls that Windows has no control for are painted from the
// model: picture boxes, frames, labels and rectangle shapes, each in a window
// of its own, in the window's pixels.
#pragma once

#include "Control.h"
#include "Form.h"
#include "TwipScale.h"

#include <windows.h>

namespace kelvara {

// The face a control's text is drawn in: the look's font, or the system's
// message face at the size the window's controls were made for. A pixel
// size of 0 is the font's own size at the scale's DPI. The caller deletes it.
HFONT createControlFont(const Appearance& look, const TwipScale& scale, int pixelSize = 0);

struct PaintContext {
    const Form& form;
    const TwipScale& scale;
    HFONT defaultFont; // buttons', frames' and boxes' text
    bool focused;      // the control has the keyboard focus
};

void paintControl(HDC dc, const RECT& client, const Control& control, const PaintContext& context);

} // namespace kelvara
