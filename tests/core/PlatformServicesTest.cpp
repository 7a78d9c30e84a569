// The twip mapping and the random source.
#include "ClockRandom.h"
#include "TwipScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kelvara {
namespace {

TEST(TwipScale, fifteen_twips_a_pixel_at_96_dpi) {
    const TwipScale scale(96);
    EXPECT_EQ(scale.twipsPerPixel(), 15.0);
    EXPECT_EQ(scale.toPixels(9880), 659);
    EXPECT_EQ(scale.toTwips(433), 6495.0);
    EXPECT_EQ(TwipScale(120).toPixels(1440), 120);
}

TEST(TwipScale, neighbouring_spans_share_their_edge_pixel) {
    const TwipScale scale(96);
    const PixelSpan bar = scale.toPixelSpan(428, 428);
    const PixelSpan gap = scale.toPixelSpan(856, 428);
    EXPECT_EQ(bar.start + bar.length, gap.start);
    EXPECT_EQ(scale.toPixelSpan(100, -50).length, 0);
}

TEST(TwipScale, a_growing_bar_keeps_its_bottom_pixel) {
    // A bar grows a twip at a time upwards; its bottom edge must not wobble.
    const TwipScale scale(96);
    const double baseline = 5300;
    for (int height = 0; height < 200; ++height) {
        const PixelSpan span = scale.toPixelSpan(baseline - height, height);
        EXPECT_EQ(span.start + span.length, scale.toPixels(baseline)) << height;
    }
}

TEST(ClockRandom, same_clock_gives_the_same_sequence) {
    ClockRandom a([] { return std::uint64_t{42}; });
    ClockRandom b([] { return std::uint64_t{42}; });
    ClockRandom c([] { return std::uint64_t{43}; });
    std::vector<float> first;
    std::vector<float> second;
    std::vector<float> other;
    for (int i = 0; i < 100; ++i) {
        first.push_back(a.next());
        second.push_back(b.next());
        other.push_back(c.next());
    }
    EXPECT_EQ(first, second);
    EXPECT_NE(first, other);
    a.randomize();
    EXPECT_EQ(a.next(), first[0]);
}

TEST(ClockRandom, values_stay_in_zero_to_below_one) {
    ClockRandom random;
    float lowest = 1;
    float highest = 0;
    double sum = 0;
    constexpr int draws = 2'000'000;
    for (int i = 0; i < draws; ++i) {
        const float r = random.next();
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
        sum += r;
    }
    EXPECT_GE(lowest, 0.0F);
    EXPECT_LT(highest, 1.0F);
    EXPECT_NEAR(sum / draws, 0.5, 0.002);
}

} // namespace
} // namespace kelvara
