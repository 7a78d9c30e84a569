// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the window's icon as a Windows icon file, for the exe's resources
// (what Explorer, the Start menu and the installer show) from the one
// drawing in FrmMainIcon. Built and run on the build machine:
//   write_ico FILE.ico
#include "FrmMainIcon.h"

#include <cstdint>
#include <fstream>
#include <iostream>
#include <vector>

namespace {

void put(std::vector<char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF)); // little-endian
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: write_ico FILE.ico\n";
        return 2;
    }
    constexpr std::uint32_t size = kelvara::frmMainIconSize;
    const kelvara::IconPixels pixels = kelvara::frmMainIcon();
    constexpr std::uint32_t maskRow = (size + 31) / 32 * 4;
    constexpr std::uint32_t imageBytes = 40 + size * size * 4 + maskRow * size;
    std::vector<char> ico;
    put(ico, 0, 2); // the icon directory: reserved, type 1 (icon), one image
    put(ico, 1, 2);
    put(ico, 1, 2);
    put(ico, size, 1); // its entry: size, no palette, one plane, 32 bits
    put(ico, size, 1);
    put(ico, 0, 2);
    put(ico, 1, 2);
    put(ico, 32, 2);
    put(ico, imageBytes, 4);
    put(ico, 6 + 16, 4);
    put(ico, 40, 4); // the image: a bitmap header whose height counts the mask too
    put(ico, size, 4);
    put(ico, 2 * size, 4);
    put(ico, 1, 2);
    put(ico, 32, 2);
    for (int i = 0; i < 6; ++i) {
        put(ico, 0, 4);
    }
    for (std::uint32_t row = size; row-- > 0;) { // bottom-up, 0xAARRGGBB as B, G, R, A
        for (std::uint32_t x = 0; x < size; ++x) {
            put(ico, pixels[row * size + x], 4);
        }
    }
    ico.insert(ico.end(), maskRow * size, 0); // all drawn; the alpha says what shows
    std::ofstream(argv[1], std::ios::binary)
        .write(ico.data(), static_cast<std::streamsize>(ico.size()));
    return 0;
}
