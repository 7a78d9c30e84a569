// SPDX-License-Identifier: GPL-3.0-or-later
// The window's icon.
#include "FrmMainIcon.h"

namespace kelvara {

namespace {

constexpr std::uint32_t transparent = 0x00000000;
constexpr std::uint32_t black = 0xFF000000;
constexpr std::uint32_t white = 0xFFFFFFFF;
constexpr std::uint32_t lightGrey = 0xFFC0C0C0;
constexpr std::uint32_t darkGrey = 0xFF808080;

class Canvas {
  public:
    explicit Canvas(IconPixels& pixels) : m_pixels(pixels) {}

    void fill(int x0, int y0, int x1, int y1, std::uint32_t colour) {
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                m_pixels[static_cast<std::size_t>(y) * frmMainIconSize +
                         static_cast<std::size_t>(x)] = colour;
            }
        }
    }

    // A box whose upper-left edges are lit and lower-right edges shaded;
    // swapping the two colours makes it look recessed instead of raised.
    void bevel(int x0, int y0, int x1, int y1, std::uint32_t lit, std::uint32_t shade) {
        fill(x0, y0, x1, y0, lit);
        fill(x0, y0, x0, y1, lit);
        fill(x0, y1, x1, y1, shade);
        fill(x1, y0, x1, y1, shade);
    }

  private:
    IconPixels& m_pixels;
};

} // namespace

IconPixels frmMainIcon() {
    IconPixels pixels{};
    pixels.fill(transparent);
    Canvas canvas(pixels);
    canvas.fill(0, 2, 31, 29, black);
    canvas.fill(2, 4, 29, 27, lightGrey);
    canvas.bevel(2, 4, 29, 27, white, darkGrey);
    canvas.bevel(3, 5, 28, 26, white, darkGrey);
    for (int slot = 0; slot < 5; ++slot) {
        const int top = 8 + slot * 4;
        canvas.fill(6, top, 14, top + 1, black);
        canvas.bevel(5, top - 1, 15, top + 2, darkGrey, white);
    }
    canvas.fill(19, 17, 25, 23, black);
    canvas.bevel(18, 16, 26, 24, darkGrey, white);
    return pixels;
}

} // namespace kelvara
