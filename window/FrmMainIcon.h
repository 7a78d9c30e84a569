// SPDX-License-Identifier: GPL-3.0-or-later
// The window's icon, drawn here rather than shipped as a binary image: a
// light-grey panel with raised edges on black, five recessed slots down its
// left side and a recessed square window at its lower right.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kelvara {

constexpr std::size_t frmMainIconSize = 32;

// Row-major 0xAARRGGBB pixels; alpha is 0 or 255 only.
using IconPixels = std::array<std::uint32_t, frmMainIconSize * frmMainIconSize>;

IconPixels frmMainIcon();

} // namespace kelvara
