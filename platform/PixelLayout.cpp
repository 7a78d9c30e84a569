// SPDX-License-Identifier: GPL-3.0-or-later
// Controls in whole pixels.
#include "PixelLayout.h"

#include <algorithm>
#include <vector>

namespace kelvara {

namespace {
constexpr int smallestPixelSize = 6;
} // namespace

PixelRect pixelRect(const Control& control, const TwipScale& scale) {
    const PixelSpan x = scale.toPixelSpan(control.left(), control.width());
    const PixelSpan y = scale.toPixelSpan(control.top(), control.height());
    return {x.start, y.start, x.length, y.length};
}

LabelPlace labelPlace(const Form& form, const Control& label, const TwipScale& scale) {
    const PixelRect body = pixelRect(label, scale);
    int spill = 0;
    if (label.look().alignment == Alignment::Center && label.index() >= 0) {
        const ControlArray& array = form.array(label.name());
        std::vector<int> halfGaps;
        if (label.index() > 0) {
            const PixelRect before = pixelRect(array(label.index() - 1), scale);
            halfGaps.push_back((body.left - (before.left + before.width)) / 2);
        }
        if (label.index() + 1 < array.count()) {
            const PixelRect after = pixelRect(array(label.index() + 1), scale);
            halfGaps.push_back((after.left - (body.left + body.width)) / 2);
        }
        if (!halfGaps.empty()) {
            spill = std::max(0, *std::min_element(halfGaps.begin(), halfGaps.end()));
        }
    }
    return {{body.left - spill, body.top, body.width + 2 * spill, body.height},
            {spill, 0, body.width, body.height}};
}

int fittedPixelSize(int pixelSize, int width, const TextWidth& widthAt) {
    int size = pixelSize;
    while (size > smallestPixelSize && widthAt(size) > width) {
        --size;
    }
    return size;
}

} // namespace kelvara
