// SPDX-License-Identifier: GPL-3.0-or-later
// Mapping between twips and pixels.
#include "TwipScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kelvara {

namespace {
// Keeps absurd model values (a window millions of twips wide) inside int.
int clampToInt(double value) {
    constexpr double limit = std::numeric_limits<int>::max() / 4.0;
    return static_cast<int>(std::clamp(value, -limit, limit));
}
} // namespace

TwipScale::TwipScale(double dotsPerInch) : m_dpi(dotsPerInch > 0.0 ? dotsPerInch : 96.0) {}

int TwipScale::toPixels(double twips) const {
    return clampToInt(std::round(twips / twipsPerPixel()));
}

PixelSpan TwipScale::toPixelSpan(double start, double length) const {
    const int first = toPixels(start);
    const int last = toPixels(start + std::max(0.0, length));
    return {first, last - first};
}

double TwipScale::toTwips(int pixels) const {
    return pixels * twipsPerPixel();
}

int TwipScale::pointsToPixels(double points) const {
    return std::max(1, clampToInt(std::round(points * m_dpi / 72.0)));
}

} // namespace kelvara
