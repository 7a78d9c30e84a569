// SPDX-License-Identifier: GPL-3.0-or-later
// Mapping between twips, the unit of every length in the model, and pixels.
//
// A twip is 1/1440 inch, so at 96 dots per inch one pixel is 15 twips. The
// model never rounds its lengths; only drawing goes through this type.
#pragma once

namespace kelvara {

struct PixelSpan {
    int start = 0;
    int length = 0;
};

class TwipScale {
  public:
    explicit TwipScale(double dotsPerInch = 96.0);

    double dotsPerInch() const { return m_dpi; }
    double twipsPerPixel() const { return 1440.0 / m_dpi; }

    // The nearest whole pixel to a position or a length.
    int toPixels(double twips) const;
    // A run from start to start + length, with both edges rounded on their
    // own so that neighbouring runs that share an edge share its pixel. A
    // negative length is drawn as nothing.
    PixelSpan toPixelSpan(double start, double length) const;
    double toTwips(int pixels) const;
    // A font's size in whole pixels, at least one: a point is 1/72 inch.
    int pointsToPixels(double points) const;

  private:
    double m_dpi;
};

} // namespace kelvara
