// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the window's icon as the files a desktop installs: a 32x32 PNG and
// a scalable SVG, both from the one drawing in FrmMainIcon.
#include "FrmMainIcon.h"

#include <QGuiApplication>
#include <QImage>

#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace {

std::string svgOf(const kelvara::IconPixels& pixels) {
    constexpr std::size_t size = kelvara::frmMainIconSize;
    std::ostringstream svg;
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << size << "\" height=\"" << size
        << "\" viewBox=\"0 0 " << size << ' ' << size << "\" shape-rendering=\"crispEdges\">\n";
    // One rectangle per run of equal pixels in a row.
    for (std::size_t y = 0; y < size; ++y) {
        std::size_t x = 0;
        while (x < size) {
            const std::uint32_t colour = pixels[y * size + x];
            std::size_t run = 1;
            while (x + run < size && pixels[y * size + x + run] == colour) {
                ++run;
            }
            if ((colour >> 24) != 0) {
                svg << "  <rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << run
                    << "\" height=\"1\" fill=\"#" << std::hex << std::setw(6) << std::setfill('0')
                    << (colour & 0xFFFFFFU) << std::dec << "\"/>\n";
            }
            x += run;
        }
    }
    svg << "</svg>\n";
    return svg.str();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " ICON.png ICON.svg\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const kelvara::IconPixels pixels = kelvara::frmMainIcon();
    constexpr int size = static_cast<int>(kelvara::frmMainIconSize);
    QImage image(reinterpret_cast<const uchar*>(pixels.data()), size, size, QImage::Format_ARGB32);
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::cerr << "cannot write " << argv[1] << "\n";
        return 1;
    }
    std::ofstream(argv[2]) << svgOf(pixels);
    return 0;
}
