// SPDX-License-Identifier: GPL-3.0-or-later
// A colour of the model as the toolkit paints it.
#pragma once

#include "Appearance.h"

#include <QColor>

namespace kelvara {

inline QColor toColor(const Rgb& rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

} // namespace kelvara
