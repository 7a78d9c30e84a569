// SPDX-License-Identifier: GPL-3.0-or-later
// A window icon from pixels drawn in code: a 32-bit top-down colour bitmap
// with its alpha, and the mask that older consumers of an icon still read.
#include "PixelIcon.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace kelvara {

HICON iconFromPixels(std::span<const std::uint32_t> argb) {
    const auto size = static_cast<int>(std::lround(std::sqrt(static_cast<double>(argb.size()))));
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = size;
    header.bV5Height = -size; // top-down, as the pixels come
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (colour == nullptr) {
        return nullptr;
    }
    std::memcpy(bits, argb.data(), argb.size_bytes());
    // The mask is ignored where there is alpha, but must be there: all drawn.
    const std::vector<std::uint8_t> mask(static_cast<std::size_t>((size + 15) / 16 * 2 * size), 0);
    HBITMAP monochrome = CreateBitmap(size, size, 1, 1, mask.data());
    ICONINFO info{TRUE, 0, 0, monochrome, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(monochrome);
    DeleteObject(colour);
    return icon;
}

} // namespace kelvara
