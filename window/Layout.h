// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers of frmMain's layout, in twips: the one place they are written.
// The layout, the roll series' placing of the counts and the window's
// smallest size all read them from here.
#pragma once

#include <cstdint>

namespace kelvara::layout {

// Height of the frame band along the bottom of the window's inner area.
inline constexpr double bandHeight = 1500;
// The window's inner width must exceed this for the screen area to follow it;
// at this width or less the layout widens the window to it instead.
inline constexpr double narrowestWidth = 6500;
// The bars' baseline above the frame's top, and the sum labels' top above it.
inline constexpr double baselineAboveBand = 500;
inline constexpr double sumLabelAboveBand = 400;
// Equal columns across the screen area: a gap, then eleven times a bar and a gap.
inline constexpr double columns = 23;
// A count label's top above its bar's top.
inline constexpr double countAboveBar = 450;

// The smallest window a user can drag to: a twip wider than the narrowest
// width, so that the screen area still follows it, and high enough for the
// band, the sums and a bar of 950 twips (the sum 7 of a series of 5000 rolls)
// with its count and the screen area's border.
inline constexpr double tallestBarShownWhole = 950;
inline constexpr double screenBorderRoom = 50;
inline constexpr float smallestClientWidth = narrowestWidth + 1;
inline constexpr float smallestClientHeight =
    bandHeight + baselineAboveBand + tallestBarShownWhole + countAboveBar + screenBorderRoom;

} // namespace kelvara::layout
