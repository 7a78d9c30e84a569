// SPDX-License-Identifier: GPL-3.0-or-later
// A window icon from pixels drawn in code.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

namespace kelvara {

// A square icon from its row-major 0xAARRGGBB pixels; the caller destroys it.
HICON iconFromPixels(std::span<const std::uint32_t> argb);

} // namespace kelvara
