// SPDX-License-Identifier: GPL-3.0-or-later
// The twip mapping.
#include "TwipScale.h"

#include <gtest/gtest.h>

namespace kelvara {
namespace {

TEST(TwipScale, pixels_at_96_and_120_dpi_share_edges_and_keep_the_baseline) {
    const TwipScale scale(96);
    const PixelSpan bar = scale.toPixelSpan(428, 428);
    EXPECT_EQ(bar.start + bar.length, scale.toPixelSpan(856, 428).start);
    EXPECT_EQ(scale.toPixelSpan(100, -50).length, 0);
    // A bar grows a twip at a time upwards; its bottom pixel must not wobble.
    for (int height = 0; height < 200; ++height) {
        const PixelSpan span = scale.toPixelSpan(5300 - height, height);
        EXPECT_EQ(span.start + span.length, 353) << height; // 5300 twips, 15 a pixel
    }
}

} // namespace
} // namespace kelvara
