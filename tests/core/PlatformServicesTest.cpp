// SPDX-License-Identifier: GPL-3.0-or-later
// The twip mapping and the random source.
#include "ClockRandom.h"
#include "TwipScale.h"

#include <gtest/gtest.h>

#include <array>

namespace kelvara {
namespace {

TEST(TwipScale, pixels_at_96_and_120_dpi_share_edges_and_keep_the_baseline) {
    const TwipScale scale(96);
    EXPECT_EQ(scale.toPixels(9880), 659);
    EXPECT_EQ(TwipScale(120).toPixels(1440), 120);
    const PixelSpan bar = scale.toPixelSpan(428, 428);
    EXPECT_EQ(bar.start + bar.length, scale.toPixelSpan(856, 428).start);
    EXPECT_EQ(scale.toPixelSpan(100, -50).length, 0);
    // A bar grows a twip at a time upwards; its bottom pixel must not wobble.
    for (int height = 0; height < 200; ++height) {
        const PixelSpan span = scale.toPixelSpan(5300 - height, height);
        EXPECT_EQ(span.start + span.length, scale.toPixels(5300)) << height;
    }
}

TEST(ClockRandom, each_series_starts_again_from_the_clock) {
    std::uint64_t now = 42;
    ClockRandom random([&] { return now; });
    std::array<std::uint32_t, 3> first{};
    std::array<std::uint32_t, 3> again{};
    random.draw(first);
    random.randomize();
    random.draw(again);
    EXPECT_EQ(again, first);
    now = 43;
    random.randomize();
    random.draw(again);
    EXPECT_NE(again, first);
}

} // namespace
} // namespace kelvara
