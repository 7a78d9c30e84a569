// SPDX-License-Identifier: GPL-3.0-or-later
// A window icon from pixels drawn in code.
#include "PixelIcon.h"

#include <QImage>
#include <QPixmap>

#include <cmath>

namespace kelvara {

QIcon iconFromPixels(std::span<const std::uint32_t> argb) {
    const auto size = static_cast<int>(std::lround(std::sqrt(static_cast<double>(argb.size()))));
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            image.setPixel(x, y,
                           argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(size) +
                                static_cast<std::size_t>(x)]);
        }
    }
    return QIcon(QPixmap::fromImage(image));
}

} // namespace kelvara
