// SPDX-License-Identifier: GPL-3.0-or-later
// Where a front end draws each control, in whole pixels of its toolkit, and
// in what size a caption fits. Lengths come from the model in twips and go
// through the window's TwipScale; what only a toolkit can measure (how wide a
// text is in a face of some size) comes back through a callback.
#pragma once

#include "Control.h"
#include "Form.h"
#include "TwipScale.h"

#include <functional>

namespace kelvara {

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// A control's rectangle in its container, from the container's inner corner.
PixelRect pixelRect(const Control& control, const TwipScale& scale);

// Where a label is drawn: the area its caption may use (`area`, in its
// container) and inside that the label's own rectangle (`body`, from the
// area's corner), where alone its background is painted. A centred label of
// an array may spread its caption over half the gap to each neighbour, so
// that a count wider than its bar still shows whole and never touches the
// next one; any other label's area is its body.
struct LabelPlace {
    PixelRect area;
    PixelRect body;
};
LabelPlace labelPlace(const Form& form, const Control& label, const TwipScale& scale);

// The width in pixels of a caption drawn in a face of this pixel size.
using TextWidth = std::function<int(int pixelSize)>;
// The face a caption is drawn in: the given size, or the largest smaller one
// down to 6 pixels in which it fits the width.
int fittedPixelSize(int pixelSize, int width, const TextWidth& widthAt);

} // namespace kelvara
